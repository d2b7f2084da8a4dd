#pragma once

#include "app/StartView.h"
#include "book/WriteError.h"
#include "session/SessionState.h"

namespace app {

// Reads "Tagora.ini" into the shared state's SettingsValues and the view.
void readStartSettings(session::SessionState& state, StartView& view);

// Copies the view's settings into the shared state, where the start window
// finds them again when it is shown after another window.
void keepStartSettings(session::SessionState& state, const StartView& view);

// Puts the shared state's settings back into the view.
void restoreStartSettings(const session::SessionState& state, StartView& view);

struct SettingsWrite {
    book::WriteResult result;
    // The book's path could not be held by the file (a character code page
    // 932 lacks, or a quote): the rest was written with an empty path.
    bool placeForgotten = false;
};

// Copies the view's settings into the shared state and writes them to
// "Tagora.ini", creating the program's folder when it is missing.
SettingsWrite writeStartSettings(session::SessionState& state, const StartView& view);

} // namespace app
