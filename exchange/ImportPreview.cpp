#include "exchange/ImportPreview.h"

#include "book/FileBytes.h"
#include "exchange/CsvImport.h"
#include "exchange/TextEncoding.h"
#include "exchange/VCardImport.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

// How many columns may feed a field: a name of family and given name, an
// address 1 of prefecture and city, a company with department and title,
// four joint names.
int capacityOf(CardField field) {
    switch (field) {
    case CardField::Name:
    case CardField::Address1:
        return 2;
    case CardField::Company:
        return 3;
    case CardField::JointName:
        return 4;
    default:
        return 1;
    }
}

CardField fieldOf(ColumnRole role) {
    switch (role) {
    case ColumnRole::Name:
    case ColumnRole::FamilyName:
    case ColumnRole::GivenName:
        return CardField::Name;
    case ColumnRole::JointName:
        return CardField::JointName;
    case ColumnRole::Company:
    case ColumnRole::Department:
    case ColumnRole::Title:
        return CardField::Company;
    case ColumnRole::Address1:
    case ColumnRole::Prefecture:
    case ColumnRole::City:
        return CardField::Address1;
    case ColumnRole::Address2:
    case ColumnRole::Town:
    case ColumnRole::Street:
        return CardField::Address2;
    case ColumnRole::Address3:
    case ColumnRole::Building:
    case ColumnRole::Room:
    case ColumnRole::CareOf:
        return CardField::Address3;
    case ColumnRole::PostalCode:
        return CardField::PostalCode;
    case ColumnRole::AddressLabel:
        return CardField::AddressLabel;
    case ColumnRole::Code:
        return CardField::Code;
    case ColumnRole::Honorific:
        return CardField::Honorific;
    case ColumnRole::Unused:
        break;
    }
    return CardField::Unused;
}

ColumnRole roleOf(CardField field) {
    switch (field) {
    case CardField::Name:
        return ColumnRole::Name;
    case CardField::Address1:
        return ColumnRole::Address1;
    case CardField::Address2:
        return ColumnRole::Address2;
    case CardField::Address3:
        return ColumnRole::Address3;
    case CardField::PostalCode:
        return ColumnRole::PostalCode;
    case CardField::Code:
        return ColumnRole::Code;
    case CardField::Honorific:
        return ColumnRole::Honorific;
    case CardField::Company:
        return ColumnRole::Company;
    case CardField::JointName:
        return ColumnRole::JointName;
    case CardField::AddressLabel:
        return ColumnRole::AddressLabel;
    case CardField::Unused:
        break;
    }
    return ColumnRole::Unused;
}

bool isAddressField(CardField field) {
    return field == CardField::Address1 || field == CardField::Address2 ||
           field == CardField::Address3 || field == CardField::PostalCode ||
           field == CardField::AddressLabel;
}

} // namespace

QList<CardField> cardFieldChoices() {
    return {CardField::Name,         CardField::Address1,   CardField::Address2,
            CardField::Address3,     CardField::PostalCode, CardField::Code,
            CardField::Honorific,    CardField::Company,    CardField::JointName,
            CardField::AddressLabel, CardField::Unused};
}

QList<CardField> cardFields() {
    return {CardField::Name,       CardField::Address1, CardField::Address2, CardField::Address3,
            CardField::PostalCode, CardField::Code,     CardField::Honorific};
}

QString cardFieldCaption(CardField field) {
    switch (field) {
    case CardField::Name:
        return u"宛名"_s;
    case CardField::Address1:
        return u"住所1"_s;
    case CardField::Address2:
        return u"住所2"_s;
    case CardField::Address3:
        return u"住所3"_s;
    case CardField::PostalCode:
        return u"郵便番号"_s;
    case CardField::Code:
        return u"コード"_s;
    case CardField::Honorific:
        return u"敬称"_s;
    case CardField::Company:
        return u"会社"_s;
    case CardField::JointName:
        return u"連名"_s;
    case CardField::AddressLabel:
        return u"自宅/勤務先"_s;
    case CardField::Unused:
        break;
    }
    return u"使わない"_s;
}

ImportPreview ImportPreview::read(const QString& path) {
    book::ReadError readError;
    const std::optional<QByteArray> bytes = book::readFileBytes(path, &readError);
    if (!bytes) {
        ImportPreview preview;
        preview.m_source = QFileInfo(path).fileName();
        preview.m_error = readError.describe();
        return preview;
    }
    return fromBytes(*bytes, path);
}

ImportPreview ImportPreview::fromBytes(const QByteArray& bytes, const QString& path) {
    ImportPreview preview;
    preview.m_source = QFileInfo(path).fileName();
    if (isVCardFile(path, bytes)) {
        preview.m_result = readVCards(bytes, preview.m_source);
        preview.m_error = preview.m_result.error;
        return preview;
    }
    preview.m_csv = true;
    QString reason;
    const std::optional<QString> text = decodeText(bytes, TextEncoding::Detect, &reason);
    if (!text) {
        preview.m_error = preview.m_source + u": "_s + reason;
        return preview;
    }
    CsvRecords records = parseCsv(*text);
    if (!records.error.isEmpty()) {
        preview.m_error = preview.m_source + u": "_s + records.error;
        return preview;
    }
    preview.m_rows = std::move(records.rows);
    int width = 0;
    for (const CsvRow& row : preview.m_rows)
        width = std::max(width, int(row.cells.size()));
    const std::optional<CsvColumns> header =
        preview.m_rows.isEmpty() ? std::nullopt : columnsFromHeader(preview.m_rows.first().cells);
    preview.m_header = header.has_value();
    // Until the user changes a column, the header's columns as the command line reads them.
    preview.m_columns = header.value_or(CsvColumns());
    preview.m_columns.uses.resize(std::max<qsizetype>(width, preview.m_columns.uses.size()));
    if (preview.m_columns.addressKinds.isEmpty())
        preview.m_columns.addressKinds << AddressKind::Unlabelled;
    preview.readRows();
    return preview;
}

QString ImportPreview::columnCaption(int column) const {
    if (m_header && !m_rows.isEmpty()) {
        const QString cell = m_rows.first().cells.value(column).trimmed();
        if (!cell.isEmpty())
            return cell;
    }
    return u"列%1"_s.arg(column + 1);
}

CardField ImportPreview::columnUse(int column) const {
    return fieldOf(m_columns.use(column).role);
}

void ImportPreview::setColumnUse(int column, CardField field) {
    QList<ColumnUse>& uses = m_columns.uses;
    if (column < 0 || column >= uses.size())
        return;
    // An address column stays with its address; a new one joins the first in use.
    int address = 0;
    if (isAddressField(fieldOf(uses.at(column).role))) {
        address = uses.at(column).address;
    } else {
        for (const ColumnUse& use : uses)
            if (isAddressField(fieldOf(use.role))) {
                address = use.address;
                break;
            }
    }
    const auto sameField = [&](int i) {
        return fieldOf(uses.at(i).role) == field &&
               (!isAddressField(field) || uses.at(i).address == address);
    };
    uses[column] = ColumnUse{roleOf(field), isAddressField(field) ? address : 0};
    m_columns.ownExport = false;
    if (field != CardField::Unused) {
        int count = 0;
        for (int i = 0; i < uses.size(); ++i)
            count += sameField(i);
        for (int i = 0; i < uses.size() && count > capacityOf(field); ++i) {
            if (i != column && sameField(i)) {
                uses[i] = ColumnUse();
                --count;
            }
        }
        // The columns of one field are now joined in their order.
        for (int i = 0; i < uses.size(); ++i)
            if (sameField(i) && field != CardField::Company)
                uses[i].role = roleOf(field);
    }
    readRows();
}

void ImportPreview::readRows() {
    if (!m_columns.namesAnything()) {
        m_result = ImportResult();
        return;
    }
    m_result = readCsvRows(m_rows, m_header ? 1 : 0, m_columns, m_source);
}

QString ImportPreview::leftOutReport(int lines) const {
    if (m_csv && !m_columns.namesAnything())
        return u"宛名か住所の列を選んでください。"_s;
    QStringList report;
    const qsizetype count = m_result.leftOut.size();
    if (count == 0)
        report << u"取り込まないものはありません。"_s;
    else
        report << u"取り込まないもの %1件"_s.arg(count);
    for (qsizetype i = 0; i < count && i < lines; ++i)
        report << m_result.leftOut.at(i).describe();
    if (count > lines)
        report << u"…ほか%1件"_s.arg(count - lines);
    for (qsizetype i = 0; i < m_result.remarks.size() && i < lines; ++i)
        report << u"確認: "_s + m_result.remarks.at(i).describe();
    if (m_result.remarks.size() > lines)
        report << u"確認…ほか%1件"_s.arg(m_result.remarks.size() - lines);
    if (!m_result.unusedColumns.isEmpty())
        report << unusedColumnsLine(m_result.unusedColumns);
    return report.join(u'\n');
}

} // namespace exchange
