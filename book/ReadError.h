#pragma once

#include <QString>

namespace book {

// Why a book or settings file could not be read, and where.
struct ReadError {
    enum Kind {
        None,
        Missing,      // no file at the path
        Unreadable,   // a folder, or the file cannot be opened or read
        BadEncoding,  // not valid code page 932, or a NUL byte
        TooManyCards, // more cards than a book holds
        Truncated,    // the data ends in the middle of a card
        WrongLayout,  // a conversion found lines that do not hold the old six fields
    };

    Kind kind = None;
    QString path;
    int line = 0; // 1-based line of the file, 0 when it does not apply
    int card = 0; // 1-based card number, 0 when it does not apply
    QString reason;

    // One English line for stderr: "path: line L, card C: reason".
    QString describe() const;
};

} // namespace book
