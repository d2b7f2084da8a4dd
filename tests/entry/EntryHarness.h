#pragma once

#include "book/AddressFile.h"
#include "support/WindowWorld.h"

// An entry window's world, with a book it can open.
struct EntryHarness : WindowWorld {
    QString bookPath() const { return dir.filePath(QStringLiteral("book.dat")); }

    // Writes the cards to book.dat and leaves it open, as the start window does.
    void openBook(const book::CardList& cards) {
        if (!book::writeBook(bookPath(), cards).ok())
            qFatal("cannot write the book");
        state.book = session::CurrentBook::file(bookPath());
    }

    QStringList messages() const { return platform.messages.texts(); }
};
