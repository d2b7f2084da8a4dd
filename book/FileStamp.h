#pragma once

#include <QByteArray>
#include <QString>

namespace book {

// What a book file was when this run last read or wrote it: enough to tell
// that another window or program has changed it since. The modification time
// is left out: a rewrite with the same bytes changes nothing worth asking about.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QByteArray sha256;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of a file whose bytes were just read from, or written to, path.
FileStamp stampOf(const QString& path, const QByteArray& bytes);

// True when the file at path is no longer what stamp recorded: another size
// or content, or it was removed or created since.
bool changedSince(const QString& path, const FileStamp& stamp);

} // namespace book
