#include "exchange/CsvImport.h"

#include "exchange/CsvColumns.h"
#include "exchange/CsvText.h"

#include "book/JointNames.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

// Appends a cell to what a field has so far, separator between them.
void append(QString& field, const QString& cell, QStringView separator) {
    const QString text = book::trimmedSpaces(cell);
    if (text.isEmpty())
        return;
    if (!field.isEmpty())
        field += separator;
    field += text;
}

// The parts of one address as a row gives them.
struct AddressParts {
    QString address1, prefecture, city, address2, town, street, address3, building, room, careOf,
        postal, label;
};

AddressKind kindOfLabel(QString label) {
    label = label.trimmed().toLower();
    if (label.startsWith(u'*'))
        label = label.mid(1).trimmed();
    if (label == u"home"_s || label == u"自宅"_s)
        return AddressKind::Home;
    if (label == u"work"_s || label == u"business"_s || label == u"勤務先"_s || label == u"会社"_s)
        return AddressKind::Work;
    return AddressKind::Unlabelled;
}

// What a row says, by the columns.
Contact contactOfRow(const QStringList& cells, const CsvColumns& columns) {
    Contact contact;
    contact.ownExport = columns.ownExport;
    QList<AddressParts> addresses(std::max<qsizetype>(1, columns.addressKinds.size()));
    QString family, given;
    constexpr QStringView Space = u"　";
    constexpr QStringView Nothing = u"";
    const qsizetype count = std::min(cells.size(), columns.uses.size());
    for (qsizetype i = 0; i < count; ++i) {
        const ColumnUse use = columns.uses.at(i);
        const QString& cell = cells.at(i);
        AddressParts& a = addresses[std::clamp<qsizetype>(use.address, 0, addresses.size() - 1)];
        switch (use.role) {
        case ColumnRole::Unused:
            break;
        case ColumnRole::Name:
            append(contact.person, cell, Space);
            break;
        case ColumnRole::FamilyName:
            append(family, cell, Space);
            break;
        case ColumnRole::GivenName:
            append(given, cell, Space);
            break;
        case ColumnRole::JointName:
            if (!book::trimmedSpaces(cell).isEmpty())
                contact.jointNames << cell;
            break;
        case ColumnRole::Company:
            append(contact.company, cell, Space);
            break;
        case ColumnRole::Department:
            append(contact.department, cell, Space);
            break;
        case ColumnRole::Title:
            append(contact.title, cell, Space);
            break;
        case ColumnRole::Address1:
            append(a.address1, cell, Nothing);
            break;
        case ColumnRole::Prefecture:
            append(a.prefecture, cell, Nothing);
            break;
        case ColumnRole::City:
            append(a.city, cell, Nothing);
            break;
        case ColumnRole::Address2:
            append(a.address2, cell, Nothing);
            break;
        case ColumnRole::Town:
            append(a.town, cell, Nothing);
            break;
        case ColumnRole::Street:
            append(a.street, cell, Nothing);
            break;
        case ColumnRole::Address3:
            append(a.address3, cell, Space);
            break;
        case ColumnRole::Building:
            append(a.building, cell, Space);
            break;
        case ColumnRole::Room:
            append(a.room, cell, Space);
            break;
        case ColumnRole::CareOf:
            append(a.careOf, cell, Space);
            break;
        case ColumnRole::PostalCode:
            append(a.postal, cell, Nothing);
            break;
        case ColumnRole::AddressLabel:
            a.label = cell;
            break;
        case ColumnRole::Code:
            append(contact.code, cell, Space);
            break;
        case ColumnRole::Honorific:
            contact.honorific = cell;
            break;
        }
    }
    if (contact.person.isEmpty()) {
        contact.person = family;
        append(contact.person, given, Space);
    }
    for (qsizetype k = 0; k < addresses.size(); ++k) {
        const AddressParts& a = addresses.at(k);
        ContactAddress address;
        address.line1 = a.address1.isEmpty() ? a.prefecture + a.city : a.address1;
        address.line2 = a.address2.isEmpty() ? a.town + a.street : a.address2;
        address.line3 = a.address3;
        for (const QString* part : {&a.building, &a.room, &a.careOf})
            append(address.line3, *part, Space);
        address.postalCode = a.postal;
        address.kind = columns.addressKinds.value(k, AddressKind::Unlabelled);
        if (address.kind == AddressKind::Unlabelled)
            address.kind = kindOfLabel(a.label);
        contact.addresses << address;
    }
    return contact;
}

// The file's own fields, for this program's export read back.
Contact ownContactOfRow(const QStringList& cells) {
    Contact contact;
    contact.ownExport = true;
    ContactAddress address;
    contact.person = cells.value(0);
    address.line1 = cells.value(1);
    address.line2 = cells.value(2);
    address.line3 = cells.value(3);
    address.postalCode = cells.value(4);
    contact.code = cells.value(5);
    contact.honorific = honorificIndexFor(cells.value(6)).value_or(cells.value(6));
    contact.addresses << address;
    return contact;
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
    int width = int(columns.uses.size());
    QList<bool> holdsText;
    for (qsizetype r = first; r < rows.size(); ++r) {
        const CsvRow& row = rows.at(r);
        if (isBlank(row.cells))
            continue;
        width = std::max(width, int(row.cells.size()));
        holdsText.resize(width);
        for (qsizetype i = 0; i < row.cells.size(); ++i)
            if (!holdsText.at(i) && !row.cells.at(i).trimmed().isEmpty())
                holdsText[i] = true;
        // A cell an export escaped as a formula ('=…) comes back as it was.
        QStringList cells;
        for (const QString& cell : row.cells)
            cells << formulaUnescaped(cell);
        Contact contact = columns.ownExport ? ownContactOfRow(cells) : contactOfRow(cells, columns);
        contact.source = source;
        contact.place = u"%1行目"_s.arg(row.row);
        LeftOut leftOut;
        if (const std::optional<book::AddressCard> card =
                cardOfContact(contact, &leftOut, &result.remarks))
            result.cards << *card;
        else
            result.leftOut << leftOut;
    }
    for (int i = 0; i < holdsText.size(); ++i) {
        if (!holdsText.at(i) || columns.use(i).role != ColumnRole::Unused)
            continue;
        const QString caption = first > 0 ? rows.first().cells.value(i).trimmed() : QString();
        result.unusedColumns << (caption.isEmpty() ? u"列%1"_s.arg(i + 1) : caption);
    }
    return result;
}

} // namespace exchange
