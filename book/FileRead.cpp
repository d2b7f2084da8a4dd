#include "book/FileRead.h"

#include "book/FileDescriptor.h"
#include "book/FileName.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace book {

namespace {

QString tooLarge(qint64 size) {
    return u"is too large: %1 bytes, more than %2 MB"_s.arg(size).arg(MaxFileBytes >> 20);
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

} // namespace book
