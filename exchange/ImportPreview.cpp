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
// address 1 of prefecture and city.
int capacityOf(CardField field) {
    return field == CardField::Name || field == CardField::Address1 ? 2 : 1;
}

// What each column does under columns read from a header; the whole-name and
// whole-address columns win over their parts, as readCsv has it.
QList<CardField> usesOf(const CsvColumns& c, int columnCount) {
    QList<CardField> uses(columnCount, CardField::Unused);
    auto use = [&uses](int column, CardField field) {
        if (column >= 0 && column < uses.size() && uses.at(column) == CardField::Unused)
            uses[column] = field;
    };
    const bool person = c.name >= 0 || c.familyName >= 0 || c.givenName >= 0;
    if (c.name >= 0) {
        use(c.name, CardField::Name);
    } else {
        use(c.familyName, CardField::Name);
        use(c.givenName, CardField::Name);
    }
    if (c.address1 >= 0) {
        use(c.address1, CardField::Address1);
    } else {
        use(c.prefecture, CardField::Address1);
        use(c.city, CardField::Address1);
    }
    use(c.address2 >= 0 ? c.address2 : c.street, CardField::Address2);
    use(c.address3 >= 0 ? c.address3 : c.building, CardField::Address3);
    use(c.postalCode, CardField::PostalCode);
    use(c.code, CardField::Code);
    use(c.honorific, CardField::Honorific);
    // A person's company is kept as the code, unless a column gives one.
    if (!person)
        use(c.company, CardField::Name);
    else if (c.code < 0)
        use(c.company, CardField::Code);
    return uses;
}

// The columns that give what the uses say.
CsvColumns columnsOf(const QList<CardField>& uses) {
    auto columnsFor = [&uses](CardField field) {
        QList<int> found;
        for (int i = 0; i < uses.size(); ++i)
            if (uses.at(i) == field)
                found << i;
        return found;
    };
    CsvColumns c;
    const QList<int> names = columnsFor(CardField::Name);
    if (names.size() == 1) {
        c.name = names.first();
    } else if (names.size() >= 2) {
        c.familyName = names.at(0);
        c.givenName = names.at(1);
    }
    const QList<int> address1 = columnsFor(CardField::Address1);
    if (address1.size() == 1) {
        c.address1 = address1.first();
    } else if (address1.size() >= 2) {
        c.prefecture = address1.at(0);
        c.city = address1.at(1);
    }
    auto single = [&columnsFor](CardField field) {
        const QList<int> found = columnsFor(field);
        return found.isEmpty() ? -1 : found.first();
    };
    c.address2 = single(CardField::Address2);
    c.address3 = single(CardField::Address3);
    c.postalCode = single(CardField::PostalCode);
    c.code = single(CardField::Code);
    c.honorific = single(CardField::Honorific);
    return c;
}

} // namespace

QList<CardField> cardFieldChoices() {
    return {CardField::Name,       CardField::Address1, CardField::Address2,  CardField::Address3,
            CardField::PostalCode, CardField::Code,     CardField::Honorific, CardField::Unused};
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
    preview.m_uses = usesOf(preview.m_columns, width);
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

void ImportPreview::setColumnUse(int column, CardField field) {
    if (column < 0 || column >= m_uses.size())
        return;
    m_uses[column] = field;
    if (field != CardField::Unused) {
        int count = int(std::count(m_uses.cbegin(), m_uses.cend(), field));
        for (int i = 0; i < m_uses.size() && count > capacityOf(field); ++i) {
            if (i != column && m_uses.at(i) == field) {
                m_uses[i] = CardField::Unused;
                --count;
            }
        }
    }
    m_columns = columnsOf(m_uses);
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
    const qsizetype count = m_result.leftOut.size();
    if (count == 0)
        return u"取り込まないものはありません。"_s;
    QStringList report{u"取り込まないもの %1件"_s.arg(count)};
    for (qsizetype i = 0; i < count && i < lines; ++i)
        report << m_result.leftOut.at(i).describe();
    if (count > lines)
        report << u"…ほか%1件"_s.arg(count - lines);
    return report.join(u'\n');
}

} // namespace exchange
