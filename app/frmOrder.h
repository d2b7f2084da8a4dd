#pragma once

// The reordering window: moves one card of the book's file to another place.
//   lstName   one row per card: its number, two blanks, the name
//   Label1    the instruction to click a row
//   Text1     the chosen row's text, then Label2 "を"; shown once a row is chosen
//   Text2     the destination typed by the user, then Label3 "番に挿入します。"
//   Text3     the chosen card's number (hidden)
//   Text4     the number of rows in lstName (hidden)
//   Command1  実行: rewrite the file with the card moved
//   Command2  戻る: back to the start window
//   undoButton  元に戻す: writes the order before the last move back

#include "book/AddressCard.h"
#include "season/CardOrigins.h"
#include "ui/AppContext.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace app {

class frmOrder : public QWidget {
    Q_OBJECT
public:
    // Reads the book at context.state.book.path() into the list.
    explicit frmOrder(ui::AppContext& context, QWidget* parent = nullptr);

    QString Text3;
    QString Text4;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void loadList();
    void chooseCard(int row);
    void checkDestination();
    void performMove();
    void undoMove();
    // The book's file rewritten with cards; a failure is shown. False when nothing was written.
    bool writeCards(const book::CardList& cards, const season::CardOrigins& origins);
    void showControls();
    // The sentence "CARD を N 番に挿入します。", shown once a card is chosen.
    void showDestination(bool shown);

    ui::AppContext& m_context;
    book::CardList m_cards;            // the window's own copy of the book, as read from the file
    book::CardList m_undo;             // the order before the last move; empty when there is none
    season::CardOrigins m_undoOrigins; // where undoing takes each card from
    QListWidget* lstName = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* undoButton = nullptr;
};

} // namespace app
