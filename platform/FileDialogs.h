#pragma once

#include <QString>

namespace platform {

// What an open or save dialog is given.
struct FileDialogRequest {
    QString title;
    // File types as "description|pattern|description|pattern".
    QString filter;
    QString initialFolder;
    QString proposedName;
    // Save dialogs: ask before replacing an existing file.
    bool overwritePrompt = true;
};

// The platform's open and save dialogs. Each returns the chosen path, or an
// empty text when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual QString openFile(const FileDialogRequest& request) = 0;
    virtual QString saveFile(const FileDialogRequest& request) = 0;
};

// "desc|*.dat|desc2|*.csv" as Qt writes filters: "desc (*.dat);;desc2 (*.csv)".
QString qtFilter(const QString& filter);

} // namespace platform
