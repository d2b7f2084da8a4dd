#pragma once

#include <QString>

namespace platform {

// True when the two paths name one file: the same device and inode when both
// exist (any spelling, symlink or hard link), else the same path once the
// folders are resolved (a file not yet created).
bool sameFile(const QString& first, const QString& second);

} // namespace platform
