#pragma once

#include "BookFiles.h"

#include "book/AddressFile.h"
#include "book/FileBytes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <acl/libacl.h>
#include <algorithm>
#include <csignal>
#include <memory>
#include <sys/acl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

// A temporary folder for saves, the old files a test saves over and what a
// save keeps of them.
namespace savefolder {

using namespace Qt::StringLiterals;
using namespace bookfiles;
using book::WriteError;

// How a row prepares the old file before the save.
enum Setup {
    Plain,
    Acl,       // a named user in the access ACL, mask wider than the group
    Attribute, // a user.* extended attribute
    Owner,     // owned by another user and group (root only)
    HardLink,  // a second name, "link.dat"
    SymLink,   // saved through a symbolic link, "link.dat"
};

inline QByteArray oldBytes() {
    return book::formatBook(numberedCards(3)).value_or(QByteArray());
}

inline QByteArray newBytes() {
    return book::formatBook(numberedCards(300)).value_or(QByteArray());
}

inline ino_t inode(const QString& file) {
    struct stat info {};
    return ::stat(QFile::encodeName(file).constData(), &info) == 0 ? info.st_ino : 0;
}

// What a save keeps of a file: mode, owner, group, access ACL and user.* attributes.
inline QString metadata(const QString& file) {
    const QByteArray name = QFile::encodeName(file);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return u"<missing>"_s;
    QString text = u"mode %1 owner %2:%3"_s.arg(info.st_mode & 07777, 4, 8, QChar(u'0'))
                       .arg(info.st_uid)
                       .arg(info.st_gid);
    if (acl_t acl = ::acl_get_file(name.constData(), ACL_TYPE_ACCESS)) {
        char* shown = ::acl_to_any_text(acl, nullptr, ',', TEXT_NUMERIC_IDS);
        text += u" acl "_s + QString::fromUtf8(shown);
        ::acl_free(shown);
        ::acl_free(acl);
    }
    char names[4096];
    const ssize_t size = ::listxattr(name.constData(), names, sizeof names);
    QStringList attributes;
    for (const QByteArray& attribute : QByteArray(names, size > 0 ? size : 0).split('\0')) {
        if (!attribute.startsWith("user."))
            continue;
        char value[256];
        const ssize_t length =
            ::getxattr(name.constData(), attribute.constData(), value, sizeof value);
        attributes << QString::fromUtf8(attribute) + u'=' + QString::fromUtf8(value, length);
    }
    attributes.sort();
    return text + u" xattr "_s + attributes.join(u',');
}

// Runs a save of files in a child process that the file-size limit kills with SIGXFSZ
// part way through writing, as kill -9 would; true when it died that way.
inline bool killedSave(const QList<book::FileToSave>& files) {
    const pid_t child = ::fork();
    if (child == 0) {
        rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
        std::signal(SIGXFSZ, SIG_DFL);
        book::saveFileSet(files, book::SaveMode::Replace);
        ::_exit(0);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFSIGNALED(status) &&
           WTERMSIG(status) == SIGXFSZ;
}

// Runs body in a child process that an alarm ends after ten seconds; its
// exit code, or -1 when it blocked or died.
template <typename Body> int inChild(Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        ::_exit(body());
    }
    int status = 0;
    if (child <= 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// A save's exit code in a child: 0 saved, 3 the file was there, 1 another failure.
inline int exitCodeOf(const book::WriteResult& written) {
    if (written.ok())
        return 0;
    return written.error.kind == WriteError::Exists ? 3 : 1;
}

// The folder a test function saves in, fresh for each.
class SaveFolder {
protected:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    // Every entry of the folder, hidden temporaries and backups included.
    QStringList entries() const {
        return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    // Makes the old file as the row describes; false when that fails, with
    // *skip set when the machine cannot (no ACLs, not root).
    bool prepare(const QString& file, int setup, QString* skip) const {
        const QByteArray name = QFile::encodeName(file);
        if (!writeBytes(file, oldBytes()) || ::chmod(name.constData(), 0640) != 0)
            return false;
        switch (setup) {
        case Acl: {
            acl_t acl = ::acl_from_text("u::rw-,u:4242:rw-,g::r--,m::rw-,o::---");
            const int set = acl ? ::acl_set_file(name.constData(), ACL_TYPE_ACCESS, acl) : -1;
            const int code = errno;
            ::acl_free(acl);
            if (set != 0 && code == ENOTSUP)
                *skip = u"the temporary folder's file system has no POSIX ACLs"_s;
            return set == 0 || !skip->isEmpty();
        }
        case Attribute:
            if (::setxattr(name.constData(), "user.tagora.note", "年賀", 6, 0) == 0)
                return true;
            if (errno == ENOTSUP)
                *skip = u"the temporary folder's file system has no user extended attributes"_s;
            return !skip->isEmpty();
        case Owner:
            if (::geteuid() != 0)
                *skip = u"only root can give the file to another user"_s;
            return !skip->isEmpty() || ::chown(name.constData(), 4242, 4343) == 0;
        case HardLink:
            return ::link(name.constData(), QFile::encodeName(path(u"link.dat"_s)).constData()) ==
                   0;
        case SymLink:
            return QFile::link(file, path(u"link.dat"_s));
        }
        return true;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

} // namespace savefolder
