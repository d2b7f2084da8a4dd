#pragma once

#include "book/ReadError.h"
#include "book/WriteError.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace book {

// The whole file; nullopt with a Missing or Unreadable error (path filled in).
std::optional<QByteArray> readFileBytes(const QString& path, ReadError* error);

// Replaces the file with bytes through a temporary file beside it that is
// renamed over it, so any failure leaves the old file as it was.
WriteResult saveFileBytes(const QString& path, const QByteArray& bytes);

} // namespace book
