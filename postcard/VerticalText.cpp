#include "postcard/VerticalText.h"

#include "printing/FullWidth.h"

namespace postcard {

namespace {

constexpr char16_t KanjiDigits[] = u"〇一二三四五六七八九";

bool isFullWidthDigit(QChar c) {
    return c >= u'０' && c <= u'９';
}

bool isFullWidthLetter(QChar c) {
    return (c >= u'Ａ' && c <= u'Ｚ') || (c >= u'ａ' && c <= u'ｚ');
}

} // namespace

QString verticalText(const QString& line) {
    const QString full = printing::toFullWidth(line);
    auto numberLike = [&](qsizetype i) {
        return i >= 0 && i < full.size() && (isFullWidthDigit(full[i]) || isFullWidthLetter(full[i]));
    };
    QString result;
    result.reserve(full.size());
    for (qsizetype i = 0; i < full.size(); ++i) {
        const QChar c = full[i];
        if (isFullWidthDigit(c))
            result += QChar(KanjiDigits[c.unicode() - u'０']);
        else if (printing::isHyphenLookAlike(c) && (numberLike(i - 1) || numberLike(i + 1)))
            result += u'ー';
        else
            result += c;
    }
    return result;
}

} // namespace postcard
