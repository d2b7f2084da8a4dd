#include "platform/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

#include <algorithm>

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
    const QString filters = qtFilter(request.filter);
    QString selected;
    const QString path =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title,
                                     startPath(request), filters, &selected, options);
    if (request.chosenFilter)
        *request.chosenFilter =
            std::max<int>(0, int(filters.split(QStringLiteral(";;")).indexOf(selected)));
    return path;
}

} // namespace platform
