#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace book {

// A lock file beside a book (".NAME.lock") held while this run has the book
// open, so that a second instance opening the same book can be warned.
class BookLock {
public:
    enum class State {
        Held,          // this run holds the lock
        HeldElsewhere, // another running instance has the book open
        Unavailable,   // no lock could be made (read-only folder, long name): not checked
    };

    // Tries to take the lock for the book at bookPath; never waits.
    explicit BookLock(const QString& bookPath);

    State state() const { return m_state; }

    // The lock file's path for a book.
    static QString lockPath(const QString& bookPath);

private:
    QLockFile m_file;
    State m_state = State::Unavailable;
};

} // namespace book
