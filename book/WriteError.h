#pragma once

#include <QString>

namespace book {

// Why a book or settings file was not written. Nothing was changed on disk.
struct WriteError {
    enum Kind {
        None,
        Quote,        // a field holds a double quote, which would end it on reading
        Unencodable,  // a field holds a character code page 932 cannot hold (or NUL)
        TooManyCards, // more cards than a book holds: the file could not be opened again
        Io,           // the file could not be created, written or renamed into place
        Exists,       // a file that was to be new is already there
    };

    Kind kind = None;
    QString path;
    int card = 0;           // 1-based card number, 0 when it does not apply
    int field = 0;          // 1-based field number, 0 when it does not apply
    char32_t character = 0; // the refused character
    QString reason;

    // One English line for stderr: "path: card C, field F (label): reason".
    QString describe() const;
};

struct WriteResult {
    WriteError error;

    bool ok() const { return error.kind == WriteError::None; }
};

} // namespace book
