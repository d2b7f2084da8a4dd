#pragma once

#include "platform/HelpViewer.h"

#include <QList>
#include <QString>

namespace platform {

// Test double for the help viewer: keeps every request.
class RecordingHelpViewer : public HelpViewer {
public:
    struct Request {
        QString helpFile;
        Command command;
        int context;
    };

    void showHelp(const QString& helpFile, Command command, int context) override {
        m_requests.append({helpFile, command, context});
    }
    const QList<Request>& requests() const { return m_requests; }

private:
    QList<Request> m_requests;
};

// Test double for the shell: opens nothing and says it did.
class RecordingShell : public Shell {
public:
    bool openUrl(const QString&) override { return true; }
};

} // namespace platform
