#pragma once

#include "exchange/CsvColumns.h"
#include "exchange/CsvText.h"
#include "exchange/ImportedCard.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace exchange {

// What a column of a CSV file is used for in the cards it becomes.
enum class CardField {
    Name,
    Address1,
    Address2,
    Address3,
    PostalCode,
    Code,
    Honorific,
    Company,
    JointName,
    AddressLabel,
    Unused
};

// Every choice in the order a list offers them: the card fields, then 使わない.
QList<CardField> cardFieldChoices();
// 宛名, 住所1, 住所2, 住所3, 郵便番号, コード, 敬称, 会社, 連名, 自宅/勤務先, 使わない.
QString cardFieldCaption(CardField field);
// The fields of a card, the preview's columns: 宛名 to 敬称.
QList<CardField> cardFields();

// A contacts file read once for an import: the cards it gives, what is left
// out and, for CSV, what each column is used for, which the user may change
// (the rows are kept, so a change re-reads them without the file). Reading
// never writes the file.
class ImportPreview {
public:
    // The file at path; error() says why when it cannot be read or decoded.
    static ImportPreview read(const QString& path);
    // The file's bytes as read; path names the file and decides vCard or CSV.
    static ImportPreview fromBytes(const QByteArray& bytes, const QString& path);

    bool ok() const { return m_error.isEmpty(); }
    // English, with the file's name; empty when the file was read.
    const QString& error() const { return m_error; }

    bool isCsv() const { return m_csv; }
    // The columns of a CSV file (the widest row), 0 for vCard.
    int columnCount() const { return int(m_columns.uses.size()); }
    // Column 0-based's caption: its header cell, or "列3" when the file has no header row.
    QString columnCaption(int column) const;
    CardField columnUse(int column) const;
    // Uses column 0-based for field and reads the rows again. 宛名 and 住所1
    // take two columns (family and given name; prefecture and city), 会社
    // three (company, department, title), 連名 four, the other fields one
    // (住所 fields one for each of a row's addresses): a column that no
    // longer fits is set to 使わない.
    void setColumnUse(int column, CardField field);

    const book::CardList& cards() const { return m_result.cards; }
    const QList<LeftOut>& leftOut() const { return m_result.leftOut; }
    const QList<LeftOut>& remarks() const { return m_result.remarks; }
    // Captions of the CSV columns that hold text and feed no field.
    const QStringList& unusedColumns() const { return m_result.unusedColumns; }
    // "取り込まないもの 4件" and the first lines of the reasons, "…ほか2件" for
    // the rest; then what to check ("確認: …") and "使わなかった列: …".
    QString leftOutReport(int lines = 5) const;

private:
    void readRows();

    QString m_source;
    QString m_error;
    bool m_csv = false;
    QList<CsvRow> m_rows;
    bool m_header = false;
    CsvColumns m_columns;
    ImportResult m_result;
};

} // namespace exchange
