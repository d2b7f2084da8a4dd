#pragma once

#include "book/BookRead.h"
#include "book/WriteError.h"
#include "platform/Messages.h"
#include "session/SessionState.h"

#include <QString>

namespace session {

// Makes the file at path the book open in this run: its path, the stamp of
// what was read or written, and its lock. A lock another instance holds is
// reported once with a message; the book opens all the same.
void adoptBook(SessionState& state, const QString& path, const book::FileStamp& stamp,
               platform::Messages& messages);

// Reads the open book's file again (a window's load) and keeps its stamp.
book::BookRead rereadOpenBook(SessionState& state);

// No book is open any more: its lock is let go.
void closeBook(SessionState& state);

// The settings the next run starts from name path as a named book ("3").
void rememberBook(book::SettingsValues& settings, const QString& path);

// The line that tells which card and field stopped a save, empty when the
// error is not about a field.
QString fieldFailure(const book::WriteError& error, const book::CardList& cards);

} // namespace session
