#include "platform/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace platform {

namespace {

QString startPath(const FileDialogRequest& request) {
    if (request.proposedName.isEmpty())
        return request.initialFolder;
    if (QDir::isAbsolutePath(request.proposedName) || request.initialFolder.isEmpty())
        return request.proposedName;
    return QDir(request.initialFolder).filePath(request.proposedName);
}

} // namespace

QString QtFileDialogs::openFile(const FileDialogRequest& request) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title,
                                        startPath(request), qtFilter(request.filter));
}

QStringList QtFileDialogs::openFiles(const FileDialogRequest& request) {
    return QFileDialog::getOpenFileNames(QApplication::activeWindow(), request.title,
                                         startPath(request), qtFilter(request.filter));
}

QString QtFileDialogs::saveFile(const FileDialogRequest& request) {
    const QFileDialog::Options options =
        request.overwritePrompt ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title,
                                        startPath(request), qtFilter(request.filter), nullptr,
                                        options);
}

} // namespace platform
