#include "book/BookLock.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace book {

BookLock::BookLock(const QString& bookPath) : m_file(lockPath(bookPath)) {
    // Only a dead holder makes a lock stale: a book may stay open for hours.
    m_file.setStaleLockTime(0);
    if (m_file.tryLock(0))
        m_state = State::Held;
    else if (m_file.error() == QLockFile::LockFailedError)
        m_state = State::HeldElsewhere;
    else
        m_state = State::Unavailable;
}

QString BookLock::lockPath(const QString& bookPath) {
    const QFileInfo info(bookPath);
    return info.absolutePath() + u"/."_s + info.fileName() + u".lock"_s;
}

} // namespace book
