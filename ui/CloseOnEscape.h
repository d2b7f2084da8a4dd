#pragma once

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace ui {

// Escape does what the window's close box does (which asks what 戻る asks).
inline void closeOnEscape(QWidget* window) {
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), window), &QShortcut::activated,
                     window, &QWidget::close);
}

} // namespace ui
