#include "app/ListColumns.h"

#include <algorithm>

namespace app {

void ListColumns::append(const book::AddressCard& card) {
    for (int field = 1; field <= book::AddressCard::FieldCount; ++field)
        m_columns[field - 1].append(card.field(field));
}

void ListColumns::appendAll(const book::CardList& cards) {
    for (const book::AddressCard& card : cards)
        append(card);
}

book::AddressCard ListColumns::card(int row) const {
    book::AddressCard card;
    for (int field = 1; field <= book::AddressCard::FieldCount; ++field)
        card.field(field) = m_columns[field - 1].value(row);
    return card;
}

book::CardList ListColumns::cards() const {
    book::CardList cards;
    for (int row = 0; row < rows(); ++row)
        cards.append(card(row));
    return cards;
}

void ListColumns::removeRows(QList<int> rows) {
    // From the bottom up, so the rows still to go keep their numbers.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        for (QStringList& column : m_columns) {
            if (row >= 0 && row < column.size())
                column.removeAt(row);
        }
    }
}

void ListColumns::clear() {
    for (QStringList& column : m_columns)
        column.clear();
}

void ListColumns::clearField(int field) {
    m_columns[field - 1].clear();
}

const QStringList& ListColumns::column(int field) const {
    return m_columns[field - 1];
}

} // namespace app
