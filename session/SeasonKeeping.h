#pragma once

#include "book/AddressCard.h"
#include "platform/Messages.h"
#include "season/CardOrigins.h"
#include "session/SessionState.h"

#include <QString>

namespace session {

// After cards were written to path: the season's record beside path follows
// them. When path is not the book the record was kept for (copyFrom names
// that book, saved under another name), that book's record is copied first
// if path has none. An error text, empty when the record was kept.
QString keepSeasonRecord(const QString& copyFrom, const QString& path, const book::CardList& cards,
                         const season::CardOrigins& origins);

// After the book at path was read: its record is matched back to the cards
// (another program may have changed them). The number of records no card
// matches; error gets the reason when the record could not be kept.
int matchSeasonRecord(const QString& path, const book::CardList& cards, QString* error = nullptr);

// After a print job from the print list was printed: every card of the book
// at bookPath that an entry is a copy of is marked 送った for the New Year
// `year`. Only a book that is open (state) gets marks. An error text, empty
// when the marks were kept (or there was nothing to mark).
QString markPrinted(const SessionState& state, const book::CardList& entries, int year);

// markPrinted for the coming New Year, after a job of the print screens; a
// record that cannot be written is told in a message.
void markSentAfterJob(const SessionState& state, platform::Messages& messages,
                      const book::CardList& entries);

} // namespace session
