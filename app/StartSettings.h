#pragma once

#include "app/StartView.h"
#include "book/SharedState.h"
#include "book/WriteError.h"

namespace app {

// Reads "Tagora.ini" into SettingsValues and Text1, Text2, Text3.
void readStartSettings(book::SharedState& state, StartView& view);

// Copies Text1, Text2, Text3 into SettingsValues, where the start window
// finds them again when it is shown after another window.
void keepStartSettings(book::SharedState& state, const StartView& view);

// Puts SettingsValues back into Text1, Text2, Text3.
void restoreStartSettings(const book::SharedState& state, StartView& view);

struct SettingsWrite {
    book::WriteResult result;
    // The book's path could not be held by the file (a character code page
    // 932 lacks, or a quote): the rest was written with an empty path.
    bool placeForgotten = false;
};

// Copies Text1, Text2, Text3 into SettingsValues and writes them to
// "Tagora.ini", creating the program's folder when it is missing.
SettingsWrite writeStartSettings(book::SharedState& state, const StartView& view);

} // namespace app
