#include "app/Gui.h"

#include "about/QtHelpViewer.h"
#include "app/WindowNavigator.h"
#include "book/SharedState.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessages.h"
#include "platform/QtPrinterProvider.h"
#include "platform/QtShell.h"

#include <QApplication>
#include <QTimer>

namespace app {

int runGui(bool quitWhenShown) {
    platform::QtMessages messages;
    platform::QtFileDialogs dialogs;
    about::QtHelpViewer help;
    platform::QtShell shell;
    platform::QtPrinterProvider printers;
    platform::Platform services{messages, dialogs, help, shell, printers};
    book::SharedState state;
    WindowNavigator navigator(state, services);
    navigator.showStart();
    if (quitWhenShown) {
        // Queued behind the expose and paint events of the first frame.
        QTimer::singleShot(0, [&navigator] {
            if (QWidget* start = navigator.current())
                start->repaint();
            QApplication::quit();
        });
    }
    return QApplication::exec();
}

} // namespace app
