#include "printing/VerticalText.h"

#include "printing/FullWidth.h"

using namespace Qt::StringLiterals;

namespace printing {

namespace {

constexpr char16_t KanjiDigits[] = u"〇一二三四五六七八九";

// What follows a number of a street address (counted out, not spelled).
const QStringList& counters() {
    static const QStringList words{u"丁目"_s, u"番地"_s, u"番"_s, u"号"_s, u"丁"_s, u"条"_s};
    return words;
}

bool isDigit(QChar c) {
    return c >= u'０' && c <= u'９';
}

bool isLetter(QChar c) {
    return (c >= u'Ａ' && c <= u'Ｚ') || (c >= u'ａ' && c <= u'ｚ');
}

bool isKatakana(QChar c) {
    return (c >= u'ァ' && c <= u'ヺ') || c == u'ー';
}

QString toHalfWidthDigits(const QString& digits) {
    QString result;
    for (QChar c : digits)
        result += QChar(u'0' + (c.unicode() - u'０'));
    return result;
}

QChar at(const QString& text, qsizetype i) {
    return i >= 0 && i < text.size() ? text[i] : QChar();
}

// A letter next to the number, or one hyphen away ("A-101", "101-B").
bool besideLetter(const QString& text, qsizetype start, qsizetype end) {
    const QChar before = at(text, start - 1);
    const QChar after = at(text, end);
    return isLetter(before) || isLetter(after) ||
           (isHyphenLookAlike(before) && isLetter(at(text, start - 2))) ||
           (isHyphenLookAlike(after) && isLetter(at(text, end + 1)));
}

bool beforeCounter(const QString& text, qsizetype end) {
    for (const QString& word : counters())
        if (QStringView(text).mid(end).startsWith(word))
            return true;
    return false;
}

// 1 to 99 counted out: 十, 十五, 二十, 二十三.
QString countedOut(int number) {
    const int tens = number / 10;
    const int ones = number % 10;
    QString result;
    if (tens > 1)
        result += QChar(KanjiDigits[tens]);
    if (tens > 0)
        result += u'十';
    if (ones > 0 || tens == 0)
        result += QChar(KanjiDigits[ones]);
    return result;
}

void appendNumber(ColumnText& cells, const QString& text, qsizetype start, qsizetype end) {
    const QString digits = text.mid(start, end - start);
    const bool building = besideLetter(text, start, end) ||
                          (isKatakana(at(text, start - 1)) && !beforeCounter(text, end));
    if (building && digits.size() == 2) {
        cells.append({toHalfWidthDigits(digits), true});
        return;
    }
    if (building) {
        for (QChar c : digits)
            cells.append({QString(c)});
        return;
    }
    if (beforeCounter(text, end) && digits.size() <= 2) {
        for (QChar c : countedOut(toHalfWidthDigits(digits).toInt()))
            cells.append({QString(c)});
        return;
    }
    for (QChar c : digits)
        cells.append({QString(QChar(KanjiDigits[c.unicode() - u'０']))});
}

} // namespace

ColumnText verticalColumn(const QString& line) {
    const QString full = toFullWidth(line);
    auto numberLike = [&](qsizetype i) { return isDigit(at(full, i)) || isLetter(at(full, i)); };
    ColumnText cells;
    for (qsizetype i = 0; i < full.size();) {
        if (isDigit(full[i])) {
            qsizetype end = i;
            while (end < full.size() && isDigit(full[end]))
                ++end;
            appendNumber(cells, full, i, end);
            i = end;
            continue;
        }
        const QChar c = full[i];
        if (isHyphenLookAlike(c) && (numberLike(i - 1) || numberLike(i + 1))) {
            cells.append({u"ー"_s});
            ++i;
            continue;
        }
        // A character beyond the first plane is one cell of two code units.
        const qsizetype length = c.isHighSurrogate() && i + 1 < full.size() ? 2 : 1;
        cells.append({full.mid(i, length)});
        i += length;
    }
    return cells;
}

QString columnString(const ColumnText& cells) {
    QString text;
    for (const ColumnCell& cell : cells)
        text += cell.text;
    return text;
}

QString verticalText(const QString& line) {
    return columnString(verticalColumn(line));
}

} // namespace printing
