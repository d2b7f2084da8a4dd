#include "book/FileAttributes.h"

#include "book/FileDescriptor.h"

#include <QList>

#include <acl/libacl.h>
#include <sys/acl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace book {

namespace {

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

} // namespace

// The attributes go first, while the new file is still ours to write; the
// mode follows the owner because chown clears the set-user-ID bit, and the
// ACL follows the mode because chmod rewrites the ACL's mask.
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

} // namespace book
