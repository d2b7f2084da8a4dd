#include "platform/ScriptedFileDialogs.h"

namespace platform {

QString ScriptedFileDialogs::openFile(const FileDialogRequest& request) {
    return next(Kind::Open, request);
}

QStringList ScriptedFileDialogs::openFiles(const FileDialogRequest& request) {
    return next(Kind::Open, request).split(u'\n', Qt::SkipEmptyParts);
}

QString ScriptedFileDialogs::saveFile(const FileDialogRequest& request) {
    return next(Kind::Save, request);
}

QString ScriptedFileDialogs::next(Kind kind, const FileDialogRequest& request) {
    m_requests.append({kind, request});
    if (m_script.isEmpty())
        return QString();
    const int filter = m_filters.takeFirst();
    if (request.chosenFilter)
        *request.chosenFilter = filter;
    return m_script.takeFirst();
}

} // namespace platform
