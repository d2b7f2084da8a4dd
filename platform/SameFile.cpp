#include "platform/SameFile.h"

#include "book/FileName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace platform {

namespace {

// The absolute path with its folder's symlinks resolved; the name itself is
// kept as written because the file may not exist.
QString resolvedPath(const QString& path) {
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return QDir::cleanPath(info.absoluteFilePath());
    return QDir(folder).filePath(info.fileName());
}

} // namespace

bool sameFile(const QString& first, const QString& second) {
    if (first.isEmpty() || second.isEmpty())
        return false;
    struct stat a {};
    struct stat b {};
    const bool firstExists = ::stat(book::fileNameBytes(first).constData(), &a) == 0;
    const bool secondExists = ::stat(book::fileNameBytes(second).constData(), &b) == 0;
    if (firstExists && secondExists)
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    if (firstExists != secondExists)
        return false;
    return resolvedPath(first) == resolvedPath(second);
}

} // namespace platform
