#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace book {

// What a book file was when this run last read or wrote it: enough to tell
// that another window or program has changed it since.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    QByteArray sha256;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of a file whose bytes were just read from, or written to, path.
FileStamp stampOf(const QString& path, const QByteArray& bytes);

// True when the file at path is no longer what stamp recorded: another size,
// time or content, or it was removed or created since.
bool changedSince(const QString& path, const FileStamp& stamp);

} // namespace book
