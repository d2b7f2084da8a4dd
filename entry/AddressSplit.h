#pragma once

#include <QString>

namespace entry {

// The message shown when there is no one-line address to split.
inline constexpr char16_t NoAddressText[] = u"入力データがありません！";

// The two address lines a one-line address is cut into.
struct SplitLines {
    QString line1; // prefecture (when kept) and municipality
    QString line2; // the rest: town, block, number
};

// Cuts a one-line Japanese address into its two lines. The prefecture ends
// at 都, 道 or 府 in the third character or at the first 県 anywhere; the
// municipality is found by a short list of names containing 市 or 郡, then by
// the first 郡, else the first 区, else the first 市. With keepPrefecture
// false the prefecture is left off line 1 (it never reaches line 2).
// Positions and lengths count characters (code points), not UTF-16 units.
SplitLines splitAddress(const QString& address, bool keepPrefecture);

} // namespace entry
