#include "exchange/CsvImport.h"

#include "exchange/CsvColumns.h"
#include "exchange/CsvText.h"

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

// The cell as the card takes it: a formula escape from an export undone.
QString cellAt(const QStringList& cells, int column) {
    return column >= 0 && column < cells.size() ? formulaUnescaped(cells.at(column)) : QString();
}

// Two parts of one field: both, one ideographic space between them.
QString joined(const QString& first, const QString& second, const QString& separator) {
    if (first.isEmpty())
        return second;
    if (second.isEmpty())
        return first;
    return first + separator + second;
}

// The card a row describes, before it is made storable; the honorific cell
// is left in the field as typed.
book::AddressCard cardOfRow(const QStringList& cells, const CsvColumns& columns) {
    book::AddressCard card;
    QString person = cellAt(cells, columns.name);
    if (person.isEmpty())
        person = joined(cellAt(cells, columns.familyName), cellAt(cells, columns.givenName), u"　"_s);
    const QString company = cellAt(cells, columns.company);
    card.name = person.isEmpty() ? company : person;
    card.code = cellAt(cells, columns.code);
    // A person's company goes where the book keeps extra text, unless that is taken.
    if (!person.isEmpty() && card.code.isEmpty())
        card.code = company;
    card.address1 = columns.address1 >= 0
                        ? cellAt(cells, columns.address1)
                        : cellAt(cells, columns.prefecture) + cellAt(cells, columns.city);
    card.address2 = columns.address2 >= 0 ? cellAt(cells, columns.address2) : cellAt(cells, columns.street);
    card.address3 = columns.address3 >= 0 ? cellAt(cells, columns.address3) : cellAt(cells, columns.building);
    card.postalCode = cellAt(cells, columns.postalCode);
    card.honorific = cellAt(cells, columns.honorific);
    return card;
}

bool isBlank(const QStringList& cells) {
    for (const QString& cell : cells)
        if (!cell.trimmed().isEmpty())
            return false;
    return true;
}

} // namespace

ImportResult readCsv(const QByteArray& bytes, const QString& source, const CsvOptions& options) {
    ImportResult result;
    QString reason;
    const std::optional<QString> text = decodeText(bytes, options.encoding, &reason);
    if (!text) {
        result.error = source + u": "_s + reason;
        return result;
    }
    const CsvRecords records = parseCsv(*text);
    if (!records.error.isEmpty()) {
        result.error = source + u": "_s + records.error;
        return result;
    }
    const QList<CsvRow>& rows = records.rows;
    std::optional<CsvColumns> columns;
    qsizetype first = 0;
    if (!options.mapping.isEmpty()) {
        columns = columnsFromMapping(options.mapping, &reason);
        if (!columns) {
            result.error = reason;
            return result;
        }
        if (!rows.isEmpty() && columnsFromHeader(rows.first().cells))
            first = 1;
    } else {
        if (!rows.isEmpty())
            columns = columnsFromHeader(rows.first().cells);
        if (!columns || !columns->namesAnything()) {
            result.error = source + u": the first row is not a header that names the fields "
                                    u"(氏名, 住所1, 郵便番号 …); give a column mapping such as "
                                    u"name=1,address1=2,zip=3"_s;
            return result;
        }
        first = 1;
    }
    return readCsvRows(rows, first, *columns, source);
}

ImportResult readCsvRows(const QList<CsvRow>& rows, qsizetype first, const CsvColumns& columns,
                         const QString& source) {
    ImportResult result;
    for (qsizetype r = first; r < rows.size(); ++r) {
        const CsvRow& row = rows.at(r);
        if (isBlank(row.cells))
            continue;
        LeftOut leftOut;
        leftOut.source = source;
        leftOut.place = u"row %1"_s.arg(row.row);
        book::AddressCard card = cardOfRow(row.cells, columns);
        bool empty = true;
        for (int field = 1; field < book::AddressCard::FieldCount; ++field)
            empty = empty && card.field(field).trimmed().isEmpty();
        if (empty) {
            leftOut.reason = u"no name, address, postal code or code"_s;
            result.leftOut << leftOut;
            continue;
        }
        if (columns.honorific < 0) {
            card.honorific = u"0"_s;
        } else {
            const std::optional<QString> index = honorificIndexFor(card.honorific);
            if (!index) {
                leftOut.field = 7;
                leftOut.reason = u"「%1」 is not one of 様, 殿, 御中, 差出, 行 or empty"_s.arg(card.honorific);
                result.leftOut << leftOut;
                continue;
            }
            card.honorific = *index;
        }
        const std::optional<book::AddressCard> stored = storableCard(card, &leftOut);
        if (!stored) {
            result.leftOut << leftOut;
            continue;
        }
        result.cards << *stored;
    }
    return result;
}

} // namespace exchange
