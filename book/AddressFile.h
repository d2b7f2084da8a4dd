#pragma once

#include "book/AddressCard.h"
#include "book/ReadError.h"
#include "book/WriteError.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace book {

// Cards read from an address file. On failure `cards` still holds the
// complete cards read before the error (the start window inspects them).
struct LoadResult {
    CardList cards;
    ReadError error;

    bool ok() const { return error.kind == ReadError::None; }
};

// Reads a book of seven fields per card, code page 932. Fails on a missing
// or unreadable file, invalid code page 932 or a NUL, more than
// BookCapacity cards (at card 301), or data ending in the middle of a card.
LoadResult loadBook(const QString& path);

// The same reading from the bytes of a book file already in memory; the
// error's path is left empty.
LoadResult parseBook(const QByteArray& bytes);

enum class FileLayout {
    Empty,       // no line holds anything
    SixFields,   // every non-empty line holds six fields: the old layout
    SevenFields, // every non-empty line holds seven fields: the current layout
    Other,       // anything else, and files that cannot be read or decoded
};

// The layout of a book's lines, counted line by line; counting fields across
// the whole file cannot tell seven old cards (42 fields) from six new ones.
FileLayout detectLayout(const QByteArray& bytes);
FileLayout detectLayout(const QString& path);

// The 1-based number of the first card whose honorific is neither empty nor
// a number, 0 when there is none. Books written here always hold an index.
int firstCardWithoutHonorificIndex(const CardList& cards);

// True when the bytes are an old book this program can convert without
// loss: every non-empty line is six fields, each quoted (the last may be a
// bare number), none holding a quote, and every honorific is a number.
bool isConvertibleLegacyBook(const QByteArray& bytes);

// Where the original of a converted book is kept: "NAME.bak", else the first
// free "NAME.bak2", "NAME.bak3" …
QString backupPathFor(const QString& path);

// The bytes of a book file: one CR LF line per card, seven double-quoted
// fields separated by commas, code page 932; an empty book is no bytes.
// nullopt when a field cannot be stored (the error names card and field)
// or there are more than BookCapacity cards.
std::optional<QByteArray> formatBook(const CardList& cards, WriteError* error = nullptr);

// Replaces the file with formatBook(cards) through a temporary file renamed
// over it. A refused field or a failed write leaves the old file untouched.
WriteResult writeBook(const QString& path, const CardList& cards);

// The outcome of converting an old six-field book.
struct ConvertResult {
    CardList cards;     // the converted cards, address3 empty
    QString backupPath; // the untouched original, kept beside the book
    ReadError readError;
    WriteError writeError;

    bool ok() const {
        return readError.kind == ReadError::None && writeError.kind == WriteError::None;
    }
    // One English line for stderr, empty when it succeeded.
    QString describe() const;
};

// Rewrites an old six-field book as seven fields per card (old fields 1 to 3,
// an empty address3, old fields 4 to 6), atomically, after copying the
// original to backupPathFor(path). A file that is not a convertible old
// book is refused (WrongLayout) and left as it is; so is every file when
// the copy cannot be made.
ConvertResult convertLegacyBook(const QString& path);

} // namespace book
