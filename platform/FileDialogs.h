#pragma once

#include <QString>
#include <QStringList>

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
    // When set, receives the 0-based file type the user chose (0 if unknown).
    int* chosenFilter = nullptr;
};

// The platform's open and save dialogs. Each returns the chosen path, or an
// empty text when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual QString openFile(const FileDialogRequest& request) = 0;
    // An open dialog that takes several files at once; empty when cancelled.
    virtual QStringList openFiles(const FileDialogRequest& request) = 0;
    virtual QString saveFile(const FileDialogRequest& request) = 0;
};

// Where a file dialog starts: the folder of the open book's file when it has
// one (bookPath names an existing file), else the user's documents folder,
// else the home folder. Never a folder that does not exist, where a dialog
// would fall back to the working directory with the folder's name typed in.
QString dialogStartFolder(const QString& bookPath);

// "desc|*.dat|desc2|*.csv" as Qt writes filters: "desc (*.dat);;desc2 (*.csv)".
QString qtFilter(const QString& filter);

} // namespace platform
