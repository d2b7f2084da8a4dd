#include "app/Gui.h"

#include "about/QtHelpViewer.h"
#include "app/WindowNavigator.h"
#include "book/SharedState.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessages.h"
#include "platform/QtPrinterProvider.h"
#include "platform/QtShell.h"

#include <QApplication>

namespace app {

int runGui() {
    platform::QtMessages messages;
    platform::QtFileDialogs dialogs;
    about::QtHelpViewer help;
    platform::QtShell shell;
    platform::QtPrinterProvider printers;
    platform::Platform services{messages, dialogs, help, shell, printers};
    book::SharedState state;
    WindowNavigator navigator(state, services);
    navigator.showStart();
    return QApplication::exec();
}

} // namespace app
