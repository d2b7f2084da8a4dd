#include "book/FileSave.h"

#include "book/FileAttributes.h"
#include "book/FileDescriptor.h"
#include "book/FileName.h"
#include "book/SideFiles.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <memory>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace book {

namespace {

// The file a save replaces: the final target of a symbolic link, so that
// the link stays a link. Links are read as bytes: any name a link holds
// comes back as it is.
QString saveTarget(const QString& path) {
    QString target = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        const QByteArray name = fileNameBytes(target);
        if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            break;
        char link[PATH_MAX];
        const ssize_t length = ::readlink(name.constData(), link, sizeof link);
        if (length <= 0 || size_t(length) >= sizeof link)
            break;
        const QString text = fileNameText(QByteArray(link, length));
        target = text.startsWith(u'/') ? text : QFileInfo(target).absolutePath() + u'/' + text;
    }
    return target;
}

// Puts the bytes of a backup left by a killed in-place save back into the
// file, which that save may have left cut off, and removes the backup. The
// name is known, so anyone who may write the folder could plant something
// there: it is opened without following a link or waiting on a pipe, and
// only a regular file of this user with one name counts as a backup.
bool restoreStaleBackup(int dir, const QByteArray& name, const SideFiles& side, QString* reason) {
    int code = 0;
    FileDescriptor backup(::openat(dir, side.backupName().constData(),
                                   O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat info {};
    if (!backup.isOpen() || ::fstat(backup.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != ::geteuid() || info.st_nlink != 1)
        return true; // not a backup this program wrote: the next backup replaces it
    QByteArray bytes;
    if (!readAll(backup.get(), &bytes, &code)) {
        *reason = u"cannot be written: its backup from an earlier save cannot be read: "_s +
                  systemError(code);
        return false;
    }
    FileDescriptor file(
        ::openat(dir, name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.isOpen() && (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))) {
        *reason = u"cannot be created: "_s + notAFile(info.st_mode);
        return false;
    }
    if (file.isOpen() && !overwrite(file.get(), bytes, &code)) {
        *reason = u"cannot be written: "_s + systemError(code);
        return false;
    }
    if (!file.isOpen() && errno != ENOENT) {
        *reason = u"cannot be created: "_s + systemError(errno);
        return false;
    }
    side.removeBackup();
    return true;
}

// Writes bytes to a new temporary file beside the target and syncs it; its
// name goes to *temporary. old is null for a new file.
bool writeTemporary(int dir, const QByteArray& oldPath, const struct stat* old,
                    const SideFiles& side, const QByteArray& bytes, QByteArray* temporary,
                    QString* reason) {
    // A new file gets the mode the umask leaves; a replacement starts private
    // and takes the old file's mode once it has the old file's owner.
    FileDescriptor fd(side.createTemporary(old ? 0600 : 0666, temporary));
    if (!fd.isOpen()) {
        *reason = u"cannot be created: "_s + systemError(errno);
        return false;
    }
    auto discard = [&](const QString& why) {
        fd.reset(-1);
        ::unlinkat(dir, temporary->constData(), 0);
        temporary->clear();
        *reason = why;
        return false;
    };
    QString why;
    if (old && !copyMetadata(oldPath, *old, fd.get(), &why))
        return discard(u"cannot be created: "_s + why);
    int code = 0;
    if (!writeAll(fd.get(), bytes, &code))
        return discard(u"cannot be written: "_s + systemError(code));
    if (::fsync(fd.get()) != 0 || !fd.close())
        return discard(u"cannot be written: "_s + systemError(errno));
    return true;
}

// Gives a written temporary the target's name, only where no file has it:
// of two programs creating one file, one wins and the other gets EEXIST.
bool renameIfAbsent(int dir, const QByteArray& temporary, const QByteArray& name) {
    if (::renameat2(dir, temporary.constData(), dir, name.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without RENAME_NOREPLACE: a second hard link is as exclusive.
    if (::linkat(dir, temporary.constData(), dir, name.constData(), 0) != 0)
        return false;
    ::unlinkat(dir, temporary.constData(), 0);
    return true;
}

// Writes a file with several names in place, so that every name sees the
// new bytes, after a backup copy beside it that is put back on failure.
bool writeInPlace(int dir, const QByteArray& name, const SideFiles& side, const QByteArray& bytes,
                  QString* reason) {
    FileDescriptor fd(::openat(dir, name.constData(), O_RDWR | O_CLOEXEC | O_NOCTTY));
    if (!fd.isOpen()) {
        *reason = u"cannot be created: "_s + systemError(errno);
        return false;
    }
    QByteArray old;
    int code = 0;
    if (!readAll(fd.get(), &old, &code)) {
        *reason = u"cannot be backed up: "_s + systemError(code);
        return false;
    }
    if (!side.writeBackup(old, reason))
        return false;
    bool written = overwrite(fd.get(), bytes, &code);
    if (written && !fd.close()) {
        code = errno;
        written = false;
    }
    if (written) {
        side.removeBackup();
        return true;
    }
    *reason = u"cannot be written: "_s + systemError(code);
    if (!fd.isOpen())
        fd.reset(::openat(dir, name.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    int restoreCode = 0;
    if (fd.isOpen() && overwrite(fd.get(), old, &restoreCode) && fd.close()) {
        side.removeBackup();
        return false;
    }
    *reason += u"; the old bytes are kept in "_s + fileNameText(side.backupName());
    return false;
}

// How long a save waits for another program's save in the same folder.
constexpr int FolderLockWaitMs = 10000;

// Takes the folder's save lock, waiting up to FolderLockWaitMs; false when
// another save holds it all that time. Where the file system has no locks,
// the save goes on without one.
bool lockFolder(int dir) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (::flock(dir, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return true;
        if (waited.elapsed() > FolderLockWaitMs)
            return false;
        ::usleep(10000);
    }
}

// One file of a save: where it goes, what is there now and the temporary
// that will take its place (none for a hard-linked file written in place).
struct PendingFile {
    const FileToSave* file = nullptr;
    int dir = -1;
    QByteArray name;
    QByteArray oldPath;
    bool exists = false;
    struct stat old {};
    std::optional<SideFiles> side;
    QByteArray temporary;

    bool inPlace() const { return exists && old.st_nlink > 1; }
};

// A folder of a save, opened and locked once however many files go into it.
struct LockedFolder {
    dev_t device = 0;
    ino_t inode = 0;
    std::unique_ptr<FileDescriptor> fd;
};

WriteResult failure(const QString& path, const QString& reason,
                    WriteError::Kind kind = WriteError::Io) {
    WriteResult result;
    result.error.kind = kind;
    result.error.path = path;
    result.error.reason = reason;
    return result;
}

} // namespace

WriteResult saveFileSet(const QList<FileToSave>& files, SaveMode mode) {
    std::vector<LockedFolder> folders;
    std::vector<PendingFile> pending(size_t(files.size()));
    auto discardTemporaries = [&] {
        for (PendingFile& one : pending)
            if (!one.temporary.isEmpty())
                ::unlinkat(one.dir, one.temporary.constData(), 0);
    };

    // Every target is looked at, under its folder's lock, before a byte is written.
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& path = files.at(i).path;
        PendingFile& one = pending[size_t(i)];
        one.file = &files.at(i);
        const QFileInfo target(saveTarget(path));
        one.name = fileNameBytes(target.fileName());
        one.oldPath = fileNameBytes(target.absoluteFilePath());
        if (one.name.isEmpty())
            return failure(path, u"cannot be created: no file name"_s);
        auto dir = std::make_unique<FileDescriptor>(::open(
            fileNameBytes(target.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        struct stat folder {};
        if (!dir->isOpen() || ::fstat(dir->get(), &folder) != 0)
            return failure(path, u"cannot be created: "_s + systemError(errno));
        auto same = std::find_if(folders.begin(), folders.end(), [&](const LockedFolder& known) {
            return known.device == folder.st_dev && known.inode == folder.st_ino;
        });
        if (same == folders.end()) {
            if (!lockFolder(dir->get()))
                return failure(path,
                               u"cannot be saved: another program has been saving a file in its "
                               u"folder for %1 seconds; try again"_s.arg(FolderLockWaitMs / 1000));
            folders.push_back({folder.st_dev, folder.st_ino, std::move(dir)});
            same = folders.end() - 1;
        }
        one.dir = same->fd->get();
        one.exists = ::fstatat(one.dir, one.name.constData(), &one.old, 0) == 0;
        if (!one.exists && errno != ENOENT)
            return failure(path, u"cannot be created: "_s + systemError(errno));
        if (one.exists && mode == SaveMode::CreateNew)
            return failure(path, u"already exists"_s, WriteError::Exists);
        if (one.exists && !S_ISREG(one.old.st_mode))
            return failure(path, u"cannot be created: "_s + notAFile(one.old.st_mode));
        if (one.exists && ::faccessat(one.dir, one.name.constData(), W_OK, AT_EACCESS) != 0)
            return failure(path,
                           u"cannot be created: Existing file %1 is not writable"_s.arg(path));
        for (qsizetype j = 0; j < i; ++j)
            if (pending[size_t(j)].dir == one.dir && pending[size_t(j)].name == one.name)
                return failure(path, u"cannot be saved: it is named twice in one save"_s);
        one.side.emplace(one.dir, one.name);
        QString reason;
        if (one.side->removeStaleTemporaries() &&
            !restoreStaleBackup(one.dir, one.name, *one.side, &reason))
            return failure(path, reason);
    }

    // Then every new file is written whole beside its target...
    for (PendingFile& one : pending) {
        if (one.inPlace())
            continue;
        QString reason;
        if (!writeTemporary(one.dir, one.oldPath, one.exists ? &one.old : nullptr, *one.side,
                            one.file->bytes, &one.temporary, &reason)) {
            discardTemporaries();
            return failure(one.file->path, reason);
        }
    }

    // ...and only then do they take their names, one right after another, so
    // that a kill leaves the old set or the new one but for a moment's renames.
    for (size_t i = 0; i < pending.size(); ++i) {
        PendingFile& one = pending[i];
        QString reason;
        bool done = false;
        if (one.inPlace()) {
            done = writeInPlace(one.dir, one.name, *one.side, one.file->bytes, &reason);
        } else if (mode == SaveMode::CreateNew) {
            done = renameIfAbsent(one.dir, one.temporary, one.name);
            if (!done && errno == EEXIST) {
                // Another program created it since the look: what this save created goes again.
                for (size_t j = 0; j < i; ++j)
                    ::unlinkat(pending[j].dir, pending[j].name.constData(), 0);
                discardTemporaries();
                return failure(one.file->path, u"already exists"_s, WriteError::Exists);
            }
            reason = u"cannot be saved: "_s + systemError(errno);
        } else {
            done =
                ::renameat(one.dir, one.temporary.constData(), one.dir, one.name.constData()) == 0;
            reason = u"cannot be saved: "_s + systemError(errno);
        }
        if (!done) {
            discardTemporaries();
            return failure(one.file->path, reason);
        }
        one.temporary.clear();
    }
    // The new bytes are in place; a folder that cannot be synced (some file
    // systems refuse) is no reason to call the save failed.
    for (const LockedFolder& folder : folders)
        ::fsync(folder.fd->get());
    return {};
}

WriteResult saveFileBytes(const QString& path, const QByteArray& bytes) {
    return saveFileSet({{path, bytes}}, SaveMode::Replace);
}

WriteResult createFileBytes(const QString& path, const QByteArray& bytes) {
    return saveFileSet({{path, bytes}}, SaveMode::CreateNew);
}

} // namespace book
