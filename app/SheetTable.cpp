#include "app/SheetTable.h"

namespace app {

namespace {

// Which card field each grid column shows, in the initial order; 0 is the card number.
constexpr int FieldOfColumn[SheetTable::ColumnCount] = {0, 1, 7, 5, 2, 3, 4, 6};

} // namespace

SheetTable::SheetTable(const book::CardList& cards, bool fromMenu)
    : m_columns(parseSheetFormat(sheetFormat(fromMenu))), m_cardRows(int(cards.size())) {
    m_cells.resize(qsizetype(m_cardRows + 1) * ColumnCount);
    for (int c = 0; c < ColumnCount; ++c)
        m_cells[c] = m_columns.at(c).heading;
    for (int c = 0; c < ColumnCount; ++c) {
        for (int r = 1; r <= m_cardRows; ++r) {
            const book::AddressCard& card = cards.at(r - 1);
            const int field = FieldOfColumn[c];
            QString text;
            if (field == 0)
                text = QString::number(r);
            else if (field == 7)
                text = sheetHonorific(card.honorific);
            else
                text = card.field(field);
            int position = r - 1;
            m_cells[faIndex(position, c, ColumnCount)] = text;
        }
    }
}

QString SheetTable::cell(int row, int column) const {
    if (row < 0 || row > m_cardRows || column < 0 || column >= ColumnCount)
        return {};
    return m_cells.at(qsizetype(row) * ColumnCount + column);
}

int SheetTable::cardNumber(int row) const {
    return cell(row, 0).toInt();
}

bool SheetTable::moveColumn(int from, int to) {
    if (from <= 0 || to <= 0 || from >= ColumnCount || to >= ColumnCount || from == to)
        return false;
    m_columns.move(from, to);
    for (int r = 0; r <= m_cardRows; ++r) {
        const qsizetype rowStart = qsizetype(r) * ColumnCount;
        m_cells.move(rowStart + from, rowStart + to);
    }
    return true;
}

} // namespace app
