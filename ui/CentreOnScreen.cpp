#include "ui/CentreOnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

QPoint centredTopLeft(const QRect& area, const QSize& window) {
    return {area.left() + std::max(0, (area.width() - window.width()) / 2),
            area.top() + std::max(0, (area.height() - window.height()) / 2)};
}

void centreOnScreen(QWidget* window) {
    const QWidget* opener = window->parentWidget() ? window->parentWidget()->window() : window;
    const QScreen* screen = opener->screen() ? opener->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->move(centredTopLeft(screen->availableGeometry(), window->frameGeometry().size()));
}

} // namespace ui
