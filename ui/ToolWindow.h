#pragma once

#include <QPointer>
#include <QWidget>

namespace ui {

// Shows a print screen's tool window (position dialog, font chooser): the
// one already open is brought to the front, otherwise make() builds a new
// one, which is deleted when it closes and remembered in slot meanwhile.
template <typename Make> void showToolWindow(QPointer<QWidget>& slot, Make make) {
    if (slot) {
        slot->raise();
        slot->activateWindow();
        return;
    }
    QWidget* window = make();
    window->setAttribute(Qt::WA_DeleteOnClose);
    slot = window;
    window->show();
}

} // namespace ui
