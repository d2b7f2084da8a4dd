#pragma once

#include "exchange/CsvColumns.h"
#include "exchange/CsvText.h"
#include "exchange/ImportedCard.h"
#include "exchange/TextEncoding.h"

#include <QByteArray>
#include <QString>

namespace exchange {

struct CsvOptions {
    TextEncoding encoding = TextEncoding::Detect;
    // A typed column mapping (see columnsFromMapping); empty: the header row
    // names the columns. With a mapping a first row that is a header is skipped.
    QString mapping;
};

// The cards of a CSV file's bytes; source names the file in what is left out.
// Each row is a contact made into a card by cardOfContact, as a vCard's is;
// rows that hold nothing are skipped. The columns that hold text and feed no
// field are named in the result. The header this program's export writes
// gives its fields back as they are. Without a mapping, a first row that
// names no field fails.
ImportResult readCsv(const QByteArray& bytes, const QString& source,
                     const CsvOptions& options = {});

// The cards of parsed rows from index first on (0, or 1 past a header), the
// columns as given; the rules of readCsv. An import preview re-reads its rows
// with other columns without decoding the file again.
ImportResult readCsvRows(const QList<CsvRow>& rows, qsizetype first, const CsvColumns& columns,
                         const QString& source);

} // namespace exchange
