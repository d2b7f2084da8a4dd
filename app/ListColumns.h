#pragma once

#include "book/AddressCard.h"

#include <QList>
#include <QStringList>

#include <array>

namespace app {

// Seven parallel text columns, one per card field in file order; row r of
// every column belongs to the same card. The start window keeps its address
// list and its print list this way. A single column can be emptied on its
// own (saving puts away only the names), so the columns may differ in length.
class ListColumns {
public:
    // Appends one row: field f of the card goes to column f.
    void append(const book::AddressCard& card);
    // Appends every card in order.
    void appendAll(const book::CardList& cards);
    // The row as a card; a column shorter than the row gives an empty field.
    book::AddressCard card(int row) const;
    // Rows 0 to rows() - 1 as cards.
    book::CardList cards() const;
    // Removes the given rows from every column (any order, duplicates ignored).
    void removeRows(QList<int> rows);
    // Empties every column.
    void clear();
    // Empties column `field` (1 to 7) only.
    void clearField(int field);
    // The text rows of column `field` (1 to 7).
    const QStringList& column(int field) const;
    // Rows of the first column (the one shown on screen).
    int rows() const { return int(m_columns[0].size()); }

    bool operator==(const ListColumns&) const = default;

private:
    std::array<QStringList, book::AddressCard::FieldCount> m_columns;
};

} // namespace app
