#pragma once

#include "book/ReadError.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace book {

// Files larger than this are refused before any byte is read; a full book
// of 300 cards is well under 1 MB.
constexpr qint64 MaxFileBytes = qint64(64) * 1024 * 1024;

// The whole file; nullopt with a Missing or Unreadable error (path filled in).
// A folder, a named pipe, a device or a file over MaxFileBytes is refused
// without reading it, and nothing blocks on a pipe that has no writer.
std::optional<QByteArray> readFileBytes(const QString& path, ReadError* error);

} // namespace book
