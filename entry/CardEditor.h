#pragma once

#include "book/AddressCard.h"
#include "entry/AddressEntry.h"
#include "entry/EntryField.h"
#include "session/BookSaver.h"
#include "ui/AppContext.h"

#include <QObject>
#include <QString>

namespace entry {

// The card editor without its window: the working copy of the book, the card
// on screen, the record counter, the change flag, the layout of the address
// lines and every command with its prompts. The window shows what this holds
// and hands it the user's typing and clicks; tests drive it directly.
//
// The counter text is the editor's record of a new card: a card is new
// exactly when the counter ends in "新規".
class CardEditor : public QObject, public AddressEntry {
    Q_OBJECT

public:
    explicit CardEditor(ui::AppContext& context, QObject* parent = nullptr);

    // Reads the book the shared state names, or starts a book without a file.
    // A book that cannot be read whole is not opened: a message, back to the
    // start window, and false.
    bool open();

    // Shows card `card` (the sheet's choice; below 1 means card 1, beyond the
    // book the last card); a book without cards stays on its new card.
    void showCard(int card);

    // Typing in a field: refused characters are dropped (with a message), a
    // length over the limit shows a warning and keeps the text, otherwise the
    // card is marked changed. Returns the text the field now holds. The
    // postal-code lookup fills fields through here too.
    QString setFieldText(Field field, const QString& text) override;
    // Typing in the one-line address box (never stored in a card).
    QString setNewAddress(const QString& text) override;
    // A click on an honorific, 0 to 5; -1 is no selection.
    void chooseHonorific(int position) override;
    // Option1 (true, prefecture kept) or Option2.
    void setKeepPrefecture(bool keep) override;

    void firstCard();     // ≪ cmdRR
    void previousCard();  // ＜ cmdRew
    void nextCard();      // ＞ cmdFow
    void lastCard();      // ≫ cmdFF
    void newCard();       // ∥ cmdJump
    void registerCard();  // 登録 cmdAdd
    void deleteCard();    // 削除 cmdDel
    void showList();      // 一覧表示 cmdList
    void returnToStart(); // 戻る cmdRtn, the close box and Escape
    void cancel(); // キャンセル cmdCancel: leaves without writing, after asking when there is work
                   // to lose
    void useEntryPanel(); // オプション入力 Command3
    void useAddressLines() override;
    void splitNewAddress() override;
    void addressLinesFilled() override;

    QString fieldText(Field field) const override { return m_screen.field(int(field)); }
    QString newAddress() const override { return m_newAddress; }
    int honorificPosition() const override { return m_honorific; }
    bool keepPrefecture() const override { return m_keepPrefecture; }
    QString recordLabel() const { return m_recordLabel; } // lblRec
    QString caption() const { return m_caption; }
    bool isNewCard() const;
    bool changed() const { return m_changed; } // ChangedFlag
    bool entryMode() const override { return m_entryMode; }
    bool optionInputEnabled() const { return m_optionInputEnabled; } // Command3
    bool deleteEnabled() const { return m_deleteEnabled; }           // cmdDel
    bool closed() const { return m_closed; }
    int currentCard() const { return m_current; }
    // The season's record of the card shown, past years too, as one line;
    // empty for a card not yet written to the book.
    QString seasonHistory() const;
    int cardCount() const { return m_count; }
    // The registered cards, 1 to the count.
    book::CardList cards() const { return m_cards.mid(0, m_count); }

signals:
    // Anything on screen may have changed.
    void screenChanged();
    // The field that should take the focus.
    void focusRequested(entry::Field field);
    // The ＞ (next card) button should take the focus, after a registration.
    void nextCardFocusRequested();

private:
    // The current card of the working copy to the screen, then clears the change flag.
    void showCardOnScreen();
    // The screen into the current card; the count does not change.
    void storeScreenInCard();
    // Empties the fields for a new card (the honorific stays) and shows the entry panel.
    void clearScreenForNewCard();
    // Says so when typing lost characters the book cannot hold.
    void refuseDropped(const QString& typed, const QString& kept);
    bool discardPrompt();
    void savePrompt();
    bool askYes(const QString& text, const QString& title = {});
    platform::Answer askYesNoCancel(const QString& text);
    void showRegistered();
    void showNew();
    void registerIfNew();
    // Writes the cards to the open book (a book without a file: "Tagora.dat"
    // in the program's folder, after asking when that file exists). False
    // when nothing was written; a failure is shown.
    // Writes the book; cards before the first new one keep their places
    // unless `removed` (from 1) was taken out.
    bool writeCards(const book::CardList& cards, int removed = 0);
    void showWriteFailure(const session::BookSaver::Result& failed);
    void closeTo(bool sheet);

    ui::AppContext& m_context;
    book::CardList m_cards; // BookCapacity places; cards 1..m_count are registered
    int m_count = 0;
    int m_current = 1;
    book::AddressCard m_screen; // the fields on screen; honorific is m_honorific
    int m_honorific = 0;
    QString m_newAddress;
    bool m_keepPrefecture = true;
    QString m_recordLabel;
    QString m_caption;
    bool m_changed = false;
    int m_countOnDisk = 0; // cards in the book's file as last read or written
    bool m_entryMode = false;
    bool m_optionInputEnabled = true;
    bool m_deleteEnabled = true;
    bool m_closed = false;
    book::CardList m_written; // the cards as the book's file last held them
};

} // namespace entry
