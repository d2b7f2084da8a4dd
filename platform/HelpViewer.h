#pragma once

#include <QString>

namespace platform {

// Opens the help book at its contents or at a topic.
class HelpViewer {
public:
    enum class Command { Contents, Context };

    virtual ~HelpViewer() = default;

    // helpFile is the help book's name ("Tagora.hlp"); context is the topic
    // number for Command::Context and ignored for Contents.
    virtual void showHelp(const QString& helpFile, Command command, int context = 0) = 0;
};

// The shell's "open" of a web address in the desktop's browser.
class Shell {
public:
    virtual ~Shell() = default;

    // False when no browser could be started.
    virtual bool openUrl(const QString& url) = 0;
};

} // namespace platform
