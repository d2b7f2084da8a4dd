#pragma once

#include <QString>

namespace app {

// Runs the windows: the start window first. Needs a QApplication. With
// quitWhenShown the program ends once the start window's first frame is
// drawn, so a benchmark can time the start-up. A non-empty bookPath is
// opened in the start window as 開く would.
int runGui(bool quitWhenShown = false, const QString& bookPath = {});

} // namespace app
