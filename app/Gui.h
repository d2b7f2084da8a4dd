#pragma once

namespace app {

// Runs the windows: the start window first. Needs a QApplication. With
// quitWhenShown the program ends once the start window's first frame is
// drawn, so a benchmark can time the start-up.
int runGui(bool quitWhenShown = false);

} // namespace app
