#pragma once

#include <QList>
#include <QString>

namespace printing {

// One place down a column: a character upright in its vertical form, or a
// two-digit number set side by side in one character's room (縦中横),
// held as its two half-width digits.
struct ColumnCell {
    QString text;
    bool across = false;

    bool operator==(const ColumnCell&) const = default;
};

using ColumnText = QList<ColumnCell>;

// A name or address line as a column sets it, one cell per place:
// - every half-width character in its full-width form (letters stand upright);
// - the numbers of an address in kanji: before 丁目, 番地, 番, 号 (and 丁, 条)
//   a number of one or two digits is counted out (10丁目 is 十丁目), every
//   other number goes digit by digit (1-2-3 is 一ー二ー三, 101号 is 一〇一号);
// - a number beside a Latin letter or following katakana belongs to a building
//   or a room and stays readable: one digit upright in full width (Ｂ１Ｆ),
//   two digits side by side in one cell (ビル 12 Ｆ), more digits upright one
//   under another (メゾン１０１);
// - a hyphen or dash next to a digit or letter as "ー", a vertical line.
ColumnText verticalColumn(const QString& line);

// The characters of the cells, in order.
QString columnString(const ColumnText& cells);

// columnString(verticalColumn(line)).
QString verticalText(const QString& line);

} // namespace printing
