#pragma once

#include "book/WriteError.h"
#include "labels/SheetLibrary.h"

#include <QString>

namespace labels {

// The sheet chosen on the label print screen, kept in the program folder as
// one line of quoted fields, brand and part ("Hisago","ELM012"), code page
// 932 with CR LF.
inline constexpr char16_t SheetChoiceFileName[] = u"Tagora2.opt";

// Tagora2.opt in the program folder.
QString sheetChoicePath();

// The sheet named in the file; the standard sheet when the file is missing,
// unreadable, or names a sheet the library does not hold or cannot print on.
const SheetTemplate& readSheetChoice(const QString& path, SheetLibrary& library);

// Replaces the file with the sheet's brand and part, atomically.
book::WriteResult writeSheetChoice(const QString& path, const SheetTemplate& sheet);

} // namespace labels
