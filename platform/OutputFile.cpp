#include "platform/OutputFile.h"

#include "book/FileBytes.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

book::WriteResult failed(const QString& path, const QString& reason) {
    book::WriteResult result;
    result.error.kind = book::WriteError::Io;
    result.error.path = path;
    result.error.reason = reason;
    return result;
}

// A device cannot be replaced by renaming a file over it (as root that would
// put a plain file in place of /dev/full), so it gets the bytes themselves.
book::WriteResult writeDirectly(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(path, u"cannot be opened: "_s + file.errorString());
    if (file.write(bytes) != bytes.size())
        return failed(path, u"cannot be written: "_s + file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return failed(path, u"cannot be closed: "_s + file.errorString());
    return {};
}

} // namespace

book::WriteResult writeOutputFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeDirectly(path, bytes);
    return book::saveFileBytes(path, bytes);
}

} // namespace platform
