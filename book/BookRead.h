#pragma once

#include "book/AddressFile.h"
#include "book/FileStamp.h"

namespace book {

// A book file read once: its layout, its cards, and its stamp for the
// changed-on-disk check before the next write.
struct BookRead {
    FileLayout layout = FileLayout::Other;
    // The cards; an error when the file could not be read or is not a book
    // in the current layout (WrongLayout for an old book, a header row or
    // lines of other field counts).
    LoadResult loaded;
    FileStamp stamp;

    bool isBook() const { return loaded.ok(); }
};

// Reads the file at path once and tells what it holds. Nothing is written.
BookRead readBook(const QString& path);

} // namespace book
