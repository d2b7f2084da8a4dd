#include "labels/SheetSearch.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// Sizes on a package are given to a tenth of a millimetre; the library's
// come from inches as often as not.
constexpr double SameSizeMm = 0.15;

// Makers whose packages are sold here, as their packages print their names.
const QHash<QString, QString>& makerNames() {
    static const QHash<QString, QString> names{
        {u"hisago"_s, u"ヒサゴ"_s},     {u"a-one"_s, u"エーワン"_s},
        {u"kokuyo"_s, u"コクヨ"_s},     {u"plus"_s, u"プラス"_s},
        {u"elecom"_s, u"エレコム"_s},   {u"sanwa"_s, u"サンワサプライ"_s},
        {u"canon"_s, u"キヤノン"_s},    {u"brother"_s, u"ブラザー"_s},
        {u"epson"_s, u"エプソン"_s},    {u"dymo"_s, u"ダイモ"_s},
        {u"avery"_s, u"エイブリィ"_s},  {u"nana"_s, u"ナナクリエイト"_s},
        {u"takeyama"_s, u"タケヤマ"_s},
    };
    return names;
}

// Hiragana U+3041 to U+3096 stand 0x60 below their katakana.
QString hiraganaAsKatakana(QString text) {
    for (QChar& c : text)
        if (c.unicode() >= 0x3041 && c.unicode() <= 0x3096)
            c = QChar(c.unicode() + 0x60);
    return text;
}

std::optional<SheetPaper> paperWord(const QString& word) {
    static const QHash<QString, SheetPaper> papers{
        {u"a4"_s, SheetPaper::A4},         {u"b5"_s, SheetPaper::B5},
        {u"a5"_s, SheetPaper::A5},         {u"ハガキ"_s, SheetPaper::Postcard},
        {u"葉書"_s, SheetPaper::Postcard}, {u"postcard"_s, SheetPaper::Postcard},
        {u"letter"_s, SheetPaper::Letter}, {u"レター"_s, SheetPaper::Letter},
    };
    const auto found = papers.constFind(word);
    if (found == papers.constEnd())
        return std::nullopt;
    return *found;
}

bool sameSize(double a, double b) {
    return std::abs(a - b) <= SameSizeMm;
}

} // namespace

QString makerName(const QString& brand) {
    return makerNames().value(brand.toLower(), brand);
}

QString japanesePaperName(SheetPaper paper) {
    switch (paper) {
    case SheetPaper::Postcard:
        return u"はがき"_s;
    case SheetPaper::Letter:
        return u"レター"_s;
    default:
        return paperName(paper);
    }
}

QString sheetListLine(const SheetTemplate& sheet) {
    return makerName(sheet.brand) + u' ' + sheet.part + u"　"_s + japanesePaperName(sheet.paper) +
           u"　"_s + QString::number(sheet.labelCount()) + u"面　"_s +
           millimetreNumber(sheet.labelWidthMm) + u" × "_s + millimetreNumber(sheet.labelHeightMm) +
           u" mm"_s;
}

QString searchForm(const QString& text) {
    QString form = hiraganaAsKatakana(text.normalized(QString::NormalizationForm_KC)).toLower();
    form.replace(u'×', u'x').replace(u'*', u'x');
    form.remove(u'-').remove(u'‐').remove(u'−');
    return form;
}

QString sheetSearchText(const SheetTemplate& sheet) {
    return searchForm(QStringList{sheet.brand, makerName(sheet.brand), sheet.part,
                                  sheet.description, paperName(sheet.paper),
                                  japanesePaperName(sheet.paper)}
                          .join(u' '));
}

SheetQuery::SheetQuery(const QString& typed) {
    static const QRegularExpression spacedTimes(u"(\\d)\\s*x\\s*(\\d)"_s);
    static const QRegularExpression spacedCount(u"(\\d)\\s+面"_s);
    static const QRegularExpression size(u"^(\\d+(?:\\.\\d+)?)x(\\d+(?:\\.\\d+)?)(?:mm)?$"_s);
    static const QRegularExpression count(u"^(\\d+)面$"_s);
    static const QRegularExpression number(u"^\\d+$"_s);
    QString form = searchForm(typed);
    form.replace(spacedTimes, u"\\1x\\2"_s).replace(spacedCount, u"\\1面"_s);
    for (const QString& word : form.split(QRegularExpression(u"[\\s,、]+"_s), Qt::SkipEmptyParts)) {
        Term term;
        term.word = word;
        if (const QRegularExpressionMatch m = size.match(word); m.hasMatch()) {
            term.kind = Term::Size;
            term.widthMm = m.captured(1).toDouble();
            term.heightMm = m.captured(2).toDouble();
        } else if (const QRegularExpressionMatch m = count.match(word); m.hasMatch()) {
            term.kind = Term::Count;
            term.count = m.captured(1).toInt();
        } else if (number.match(word).hasMatch()) {
            term.kind = Term::Number;
            term.count = word.toInt();
        } else if (const std::optional<SheetPaper> paper = paperWord(word)) {
            term.kind = Term::Paper;
            term.paper = *paper;
        }
        m_terms.append(term);
    }
}

double SheetQuery::termDistance(const Term& term, const SheetTemplate& sheet,
                                const QString& haystack) const {
    switch (term.kind) {
    case Term::Count:
        return std::min(1.0, std::abs(sheet.labelCount() - term.count) / 12.0);
    case Term::Number:
        // A bare number is a count or a piece of a product number.
        if (haystack.contains(term.word))
            return 0;
        return std::min(1.0, std::abs(sheet.labelCount() - term.count) / 12.0);
    case Term::Size:
        if (sameSize(sheet.labelWidthMm, term.widthMm) &&
            sameSize(sheet.labelHeightMm, term.heightMm))
            return 0;
        return std::min(1.0, (std::abs(sheet.labelWidthMm - term.widthMm) +
                              std::abs(sheet.labelHeightMm - term.heightMm)) /
                                 40);
    case Term::Paper:
        return sheet.paper == term.paper ? 0 : 1;
    case Term::Word: {
        if (haystack.contains(term.word))
            return 0;
        int best = int(term.word.size());
        for (const QString& word : haystack.split(u' ', Qt::SkipEmptyParts))
            best = std::min(best, editDistance(term.word, word.left(term.word.size() + 1)));
        return std::min(1.0, double(best) / std::max<qsizetype>(1, term.word.size()));
    }
    }
    return 1;
}

bool SheetQuery::matches(const SheetTemplate& sheet, const QString& haystack) const {
    return std::all_of(m_terms.begin(), m_terms.end(), [&](const Term& term) {
        if (term.kind == Term::Count || term.kind == Term::Number)
            return sheet.labelCount() == term.count ||
                   (term.kind == Term::Number && haystack.contains(term.word));
        return termDistance(term, sheet, haystack) == 0;
    });
}

double SheetQuery::distance(const SheetTemplate& sheet, const QString& haystack) const {
    double sum = 0;
    for (const Term& term : m_terms)
        sum += termDistance(term, sheet, haystack);
    return sum;
}

int editDistance(const QString& a, const QString& b) {
    QList<int> previous(b.size() + 1), current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

} // namespace labels
