#pragma once

#include "about/HelpWindow.h"
#include "platform/HelpViewer.h"

#include <QPointer>

namespace about {

// Shows the built-in help book in a help window of its own, which stays open
// beside the program's windows; a later request turns it to the new topic.
class QtHelpViewer : public platform::HelpViewer {
public:
    ~QtHelpViewer() override;

    // Opens the help window at the contents or at the topic of a context number.
    void showHelp(const QString& helpFile, Command command, int context = 0) override;

    // The help window, or nullptr before the first request or after it was closed.
    HelpWindow* window() const { return m_window; }

private:
    QPointer<HelpWindow> m_window;
};

} // namespace about
