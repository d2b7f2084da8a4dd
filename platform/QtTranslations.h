#pragma once

#include <QCoreApplication>
#include <QLocale>

namespace platform {

// Loads Qt's own translations (qtbase: file dialogs, message-box buttons, the
// overwrite question) for the locale from Qt's translations folder, so that a
// Japanese desktop shows them in Japanese. False when there are none for it.
bool installQtTranslations(QCoreApplication& application,
                           const QLocale& locale = QLocale::system());

} // namespace platform
