#pragma once

#include "book/WriteError.h"
#include "platform/Platform.h"
#include "season/CardOrigins.h"
#include "session/SessionState.h"

#include <QString>

namespace session {

// Every write of a book goes through here: to the book open in this run,
// or to a file the user named, whole or not at all. Before a write over an
// existing file it asks when that file is not what this run read (another
// window or program changed it), or is some other book; the user may then
// replace it, save under another name, or write nothing. After a write the
// file written is the open book.
class BookSaver {
public:
    BookSaver(SessionState& state, platform::Platform& platform);

    enum class Outcome { Written, Cancelled, Failed };

    struct Result {
        Outcome outcome = Outcome::Cancelled;
        QString path;           // the file written
        book::WriteError error; // why it failed; nothing was written
        bool written() const { return outcome == Outcome::Written; }
    };

    // The cards to the open book's file; a book that never had a file goes
    // to "Tagora.dat" in the program's folder. The season's record beside
    // the book follows each card from its origin (found by matching when unknown).
    Result saveOpenBook(const book::CardList& cards,
                        const season::CardOrigins& origins = season::CardOrigins::unknown());

    // Asks for a file name with the save dialog (".dat" added when the name
    // has no extension) and writes the cards there.
    Result saveUnderNewName(const book::CardList& cards, const QString& proposedName = {});

    // The cards to path; replaceConfirmed when the user already agreed to
    // replace a file there (the save dialog asked).
    Result saveTo(const QString& path, const book::CardList& cards, bool replaceConfirmed);

private:
    // Yes when the cards may go to path (nothing to ask, or the user agreed);
    // No for another name, Cancel for no write.
    platform::Answer confirmWrite(const QString& path, bool replaceConfirmed);
    Result write(const QString& path, const book::CardList& cards);
    // The season's record of the book written to path follows its cards.
    void keepRecord(const QString& path, const book::CardList& cards, bool wasOpenBook);

    season::CardOrigins m_origins;
    SessionState& m_state;
    platform::Platform& m_platform;
};

} // namespace session
