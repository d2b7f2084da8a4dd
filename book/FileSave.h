#pragma once

#include "book/WriteError.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace book {

// Replaces the file with bytes so that any failure leaves the old file as
// it was. The new file keeps the old one's mode, owner and group (as far as
// the user may set them), access ACL and user.* extended attributes. A file
// with one name is replaced by a temporary file beside it renamed over it;
// a file with several hard links is written in place after a backup copy
// beside it, which is put back on failure, so every name sees the new bytes.
// Temporaries and backups left by an earlier save of the same file that was
// killed are cleared first. A symbolic link is kept and its target replaced.
// Saves of files in one folder, by this or any other run of the program,
// take turns: a save waits up to 10 seconds for another to end and then
// fails, saying so.
WriteResult saveFileBytes(const QString& path, const QByteArray& bytes);

// Creates a new file with bytes the way saveFileBytes saves one, only where
// no file has the name: when a file is there, or another program creates
// one meanwhile, nothing is written and the error is WriteError::Exists.
WriteResult createFileBytes(const QString& path, const QByteArray& bytes);

struct FileToSave {
    QString path;
    QByteArray bytes;
};

enum class SaveMode {
    Replace,   // as saveFileBytes
    CreateNew, // as createFileBytes, for every file of the set
};

// Saves several files as one: every target is checked first (for CreateNew,
// that none exists), then every new file is written whole beside its
// target, and only then do they take their names, one right after another.
// A failure before the renames leaves every file as it was; the error's
// path names the file that failed.
WriteResult saveFileSet(const QList<FileToSave>& files, SaveMode mode);

} // namespace book
