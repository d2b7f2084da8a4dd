#include "book/FileDescriptor.h"

#include <sys/stat.h>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace book {

QString systemError(int code) {
    return qt_error_string(code);
}

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

bool overwrite(int fd, const QByteArray& bytes, int* code) {
    if (!writeAll(fd, bytes, code))
        return false;
    if (::ftruncate(fd, off_t(bytes.size())) != 0 || ::fsync(fd) != 0) {
        *code = errno;
        return false;
    }
    return true;
}

} // namespace book
