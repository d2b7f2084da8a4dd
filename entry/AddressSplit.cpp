#include "entry/AddressSplit.h"

#include <array>
#include <string_view>

namespace entry {

namespace {

using Text = std::u32string_view;

// A name in which 市 or 郡 does not end the municipality where the general
// rule would cut: the literal at a character offset of the rest, and how many
// characters of the rest then make the municipality. Tried in this order.
struct Exception {
    int offset;
    Text literal;
    int length;
};

constexpr std::array<Exception, 11> Exceptions{{
    {1, U"郡市", 3},
    {0, U"今市市", 3},
    {1, U"市郡", 3},
    {1, U"日市市", 4},
    {0, U"八日市場市", 5},
    {0, U"市原市", 3},
    {0, U"蒲郡市", 3},
    {0, U"小郡市", 3},
    {0, U"郡山市", 3},
    {0, U"余市郡", 3},
    {0, U"高市郡", 3},
}};

// 1-based position of the first c, 0 when there is none.
size_t positionOf(Text text, char32_t c) {
    const size_t at = text.find(c);
    return at == Text::npos ? 0 : at + 1;
}

// Characters that make the prefecture: 都, 道 and 府 count only as the third
// character (東京都, 北海道, 大阪府, 京都府), 県 anywhere (神奈川県 ends at 4).
size_t prefectureLength(Text s) {
    for (char32_t marker : {U'都', U'道', U'府'}) {
        if (positionOf(s, marker) == 3)
            return 3;
    }
    return positionOf(s, U'県');
}

// Characters of the rest that make the municipality.
size_t municipalityLength(Text rest) {
    for (const Exception& e : Exceptions) {
        if (rest.size() >= e.offset + e.literal.size() &&
            rest.substr(e.offset, e.literal.size()) == e.literal)
            return e.length;
    }
    // By marker, not by position: a county before a ward, a ward before a
    // city, so 横浜市中区 stays whole on line 1.
    for (char32_t marker : {U'郡', U'区', U'市'}) {
        if (const size_t at = positionOf(rest, marker))
            return at;
    }
    return 0;
}

QString toQString(Text text) {
    return QString::fromUcs4(text.data(), qsizetype(text.size()));
}

} // namespace

SplitLines splitAddress(const QString& address, bool keepPrefecture) {
    const std::u32string characters = address.toStdU32String();
    const Text s(characters);
    const size_t p = prefectureLength(s);
    const Text rest = s.substr(p);
    const size_t c = municipalityLength(rest);
    SplitLines lines;
    lines.line1 = toQString(keepPrefecture ? s.substr(0, p + c) : rest.substr(0, c));
    lines.line2 = toQString(rest.substr(c));
    return lines;
}

} // namespace entry
