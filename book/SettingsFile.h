#pragma once

#include "book/WriteError.h"

#include <QString>

namespace book {

// The three fields of the settings file "Tagora.ini".
struct SettingsValues {
    QString lastBook;  // full path of the address file last opened or saved
    QString bookState; // "3" a named file is open, "2" a new book was started
    QString reserved;  // carried through unchanged

    bool operator==(const SettingsValues&) const = default;
};

// The settings in the file; a missing, empty, short or unreadable file gives
// empty values for the fields it lacks.
SettingsValues readSettings(const QString& path);

// Replaces the settings file with one CR LF line of the three quoted fields
// in code page 932, through a temporary file; a failure leaves the old file.
WriteResult writeSettings(const QString& path, const SettingsValues& values);

} // namespace book
