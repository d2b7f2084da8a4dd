#include "about/QtHelpViewer.h"

#include "about/HelpTopics.h"

namespace about {

QtHelpViewer::~QtHelpViewer() {
    delete m_window;
}

void QtHelpViewer::showHelp(const QString& helpFile, Command command, int context) {
    // The program has one help book, built in; helpFile names it ("Tagora.hlp").
    (void)helpFile;
    if (!m_window) {
        m_window = new HelpWindow;
        m_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_window->showPage(helpPage(command, context));
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

} // namespace about
