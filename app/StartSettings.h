#pragma once

#include "app/StartView.h"
#include "book/SharedState.h"
#include "book/WriteError.h"

namespace app {

// Reads "Tagora.ini" into SettingsValues and Text1, Text2, Text3.
void readStartSettings(book::SharedState& state, StartView& view);

// Copies Text1, Text2, Text3 into SettingsValues and writes them to
// "Tagora.ini", creating the program's folder when it is missing.
book::WriteResult writeStartSettings(book::SharedState& state, const StartView& view);

} // namespace app
