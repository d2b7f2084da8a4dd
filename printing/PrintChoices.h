#pragma once

#include "book/WriteError.h"

#include <QString>

namespace printing {

// What both print screens remember between runs, in a file of their own in
// the program folder: one CR LF line, "0" when the free code line is left
// out (anything else prints it).
struct PrintChoices {
    bool printCode = true;

    bool operator==(const PrintChoices&) const = default;
};

inline constexpr char16_t PrintChoicesFileName[] = u"TagoraPrint.ini";

// TagoraPrint.ini in the program folder.
QString printChoicesPath();

// The choices in the file; a missing or unreadable file gives the defaults.
PrintChoices readPrintChoices(const QString& path);

// Replaces the file, whole or not at all.
book::WriteResult writePrintChoices(const QString& path, const PrintChoices& choices);

} // namespace printing
