#pragma once

#include "book/AddressCard.h"
#include "season/SeasonRecord.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QStringList>

namespace exchange {

// Columns a CSV export adds after the card's own: a heading each, and the
// cells of card i + 1 in rows[i].
struct CsvExtraColumns {
    QStringList header;
    QList<QStringList> rows;
};

// The season's record as CSV columns: for each year Y it holds, "Y送" and
// "Y受" (○ when set), "Y喪中" (the note, or ○) and "Yメモ" when a card has
// a note that year, then "グループ" (the groups, separated by "、"). No
// columns for a book without a record.
CsvExtraColumns seasonCsvColumns(const season::SeasonRecord& record, int cardCount);

// One row's season, found back by its card's name and address.
struct SeasonCsvRow {
    QString key; // season::cardKey of the row's card
    QMap<int, season::YearMarks> years;
    QStringList groups;
};

// The season's columns of a CSV file (those of seasonCsvColumns; "喪中"
// alone is the coming New Year's), read by its header row; empty when it
// has none. A mark is set by any cell but empty, "0", "×" and "-".
QList<SeasonCsvRow> readSeasonCsv(const QByteArray& bytes, int comingYear);

// Gives each card of the book at bookPath from firstCard on (the cards just
// imported) the season of the CSV row with its name and address; an error
// text, empty when the record was kept.
QString applySeasonCsv(const QList<SeasonCsvRow>& rows, const QString& bookPath,
                       const book::CardList& cards, int firstCard = 1);

} // namespace exchange
