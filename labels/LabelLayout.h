#pragma once

#include "printing/Trims.h"

#include <QString>

namespace labels {

// An A4 sheet holds 12 labels, two columns by six rows, numbered 1 to 12
// across and then down: label L is in row (L + 1) / 2, odd labels on the left.
inline constexpr int LabelsPerSheet = 12;
inline constexpr int SheetRows = 6;
inline constexpr int LeftColumnXTwips = 1500;
inline constexpr int RightColumnXTwips = 6450;
inline constexpr int RowPitchTwips = 2390;
// The six lines of a cell, in the order they are drawn.
inline constexpr int LinesPerLabel = 6;
enum LabelLine { PostalLine = 1, Address1Line, Address2Line, Address3Line, NameLine, CodeLine };

// Row, column and bases of one label cell, twips from the page origin.
struct LabelCell {
    int row = 1; // 1 to 6
    bool rightColumn = false;
    int xBaseTwips = LeftColumnXTwips;
    int rowOffsetTwips = 0; // (row − 1) × 2390
};

// Where one line of a label starts (top-left of its first character) and its size.
struct LinePlacement {
    int xTwips = 0;
    int yTwips = 0;
    double points = 11;
};

// The cell of label 1 to 12.
LabelCell cellOf(int label);

// Top-left of one line (1 to 6) of a label, twips from the page origin,
// with the entry's name shift and the job's trims applied, and its point size.
LinePlacement linePlacement(int label, int line, int nameShiftTwips,
                            printing::OffsetsTwips offsets);

// Leftward shift of a name line, twips, from its character count: none up to
// 11 characters, 200 per character from 12 to 15, and 820 from 16 on.
int nameShift(const QString& nameLine);

// Sheets a job of entryCount entries from startLabel uses (at least 1), on
// sheets of labelsPerSheet labels.
int sheetCount(int entryCount, int startLabel, int labelsPerSheet = LabelsPerSheet);

// The entry (0-based) that label L of sheet k shows when printing starts at
// startLabel; negative for the untouched labels before the start on sheet 1.
// The number may reach the entry count or beyond: that cell is empty.
int entryOnLabel(int sheet, int label, int startLabel, int labelsPerSheet = LabelsPerSheet);

} // namespace labels
