#pragma once

class QWidget;

namespace entry {

// Puts the window in the middle of its screen: left = (screen width −
// window width) / 2 in whole pixels, top likewise.
void centreWindow(QWidget* window);

} // namespace entry
