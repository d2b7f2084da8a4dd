#pragma once

// What the start window shows, held apart from its widgets so the start
// window's commands run (and are tested) without a window.
//   lstSet1  names of the book (visible); lstOpt1 address1, lstAdd1 address2,
//            lstAdd3 address3, lstZip1 postal code, lstCode1 code, lstKei honorific
//   lstSet2  names of the print list (visible); lstOpt2 address1, lstAdd2 address2,
//            lstOpt3 address3, lstZip2 postal code, lstCode2 code, lstKei2 honorific
//   lblCount number of print-list entries as text
//   settings the values the settings file will hold: the book's path, its
//            state (new book or named file) and the reserved value

#include "app/ControlStates.h"
#include "app/ListColumns.h"
#include "book/SettingsFile.h"

#include <QList>
#include <QString>

namespace app {

struct StartView {
    // Every control and menu command as it is when the window is created.
    StartView();

    ListColumns addressList;
    ListColumns printList;
    QList<int> nameSelection;  // selected rows of lstSet1
    int nameCurrent = -1;      // current row of lstSet1
    QList<int> printSelection; // selected rows of lstSet2
    int printCurrent = -1;     // current row of lstSet2
    QString lblCount = QStringLiteral("0");
    book::SettingsValues settings;
    ControlStates controls;

    const QStringList& lstSet1() const { return addressList.column(1); }
    const QStringList& lstOpt1() const { return addressList.column(2); }
    const QStringList& lstAdd1() const { return addressList.column(3); }
    const QStringList& lstAdd3() const { return addressList.column(4); }
    const QStringList& lstZip1() const { return addressList.column(5); }
    const QStringList& lstCode1() const { return addressList.column(6); }
    const QStringList& lstKei() const { return addressList.column(7); }
    const QStringList& lstSet2() const { return printList.column(1); }
    const QStringList& lstOpt2() const { return printList.column(2); }
    const QStringList& lstAdd2() const { return printList.column(3); }
    const QStringList& lstOpt3() const { return printList.column(4); }
    const QStringList& lstZip2() const { return printList.column(5); }
    const QStringList& lstCode2() const { return printList.column(6); }
    const QStringList& lstKei2() const { return printList.column(7); }

    // Empties the address list and the print list with their selections.
    void clearLists();
    // Sets lblCount to the number of print-list entries.
    void countPrintList();
};

} // namespace app
