#include "postcard/VerticalText.h"

#include "labels/FullWidth.h"

namespace postcard {

namespace {

constexpr char16_t KanjiDigits[] = u"〇一二三四五六七八九";

bool isFullWidthDigit(QChar c) {
    return c >= u'０' && c <= u'９';
}

bool isFullWidthLetter(QChar c) {
    return (c >= u'Ａ' && c <= u'Ｚ') || (c >= u'ａ' && c <= u'ｚ');
}

// The dashes an address writes between numbers: hyphen-minus (made full
// width), hyphen, minus, figure and en dashes, the horizontal bar, the long
// vowel mark.
bool isDash(QChar c) {
    switch (c.unicode()) {
    case 0xFF0D: // －
    case 0x2010: // ‐
    case 0x2011: // non-breaking hyphen
    case 0x2012: // figure dash
    case 0x2013: // –
    case 0x2014: // —
    case 0x2015: // ―
    case 0x2212: // −
    case 0x30FC: // ー
        return true;
    default:
        return false;
    }
}

} // namespace

QString verticalText(const QString& line) {
    const QString full = labels::toFullWidth(line);
    auto numberLike = [&](qsizetype i) {
        return i >= 0 && i < full.size() && (isFullWidthDigit(full[i]) || isFullWidthLetter(full[i]));
    };
    QString result;
    result.reserve(full.size());
    for (qsizetype i = 0; i < full.size(); ++i) {
        const QChar c = full[i];
        if (isFullWidthDigit(c))
            result += QChar(KanjiDigits[c.unicode() - u'０']);
        else if (isDash(c) && (numberLike(i - 1) || numberLike(i + 1)))
            result += u'ー';
        else
            result += c;
    }
    return result;
}

} // namespace postcard
