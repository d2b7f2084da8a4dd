#include "printing/AddressBreaks.h"

#include "printing/FullWidth.h"

using namespace Qt::StringLiterals;

namespace printing {

namespace {

bool isSpace(QChar c) {
    return c == u' ' || c == u'　';
}

bool isDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

bool isKanjiNumeral(QChar c) {
    return QStringView(u"一二三四五六七八九十〇").contains(c);
}

// Characters that still belong to the house number when they follow a digit.
bool continuesNumber(QChar c) {
    return isDigit(c) || isKanjiNumeral(c) || isHyphenLookAlike(c) || isSpace(c) ||
           QStringView(u"丁目番地号条の之FfＦｆ階").contains(c);
}

} // namespace

QList<qsizetype> addressBreaks(const QString& line) {
    QList<qsizetype> breaks;
    auto add = [&](qsizetype at) {
        // Never at either end, and once per place.
        if (at > 0 && at < line.size() && (breaks.isEmpty() || breaks.back() != at))
            breaks.append(at);
    };
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QChar before = line[i - 1];
        const QChar c = line[i];
        if (isSpace(c) && !isSpace(before)) {
            add(i);
            continue;
        }
        if (isSpace(c) || isSpace(before))
            continue;
        const QStringView head = QStringView(line).left(i);
        const bool afterBlock = head.endsWith(u"丁目") || head.endsWith(u"番地");
        // 号館, 号棟 and 号室 name one place: no break inside them.
        const bool afterNumber = (before == u'号' && !QStringView(u"館棟室").contains(c)) ||
                                 (before == u'番' && c != u'地');
        if (!isHyphenLookAlike(c) && (afterBlock || (afterNumber && !isDigit(c)))) {
            add(i);
            continue;
        }
        // A building name after the number: "1-2-3グランドメゾン".
        if (isDigit(before) && !continuesNumber(c))
            add(i);
    }
    return breaks;
}

std::pair<QString, QString> splitAt(const QString& line, qsizetype breakIndex) {
    QString head = line.left(breakIndex);
    QString tail = line.mid(breakIndex);
    while (!head.isEmpty() && isSpace(head.back()))
        head.chop(1);
    while (!tail.isEmpty() && isSpace(tail.front()))
        tail.remove(0, 1);
    return {head, tail};
}

} // namespace printing
