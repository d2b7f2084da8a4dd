#pragma once

#include "book/AddressCard.h"
#include "book/BookLock.h"
#include "book/FileStamp.h"
#include "book/SettingsFile.h"
#include "session/CurrentBook.h"

#include <QString>

#include <memory>

namespace session {

// The program-wide state the windows hand the book over with. It outlives
// every window: the start window is unloaded and loaded again around each
// of the others, and finds its book and flags here. Every window that
// writes the book writes the one named here, never one the settings file names.
struct SessionState {
    CurrentBook book;
    book::FileStamp bookStamp;                // its file as this run last read or wrote it
    std::shared_ptr<book::BookLock> bookLock; // held while the book's file is open here
    QString saveName;                         // the name the start window's save button proposes
    bool printFromList = true; // the print screens take the print list (false: one typed address)
    bool exitOnClose = true;   // closing the start window writes the settings and ends the program
    bool startWindowAway = false; // the start window is unloaded for another window

    book::CardList cards;     // the book in memory, cards 1 to cardCount() in order
    book::CardList printList; // the start window's print list while another window is open
    int cardCount() const { return int(cards.size()); }

    // The settings file's three fields as the start window last held them:
    // what it shows again on its return and writes at the next settings write.
    book::SettingsValues settings;
    // The book whose place the settings file could not hold, already told to the user.
    QString unrememberedBook;
};

} // namespace session
