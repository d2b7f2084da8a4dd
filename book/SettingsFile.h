#pragma once

#include "book/WriteError.h"

#include <QString>

namespace book {

// What the settings remember of the book: a new one was started, or a file
// was opened or saved under a name.
enum class BookState { NewBook, Named };

// The three fields of the settings file "Tagora.ini", as the file holds them:
// a state that was read is written back as it was unless the program sets one.
struct SettingsValues {
    QString lastBook;  // full path of the address file last opened or saved
    QString bookState; // "3" a named file is open, "2" a new book was started
    QString reserved;  // carried through unchanged

    // True when the state says a named file was open ("3").
    bool namesFile() const { return bookState == QStringLiteral("3"); }
    void setBookState(BookState state) {
        bookState = state == BookState::Named ? QStringLiteral("3") : QStringLiteral("2");
    }

    bool operator==(const SettingsValues&) const = default;
};

// The settings in the file; a missing, empty, short or unreadable file gives
// empty values for the fields it lacks.
SettingsValues readSettings(const QString& path);

// Replaces the settings file with one CR LF line of the three quoted fields
// in code page 932, through a temporary file; a failure leaves the old file.
WriteResult writeSettings(const QString& path, const SettingsValues& values);

} // namespace book
