#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace book {

// Where a text first failed to encode: its UTF-16 index in the text and its code point.
struct EncodeError {
    int index = -1;
    char32_t character = 0;
};

// Where bytes first failed to decode: the byte offset from the start and an English reason.
struct DecodeError {
    int offset = -1;
    QString reason;
};

// The text in code page 932 (Windows-31J); nullopt when a character has no
// code there (emoji, 𠮷, a lone surrogate), with the first one in error.
std::optional<QByteArray> encodeCp932(const QString& text, EncodeError* error = nullptr);

// True when code page 932 holds the character and gives it back unchanged.
bool isCp932Encodable(char32_t character);

// The first character of the text that code page 932 cannot hold, if any.
std::optional<char32_t> firstUnencodable(const QString& text);

// Text of bytes in code page 932; nullopt for an invalid sequence, a lead
// byte cut off at the end or a NUL byte, with a reason naming the byte offset.
std::optional<QString> decodeCp932(const QByteArray& bytes, QString* reason = nullptr);
std::optional<QString> decodeCp932(const QByteArray& bytes, DecodeError* error);

// "U+1F600 「😀」": a character as it is named in error messages.
QString describeCharacter(char32_t character);

} // namespace book
