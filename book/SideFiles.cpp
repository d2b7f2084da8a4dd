#include "book/SideFiles.h"

#include "book/FileDescriptor.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

using namespace Qt::StringLiterals;

namespace book {

SideFiles::SideFiles(int dir, const QByteArray& name) : m_dir(dir) {
    const qsizetype fixed = 1 + 1 + 8 + qsizetype(sizeof(".tagora-new-XXXXXX")) - 1;
    qsizetype cut = std::min(name.size(), qsizetype(NAME_MAX) - fixed);
    // Never cut a UTF-8 character in two.
    while (cut > 0 && cut < name.size() && (uchar(name[cut]) & 0xc0) == 0x80)
        --cut;
    const QByteArray hash =
        QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex().left(8);
    m_prefix = '.' + name.left(cut) + '~' + hash + ".tagora-";
}

bool SideFiles::isTemporary(const char* entry) const {
    const QByteArray start = m_prefix + "new-";
    return qstrlen(entry) == size_t(start.size()) + 6 &&
           qstrncmp(entry, start.constData(), size_t(start.size())) == 0;
}

int SideFiles::createTemporary(mode_t mode, QByteArray* name) const {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
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

bool SideFiles::removeStaleTemporaries() const {
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

bool SideFiles::writeBackup(const QByteArray& bytes, QString* reason) const {
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

void SideFiles::removeBackup() const {
    ::unlinkat(m_dir, backupName().constData(), 0);
    ::fsync(m_dir);
}

} // namespace book
