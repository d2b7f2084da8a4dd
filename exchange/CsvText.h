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

// The records of a CSV text, or why it cannot be read.
struct CsvRecords {
    QList<CsvRow> rows;
    QString error; // "row 3: its quoted field is never closed …"; empty when read whole
};

// The records of CSV text after RFC 4180: comma-separated, a quoted cell may
// hold commas, doubled quotes and line breaks; records end in CR LF, LF or
// CR. Lines that hold nothing are skipped (they still count as rows). A quote
// inside an unquoted cell is taken as it is, as spreadsheets do. A quoted
// cell that is never closed would swallow every row after it: an error
// naming the row where it opens.
CsvRecords parseCsv(QStringView text);

// One cell as written: in double quotes (inner quotes doubled) when it holds
// a comma, a quote, a line break or leading or trailing spaces.
QString csvCell(const QString& text);

// A field a spreadsheet would take for a formula (it starts with = + - @,
// a tab or a CR, after any apostrophes) with one more apostrophe in front,
// which a spreadsheet shows as text; every other field as it is.
QString formulaEscaped(const QString& field);
// The escape undone: one leading apostrophe taken off a field that
// formulaEscaped would have written; formulaUnescaped(formulaEscaped(x)) == x.
QString formulaUnescaped(const QString& field);

} // namespace exchange
