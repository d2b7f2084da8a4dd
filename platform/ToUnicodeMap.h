#pragma once

#include <QByteArray>
#include <QString>

#include <map>

namespace platform {

// A ToUnicode map: glyph code to text, and the width in hex digits its codes are written with.
struct ToUnicodeMap {
    std::map<unsigned, QString> texts;
    int codeDigits = 4;
    QByteArray codespace = "<0000> <FFFF>";
};

// The map a PDF's ToUnicode stream holds: its bfchar and bfrange entries,
// and the width its codes are written with.
ToUnicodeMap readMap(const QByteArray& text);

// The ToUnicode stream of a map, every glyph as a bfchar entry.
QByteArray writeMap(const ToUnicodeMap& map);

} // namespace platform
