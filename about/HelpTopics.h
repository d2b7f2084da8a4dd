#pragma once

#include "platform/HelpViewer.h"

#include <QString>
#include <QStringList>

namespace about {

// The help book built into the program, as pages of a Qt resource.
// Context numbers: 8 the label and postcard print screens, 9 the font
// chooser, 12 the address list sheet; any other number opens the contents.

// Resource address of the page for a help request ("qrc:/help/index.html").
QString helpPage(platform::HelpViewer::Command command, int context);

// Every page of the help book, contents first.
QStringList helpPages();

} // namespace about
