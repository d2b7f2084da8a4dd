#include "book/FileBytes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace book {

std::optional<QByteArray> readFileBytes(const QString& path, ReadError* error) {
    auto fail = [&](ReadError::Kind kind, const QString& reason) -> std::optional<QByteArray> {
        if (error)
            *error = ReadError{kind, path, 0, 0, reason};
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return fail(ReadError::Missing, u"no such file"_s);
    if (info.isDir())
        return fail(ReadError::Unreadable, u"is a folder, not a file"_s);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(ReadError::Unreadable, u"cannot be opened: "_s + file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(ReadError::Unreadable, u"cannot be read: "_s + file.errorString());
    return bytes;
}

WriteResult saveFileBytes(const QString& path, const QByteArray& bytes) {
    auto fail = [&](const QString& reason) {
        WriteResult result;
        result.error.kind = WriteError::Io;
        result.error.path = path;
        result.error.reason = reason;
        return result;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(u"cannot be created: "_s + file.errorString());
    // Qt 6.4's commit() ignores a failed flush of its write buffer (disk
    // full, size limit) and renames the cut-off file over the old one, so
    // flush here and give up before the rename.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // The buffered write loses its reason ("Unknown error"); the system's is still in errno.
        const int code = errno;
        QString why = file.errorString();
        if (code != 0 && (why.isEmpty() || why == u"Unknown error"_s))
            why = qt_error_string(code);
        const QString reason = u"cannot be written: "_s + why;
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(u"cannot be saved: "_s + file.errorString());
    return {};
}

} // namespace book
