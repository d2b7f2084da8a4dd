#include "app/Gui.h"

#include "about/QtHelpViewer.h"
#include "app/WindowNavigator.h"
#include "app/frmStart.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessages.h"
#include "platform/QtPrintDialog.h"
#include "platform/QtPrinterProvider.h"
#include "platform/QtShell.h"
#include "session/SessionState.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

namespace app {

namespace {

// The program's icon on every window and in the task bar: the installed theme
// icon where there is one, else the sizes built into the program.
QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 64, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/tagora.png").arg(size));
    return QIcon::fromTheme(QStringLiteral("tagora"), icon);
}

} // namespace

int runGui(bool quitWhenShown, const QString& bookPath) {
    QApplication::setWindowIcon(programIcon());
    // Matches the desktop file, so the task bar finds its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.example.tagora"));
    platform::QtMessages messages;
    platform::QtFileDialogs dialogs;
    about::QtHelpViewer help;
    platform::QtShell shell;
    platform::QtPrinterProvider printers;
    platform::QtPrintDialog printDialog(printers);
    platform::Platform services{messages, dialogs, help, shell, printers, printDialog};
    session::SessionState state;
    WindowNavigator navigator(state, services);
    navigator.showStart();
    if (!bookPath.isEmpty()) {
        if (auto* start = qobject_cast<frmStart*>(navigator.current()))
            start->openBook(bookPath);
    }
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
