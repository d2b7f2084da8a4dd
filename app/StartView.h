#pragma once

// What the start window shows, held apart from its widgets so the start
// window's commands run (and are tested) without a window.
//   addressList  the book's cards, shown by their names in lstSet1
//   printList    the print list's cards, shown by their names in lstSet2
//   lblCount     number of print-list entries as text
//   settings     the values the settings file will hold: the book's path, its
//                state (new book or named file) and the reserved value

#include "app/ListColumns.h"
#include "book/SettingsFile.h"

#include <QList>
#include <QString>

namespace app {

// Which of the start window's commands can be used; the others (new book,
// open, import, single address, help, exit) always can.
struct StartCommands {
    bool lists = false;          // picking names in the book and the print list
    bool addToList = false;      // 一括選択 and 記録から選択
    bool deleteEntries = false;  // 削除
    bool clearList = false;      // クリアー
    bool save = false;           // 保存 (button and menu)
    bool exportBook = false;     // エクスポート
    bool editCards = false;      // the card editor (button and menu)
    bool showSheet = false;      // the address list sheet (button and menu)
    bool reorder = false;        // 並べ替え (button and menu)
    bool printLabels = false;    // label printing
    bool printPostcards = false; // postcard and envelope printing
    bool checkCodes = false;     // 郵便番号の確認

    bool operator==(const StartCommands&) const = default;
};

struct StartView {
    ListColumns addressList;
    ListColumns printList;
    QList<int> nameSelection;  // selected rows of lstSet1
    int nameCurrent = -1;      // current row of lstSet1
    QList<int> printSelection; // selected rows of lstSet2
    int printCurrent = -1;     // current row of lstSet2
    QString lblCount = QStringLiteral("0");
    book::SettingsValues settings;
    StartCommands commands;

    // The names of the book's cards (lstSet1) and of the print list (lstSet2).
    const QStringList& bookNames() const { return addressList.column(1); }
    const QStringList& printNames() const { return printList.column(1); }

    // Empties the address list and the print list with their selections.
    void clearLists();
    // Sets lblCount to the number of print-list entries.
    void countPrintList();
};

} // namespace app
