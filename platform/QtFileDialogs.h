#pragma once

#include "platform/FileDialogs.h"

namespace platform {

// The desktop's open and save dialogs (QFileDialog).
class QtFileDialogs : public FileDialogs {
public:
    QString openFile(const FileDialogRequest& request) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
};

} // namespace platform
