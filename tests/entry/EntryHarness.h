#pragma once

#include "app/AppContext.h"
#include "app/RecordingNavigator.h"
#include "book/AddressFile.h"
#include "book/SharedState.h"
#include "platform/ProgramFolder.h"
#include "platform/TestPlatform.h"

#include <QTemporaryDir>

// One entry window's surroundings: a temporary program folder, the test
// doubles, a fresh shared state and a recording navigator.
struct EntryHarness {
    QTemporaryDir dir;
    platform::TestPlatform platform;
    book::SharedState state;
    app::RecordingNavigator navigator;
    app::AppContext context{state, platform.platform, navigator};

    EntryHarness() { platform::ProgramFolder::choose(dir.path()); }

    QString bookPath() const { return dir.filePath(QStringLiteral("book.dat")); }

    // Writes the cards to book.dat and leaves it open, as the start window does.
    void openBook(const book::CardList& cards) {
        if (!book::writeBook(bookPath(), cards).ok())
            qFatal("cannot write the book");
        state.BookOpen = true;
        state.BookPath = bookPath();
    }

    QStringList messages() const { return platform.messages.texts(); }
};
