#pragma once

#include <QString>

namespace session {

// The caption text of a book that has no file yet.
inline constexpr char16_t NewBookName[] = u"新規作成";

// Which book the windows work on: none, a new one without a file, or the
// one in a named file.
class CurrentBook {
public:
    enum class Kind {
        None,     // no book is open
        Starting, // the new-book command emptied the book; none is open until the editor keeps one
        Unsaved,  // an open book that has no file yet
        File,     // the open book of the file at path()
    };

    CurrentBook() = default;
    static CurrentBook starting() { return CurrentBook(Kind::Starting, QString()); }
    static CurrentBook unsaved() { return CurrentBook(Kind::Unsaved, QString()); }
    static CurrentBook file(const QString& path) { return CurrentBook(Kind::File, path); }

    Kind kind() const { return m_kind; }
    bool isOpen() const { return m_kind == Kind::Unsaved || m_kind == Kind::File; }
    bool hasFile() const { return m_kind == Kind::File; }
    // The book's file; empty unless hasFile().
    const QString& path() const { return m_path; }
    // The path as captions show it: NewBookName for a new book, empty for none.
    QString shownPath() const {
        if (m_kind == Kind::None)
            return QString();
        return hasFile() ? m_path : QString::fromUtf16(NewBookName);
    }

    bool operator==(const CurrentBook&) const = default;

private:
    CurrentBook(Kind kind, const QString& path) : m_kind(kind), m_path(path) {}

    Kind m_kind = Kind::None;
    QString m_path;
};

} // namespace session
