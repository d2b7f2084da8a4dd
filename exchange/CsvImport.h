#pragma once

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
// Rows that hold nothing are skipped; a row with nothing but an honorific, with
// an honorific that is no honorific or with a character a book cannot hold
// is left out. Without a mapping, a first row that names no field fails.
ImportResult readCsv(const QByteArray& bytes, const QString& source, const CsvOptions& options = {});

} // namespace exchange
