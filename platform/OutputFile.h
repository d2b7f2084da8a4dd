#pragma once

#include "book/WriteError.h"

#include <QByteArray>
#include <QString>

namespace platform {

// Writes a finished document to path. A regular file (or a new one) is
// replaced through a temporary file renamed over it, so a failure leaves the
// old file as it was and no temporary behind; a device or pipe such as
// /dev/stdout is written directly. Every write and the close are checked.
book::WriteResult writeOutputFile(const QString& path, const QByteArray& bytes);

} // namespace platform
