#pragma once

#include "platform/FileDialogs.h"

#include <QList>
#include <QStringList>

namespace platform {

// Test double: returns scripted paths (an empty one is a cancel) and keeps
// every request. With the script used up it cancels.
class ScriptedFileDialogs : public FileDialogs {
public:
    enum class Kind { Open, Save };
    struct Request {
        Kind kind;
        FileDialogRequest request;
    };

    QString openFile(const FileDialogRequest& request) override;
    // One scripted answer: its paths parted by new lines.
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;

    // filter: the file type the user is said to choose in a save dialog.
    void answer(const QString& path, int filter = 0) {
        m_script << path;
        m_filters << filter;
    }
    const QList<Request>& requests() const { return m_requests; }

private:
    QString next(Kind kind, const FileDialogRequest& request);

    QStringList m_script;
    QList<int> m_filters;
    QList<Request> m_requests;
};

} // namespace platform
