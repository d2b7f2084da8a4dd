#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>
#include <unistd.h>

// The system calls under reading and saving whole files.
namespace book {

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

// The system's text for an errno value.
QString systemError(int code);

// "is a named pipe, not a file" for whatever is not a regular file.
QString notAFile(mode_t mode);

// Writes all of bytes from offset 0, going on after short writes; the errno
// of a failure goes to *code.
bool writeAll(int fd, const QByteArray& bytes, int* code);

// The whole of an open file from offset 0; the errno of a failure goes to *code.
bool readAll(int fd, QByteArray* bytes, int* code);

// Writes bytes over an open file in place and cuts it to their length; the
// new bytes go first so that a failure never needs more room than was there.
bool overwrite(int fd, const QByteArray& bytes, int* code);

} // namespace book
