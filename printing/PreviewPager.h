#pragma once

#include <QString>

namespace printing {

// Which entry a print screen's preview shows, and where ＜ and ＞ take it.
// The preview pages through the first hundred entries only; printing still
// covers them all.
struct PreviewPager {
    // What a step did; the screen tells the user at either end.
    enum class Step { Moved, AtFirst, AtLast, Stopped };

    int CurrentEntry = 0; // the entry shown, from 0
    int EntryCount = 0;

    // ＜: one entry back, or AtFirst on the first entry.
    Step back();
    // ＞: one entry on; Stopped on the hundredth entry, AtLast on the last.
    Step forward();
    // The position label's text, "k/n".
    QString position() const;
};

} // namespace printing
