#pragma once

#include "platform/HelpViewer.h"

#include <QList>
#include <QStringList>

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

// Test double for the shell: keeps every address opened.
class RecordingShell : public Shell {
public:
    bool openUrl(const QString& url) override {
        m_urls << url;
        return m_succeeds;
    }
    const QStringList& urls() const { return m_urls; }
    void setSucceeds(bool succeeds) { m_succeeds = succeeds; }

private:
    QStringList m_urls;
    bool m_succeeds = true;
};

} // namespace platform
