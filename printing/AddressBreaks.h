#pragma once

#include <QList>
#include <QString>

namespace printing {

// Places where an address line may be carried onto the next line, as a
// person writing it would break it: after 丁目, 番地, 番 or 号, before a
// building name that follows the house number, and at a space. Each is the
// index where the continuation starts; spaces at a break are not printed.
QList<qsizetype> addressBreaks(const QString& line);

// The line cut at a break: the part before it and the continuation, both
// without the spaces at the cut.
std::pair<QString, QString> splitAt(const QString& line, qsizetype breakIndex);

} // namespace printing
