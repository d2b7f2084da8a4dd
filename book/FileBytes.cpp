#include "book/FileBytes.h"

#include "book/FileName.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <acl/libacl.h>
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/acl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace book {

namespace {

// A file descriptor closed when it goes out of scope; close() reports the
// close's error, the last place a file system may report a failed write.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    void reset(int fd) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int m_fd;
};

QString systemError(int code) {
    return qt_error_string(code);
}

// "is a named pipe, not a file" for whatever is not a regular file.
QString notAFile(mode_t mode) {
    if (S_ISDIR(mode))
        return u"is a folder, not a file"_s;
    if (S_ISFIFO(mode))
        return u"is a named pipe, not a file"_s;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return u"is a device, not a file"_s;
    if (S_ISSOCK(mode))
        return u"is a socket, not a file"_s;
    return u"is not a regular file"_s;
}

QString tooLarge(qint64 size) {
    return u"is too large: %1 bytes, more than %2 MB"_s.arg(size).arg(MaxFileBytes >> 20);
}

// Writes all of bytes from offset 0, going on after short writes.
bool writeAll(int fd, const QByteArray& bytes, int* code) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *code = n < 0 ? errno : EIO;
            return false;
        }
        done += n;
    }
    return true;
}

// The whole of an open file from offset 0.
bool readAll(int fd, QByteArray* bytes, int* code) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        *code = errno;
        return false;
    }
    bytes->resize(qsizetype(info.st_size));
    qsizetype done = 0;
    for (;;) {
        if (done == bytes->size())
            bytes->resize(done + 65536);
        const ssize_t n = ::pread(fd, bytes->data() + done, size_t(bytes->size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *code = errno;
            return false;
        }
        if (n == 0)
            break;
        done += n;
    }
    bytes->resize(done);
    return true;
}

// Writes bytes over an open file in place and cuts it to their length; the
// new bytes go first so that a failure never needs more room than was there.
bool overwrite(int fd, const QByteArray& bytes, int* code) {
    if (!writeAll(fd, bytes, code))
        return false;
    if (::ftruncate(fd, off_t(bytes.size())) != 0 || ::fsync(fd) != 0) {
        *code = errno;
        return false;
    }
    return true;
}

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

// Copies the user.* extended attributes of the file at path to fd; other
// namespaces belong to the system (ACLs, security labels) or need root.
bool copyUserAttributes(const QByteArray& path, int fd, QString* why) {
    QByteArray names;
    for (;;) {
        const ssize_t size = ::listxattr(path.constData(), nullptr, 0);
        if (size < 0) {
            if (errno == ENOTSUP)
                return true;
            *why = u"its extended attributes cannot be read: "_s + systemError(errno);
            return false;
        }
        names.resize(size);
        const ssize_t got = ::listxattr(path.constData(), names.data(), size_t(names.size()));
        if (got >= 0) {
            names.resize(got);
            break;
        }
        if (errno != ERANGE) {
            *why = u"its extended attributes cannot be read: "_s + systemError(errno);
            return false;
        }
    }
    for (const QByteArray& name : names.split('\0')) {
        if (!name.startsWith("user."))
            continue;
        QByteArray value;
        ssize_t got = -1;
        do {
            const ssize_t size = ::getxattr(path.constData(), name.constData(), nullptr, 0);
            if (size < 0)
                break;
            value.resize(size);
            got =
                ::getxattr(path.constData(), name.constData(), value.data(), size_t(value.size()));
        } while (got < 0 && errno == ERANGE);
        if (got < 0) {
            if (errno == ENODATA) // removed since it was listed
                continue;
            *why = u"its extended attribute %1 cannot be read: "_s.arg(QString::fromUtf8(name)) +
                   systemError(errno);
            return false;
        }
        if (::fsetxattr(fd, name.constData(), value.constData(), size_t(got), 0) != 0) {
            *why = u"its extended attribute %1 cannot be kept: "_s.arg(QString::fromUtf8(name)) +
                   systemError(errno);
            return false;
        }
    }
    return true;
}

// Copies the access ACL of the file at path to fd when it says more than the mode bits.
bool copyAccessAcl(const QByteArray& path, int fd, QString* why) {
    acl_t acl = ::acl_get_file(path.constData(), ACL_TYPE_ACCESS);
    if (!acl) {
        if (errno == ENOTSUP || errno == ENOSYS)
            return true;
        *why = u"its access control list cannot be read: "_s + systemError(errno);
        return false;
    }
    bool ok = true;
    if (::acl_equiv_mode(acl, nullptr) != 0 && ::acl_set_fd(fd, acl) != 0) {
        *why = u"its access control list cannot be kept: "_s + systemError(errno);
        ok = false;
    }
    ::acl_free(acl);
    return ok;
}

// Gives the new file at fd what the old file at path had. The attributes
// go first, while the new file is still ours to write; the mode follows the
// owner because chown clears the set-user-ID bit, and the ACL follows the
// mode because chmod rewrites the ACL's mask.
bool copyMetadata(const QByteArray& path, const struct stat& old, int fd, QString* why) {
    if (!copyUserAttributes(path, fd, why))
        return false;
    // Root gives the file back to its owner; any user may keep a group it
    // belongs to. Where neither is allowed the saver's own ids stay.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, uid_t(-1), old.st_gid);
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
        *why = u"its permissions cannot be kept: "_s + systemError(errno);
        return false;
    }
    return copyAccessAcl(path, fd, why);
}

// The files one save keeps beside its target, all named
// ".<name>~<hash>.tagora-new-XXXXXX" (temporaries) or ".<name>~<hash>.tagora-old"
// (the backup of a hard-linked file). The name is cut so that they fit in
// NAME_MAX, and the hash of the whole name keeps two long names apart.
class SideFiles {
  public:
    SideFiles(int dir, const QByteArray& name) : m_dir(dir) {
        const qsizetype fixed = 1 + 1 + 8 + qsizetype(sizeof(".tagora-new-XXXXXX")) - 1;
        qsizetype cut = std::min(name.size(), qsizetype(NAME_MAX) - fixed);
        // Never cut a UTF-8 character in two.
        while (cut > 0 && cut < name.size() && (uchar(name[cut]) & 0xc0) == 0x80)
            --cut;
        const QByteArray hash =
            QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex().left(8);
        m_prefix = '.' + name.left(cut) + '~' + hash + ".tagora-";
    }

    QByteArray backupName() const { return m_prefix + "old"; }

    bool isTemporary(const char* entry) const {
        const QByteArray start = m_prefix + "new-";
        return qstrlen(entry) == size_t(start.size()) + 6 &&
               qstrncmp(entry, start.constData(), size_t(start.size())) == 0;
    }

    // A new temporary file opened for writing; its name goes to *name.
    int createTemporary(mode_t mode, QByteArray* name) const {
        static const char letters[] =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            QByteArray candidate = m_prefix + "new-";
            for (int i = 0; i < 6; ++i)
                candidate += letters[QRandomGenerator::global()->bounded(int(sizeof(letters) - 1))];
            const int fd = ::openat(m_dir, candidate.constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
            if (fd >= 0)
                *name = candidate;
            if (fd >= 0 || errno != EEXIST)
                return fd;
        }
        return -1;
    }

    // Removes the temporaries of an earlier save that was killed; true when
    // that save's backup is still there.
    bool removeStaleTemporaries() const {
        const int copy = ::dup(m_dir);
        DIR* listing = copy >= 0 ? ::fdopendir(copy) : nullptr;
        if (!listing) {
            if (copy >= 0)
                ::close(copy);
            return false;
        }
        // The copy shares its position with the folder's descriptor, which
        // an earlier file of the same save has read to the end.
        ::rewinddir(listing);
        const QByteArray backup = backupName();
        bool backupFound = false;
        while (const dirent* entry = ::readdir(listing)) {
            if (isTemporary(entry->d_name))
                ::unlinkat(m_dir, entry->d_name, 0);
            else if (backup == entry->d_name)
                backupFound = true;
        }
        ::closedir(listing);
        return backupFound;
    }

    // Writes bytes to a temporary, syncs it and renames it to the backup name.
    bool writeBackup(const QByteArray& bytes, QString* reason) const {
        QByteArray name;
        FileDescriptor fd(createTemporary(0600, &name));
        if (!fd.isOpen()) {
            *reason = u"cannot be backed up: "_s + systemError(errno);
            return false;
        }
        int code = 0;
        bool ok = writeAll(fd.get(), bytes, &code);
        if (ok && (::fsync(fd.get()) != 0 || !fd.close() ||
                   ::renameat(m_dir, name.constData(), m_dir, backupName().constData()) != 0)) {
            code = errno;
            ok = false;
        }
        if (!ok) {
            fd.reset(-1);
            ::unlinkat(m_dir, name.constData(), 0);
            *reason = u"cannot be backed up: "_s + systemError(code);
            return false;
        }
        ::fsync(m_dir);
        return true;
    }

    void removeBackup() const {
        ::unlinkat(m_dir, backupName().constData(), 0);
        ::fsync(m_dir);
    }

  private:
    int m_dir;
    QByteArray m_prefix;
};

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

} // namespace

std::optional<QByteArray> readFileBytes(const QString& path, ReadError* error) {
    auto fail = [&](ReadError::Kind kind, const QString& reason) -> std::optional<QByteArray> {
        if (error)
            *error = ReadError{kind, path, 0, 0, reason};
        return std::nullopt;
    };
    if (path.isEmpty())
        return fail(ReadError::Missing, u"no such file"_s);
    const QByteArray name = fileNameBytes(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return fail(ReadError::Missing, u"no such file"_s);
        return fail(ReadError::Unreadable, u"cannot be opened: "_s + systemError(errno));
    }
    if (!S_ISREG(info.st_mode))
        return fail(ReadError::Unreadable, notAFile(info.st_mode));
    if (info.st_size > MaxFileBytes)
        return fail(ReadError::Unreadable, tooLarge(info.st_size));
    // Non-blocking, in case a named pipe took the file's place since the stat.
    FileDescriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.isOpen())
        return fail(ReadError::Unreadable, u"cannot be opened: "_s + systemError(errno));
    if (::fstat(fd.get(), &info) != 0)
        return fail(ReadError::Unreadable, u"cannot be read: "_s + systemError(errno));
    if (!S_ISREG(info.st_mode))
        return fail(ReadError::Unreadable, notAFile(info.st_mode));
    // The size is a hint: the file may grow while it is read, never past the limit.
    QByteArray bytes(qsizetype(std::min<qint64>(info.st_size, MaxFileBytes)), Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > MaxFileBytes)
                return fail(ReadError::Unreadable, tooLarge(done));
            bytes.resize(qsizetype(std::min<qint64>(done + 65536, MaxFileBytes + 1)));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(ReadError::Unreadable, u"cannot be read: "_s + systemError(errno));
        if (n == 0)
            break;
        done += n;
    }
    bytes.resize(done);
    return bytes;
}

namespace {

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
