#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace exchange {

// The encoding of a file brought in from another program.
enum class TextEncoding {
    Detect, // UTF-8 when the bytes decode as UTF-8, else code page 932
    Utf8,
    Cp932,
};

// "utf-8" / "cp932" (and their usual aliases) as typed on the command line.
std::optional<TextEncoding> parseTextEncoding(const QString& name);

// The text of the bytes, a leading UTF-8 byte-order mark dropped (with
// Detect, bytes that start with a UTF-16 byte-order mark are UTF-16); nullopt
// with an English reason naming the byte offset when they do not decode.
std::optional<QString> decodeText(const QByteArray& bytes, TextEncoding encoding, QString* reason);

// True when the bytes are valid UTF-8 (an empty array is).
bool isUtf8(QByteArrayView bytes);

} // namespace exchange
