#pragma once

namespace app {

// Runs the windows: the start window first. Needs a QApplication.
int runGui();

} // namespace app
