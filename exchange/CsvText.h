#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace exchange {

// One record of a CSV file and the 1-based row it is in the file (records,
// not lines: a quoted line break stays inside its record).
struct CsvRow {
    int row = 0;
    QStringList cells;
};

// The records of CSV text after RFC 4180: comma-separated, a quoted cell may
// hold commas, doubled quotes and line breaks; records end in CR LF, LF or
// CR. Lines that hold nothing are skipped (they still count as rows). A quote
// inside an unquoted cell is taken as it is, as spreadsheets do.
QList<CsvRow> parseCsv(QStringView text);

// One cell as written: in double quotes (inner quotes doubled) when it holds
// a comma, a quote, a line break or leading or trailing spaces.
QString csvCell(const QString& text);

} // namespace exchange
