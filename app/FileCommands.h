#pragma once

#include "app/StartView.h"
#include "session/BookSaver.h"
#include "ui/AppContext.h"

namespace app {

// The start window's new, open and save commands on the book, with the
// conversion of old six-field books met while opening.
class FileCommands {
public:
    // The button and the menu command of a pair differ in a few steps.
    enum class From { Button, Menu };

    FileCommands(ui::AppContext& context, StartView& view);

    // Writes the open book back to its file, starts an empty book and hands
    // over to the card editor. False (with a message) when a write failed.
    bool newBook();
    // Asks for a file and shows its book. A cancelled dialog, or a file that
    // cannot be read, leaves the book shown before (with a message for the latter).
    void open(From from);
    // Opens the file at path as 開く does after its dialog. A contacts file
    // that is not in the book's own layout is offered to the import instead.
    void openPath(const QString& path, From from);
    // Asks for a file name and writes the book to it, then puts the book away
    // from the window. False when the write failed (with a message).
    bool save(From from);
    // ファイル → インポート: asks for a contacts file, shows its preview and on
    // OK appends the cards to the open book (up to 300 in all) and writes it,
    // or, with no book open, saves them as a new book under a name the user
    // gives, which becomes the open book. A cancel anywhere changes nothing.
    void importContacts();
    // Lists the cards whose postal code the directory places elsewhere than
    // their address (numbered from firstNumber); with none, says so only
    // when asked. Nothing is changed.
    void reportCodeMismatches(const book::CardList& cards, int firstNumber, bool sayWhenAllAgree);
    // The import of the file at path, from its preview on.
    void importFile(const QString& path);
    // ファイル → エクスポート: the open book's cards as CSV or vCard (by the
    // name's extension; .csv when it has none) in a file the user names,
    // never the open book's own file.
    void exportBook();

private:
    // What open puts back when it ends without a new book.
    struct Before {
        StartView view;
        session::CurrentBook book;
        QString saveName;
        book::CardList cardTable;
    };

    Before remember() const;
    void restore(const Before& before);
    // Shows the cards as the book opened by the command.
    void showOpened(const book::CardList& cards);
    // Matches the season's record back to the book just opened and says
    // when some of it fits no card.
    void reportSeasonRecord(const QString& path, const book::CardList& cards);
    // After an import wrote cards to path: the book is open and shown as after 開く.
    void showImported(const book::CardList& cards, const QString& path);
    // The conversion of an old book: a question that says what will happen,
    // a copy of the original beside it, the rewrite, then the book is shown.
    void convert(const QString& path, From from, const Before& before);
    // Shows the message and puts back the previous book.
    void fail(const QString& message, const Before& before);
    session::BookSaver saver();
    // The message for a failed save; a card that cannot be stored is named,
    // and the card editor opens on it.
    void reportWriteFailure(const session::BookSaver::Result& failed);

    ui::AppContext& m_context;
    StartView& m_view;
};

} // namespace app
