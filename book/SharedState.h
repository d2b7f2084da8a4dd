#pragma once

#include "book/AddressCard.h"
#include "book/BookLock.h"
#include "book/FileStamp.h"
#include "book/SettingsFile.h"

#include <QString>

#include <memory>

namespace book {

// The text that stands for the path of a book that has no file yet.
inline constexpr char16_t NewBookPath[] = u"新規作成";

// The program-wide state the windows hand the book over with. It outlives
// every window: the start window is unloaded and loaded again around each
// of the others, and finds its book and flags here. Every window that
// writes the book writes the one named here, never one the settings file names.
struct SharedState {
    bool BookOpen = false;      // an address file is open
    QString BookPath;           // its full path, or NewBookPath
    FileStamp BookStamp;        // its file as this run last read or wrote it
    std::shared_ptr<book::BookLock> Lock; // held while the book's file is open here
    QString SaveName;           // the name the start window's save button proposes
    bool ExistingBook = true;   // false from the new-book command until the next start-window load
    bool PrintFromList = true;  // the print screens take the print list (false: one typed address)
    bool ExitOnClose = true;    // closing the start window writes the settings and ends the program
    int Reentry = 0;            // 1 while the start window is unloaded for another window

    CardList CardTable; // the book in memory, cards 1 to CardCount in order
    CardList PrintList; // the start window's print list while another window is open
    int CardCount() const { return int(CardTable.size()); }

    // The settings file's three fields as the start window last held them:
    // what it shows again on its return and writes at the next settings write.
    book::SettingsValues SettingsValues;
    // The book whose place the settings file could not hold, already told to the user.
    QString UnrememberedBook;
};

} // namespace book
