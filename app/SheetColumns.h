#pragma once

#include <QList>
#include <QString>

namespace app {

enum class ColumnAlignment { Centre, Left };

// One column of the address list sheet as its format string gives it.
struct SheetColumn {
    QString heading;       // the heading without its padding ("住所１")
    QString paddedHeading; // the heading with the blanks whose text width sets the column's width
    ColumnAlignment alignment = ColumnAlignment::Left;
};

// The sheet's format string: "^" centred, "<" left, "|" between columns,
// headings padded with ASCII and ideographic blanks. From the menu the code
// column is four ideographic blanks wider than from the start window's button.
QString sheetFormat(bool fromMenu);

// The columns of a format string, in order; a part without "^" or "<" is left-aligned.
QList<SheetColumn> parseSheetFormat(const QString& format);

// The text of a 敬称 cell: "0" to "5" become their honorific, any other stored
// value is shown as it stands, so a damaged card is visible rather than blank.
QString sheetHonorific(const QString& storedIndex);

// Index, in the grid's row-major cell order, of the cell for the card at
// zero-based position `position` and grid column `column`, with the heading
// row first: (position + 1) * columnCount + column. Like the start window's
// routine it also adds 1 to `position` itself, so callers pass a copy.
int faIndex(int& position, int column, int columnCount);

// Whole device pixels for a length in twips (1/1440 inch), rounded.
int twipsToPixels(int twips, double dotsPerInch);

// The sheet window's title: the book's path followed by "住所一覧　".
QString sheetTitle(const QString& bookPath);

} // namespace app
