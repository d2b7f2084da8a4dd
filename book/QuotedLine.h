#pragma once

#include "book/WriteError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace book {

// The fields of the first line of a code page 932 file (quoted or not);
// nullopt when the file is missing, unreadable or not valid code page 932.
// An empty file gives an empty list.
std::optional<QStringList> readQuotedLine(const QString& path);

// The same from bytes already in memory; nullopt when not valid code page 932.
std::optional<QStringList> parseQuotedLine(const QByteArray& bytes);

// One CR LF line of the fields, each in double quotes, comma-separated, in
// code page 932. nullopt when a field holds a double quote, a NUL or a
// character code page 932 cannot hold; the error names the 1-based field.
std::optional<QByteArray> formatQuotedLine(const QStringList& fields, WriteError* error = nullptr);

// Replaces the file with formatQuotedLine(fields) through a temporary file;
// on any failure the old file stays as it was.
WriteResult writeQuotedLine(const QString& path, const QStringList& fields);

} // namespace book
