#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

// Top-left, in global pixels, that puts a window of size window in the middle
// of area (a screen's available geometry, origin included). A window wider or
// taller than area starts at area's left or top edge, so its title bar stays
// on the screen.
QPoint centredTopLeft(const QRect& area, const QSize& window);

// Moves window to the middle of its screen's available area: the screen of
// the window it was opened from, or its own.
void centreOnScreen(QWidget* window);

} // namespace ui
