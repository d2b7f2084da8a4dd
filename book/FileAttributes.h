#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

namespace book {

// Gives the new file at fd what the old file at path had: its user.*
// extended attributes, owner and group (as far as the user may set them),
// mode and access ACL. False with the reason in *why when one of them
// cannot be kept.
bool copyMetadata(const QByteArray& path, const struct stat& old, int fd, QString* why);

} // namespace book
