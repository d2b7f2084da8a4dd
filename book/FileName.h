#pragma once

#include <QByteArray>
#include <QString>

namespace book {

// A file name's bytes as text: UTF-8 decoded, and each byte that is not part
// of valid UTF-8 kept as the lone surrogate U+DC80 to U+DCFF, so that a name
// like "bad\xff.dat" survives the trip through a QString.
QString fileNameText(const QByteArray& bytes);

// The bytes of a name made by fileNameText (or any text): UTF-8, the kept
// bytes put back; fileNameBytes(fileNameText(b)) == b for every b.
QByteArray fileNameBytes(const QString& name);

} // namespace book
