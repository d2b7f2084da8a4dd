#pragma once

#include "app/SheetColumns.h"
#include "book/AddressCard.h"

#include <QList>
#include <QStringList>

namespace app {

// The address list sheet's contents: a heading row and one row per card,
// 8 columns (No, 宛名, 敬称, 〒, 住所１, 住所２, 住所3, コード), with the
// columns in their current order after the user has moved some.
class SheetTable {
public:
    static constexpr int ColumnCount = 8;

    // The sheet of a book; fromMenu gives the wider code column.
    SheetTable(const book::CardList& cards, bool fromMenu);

    int columnCount() const { return ColumnCount; }
    // Card rows, without the heading row.
    int cardRows() const { return m_cardRows; }
    // Grid column `column` (0 to 7) in its current place.
    const SheetColumn& column(int column) const { return m_columns.at(column); }
    // Text of card row `row` (1 to cardRows) at grid column `column`.
    QString cell(int row, int column) const;
    // The card number shown in row `row`.
    int cardNumber(int row) const;

    // Moves the column at `from` to the place of the column at `to`, the
    // columns between shifting over. Column 0 (No) is neither moved nor
    // displaced: false, and nothing changes, when either is 0, out of range
    // or the two are the same.
    bool moveColumn(int from, int to);

private:
    QList<SheetColumn> m_columns;
    QStringList m_cells; // row-major, heading row first
    int m_cardRows = 0;
};

} // namespace app
