#include "labels/LabelLayout.h"

#include "platform/Printer.h"

#include <QList>

namespace labels {

namespace {

struct LineGeometry {
    int leftX;
    int rightX;
    int row1Y;
    double points;
};

// The right column's name and code lines stand 50 twips further into their
// cell than the left column's.
constexpr LineGeometry Lines[LinesPerLabel] = {
    {1500, 6450, 1200, 11}, // postal line
    {1500, 6450, 1600, 11}, // address line 1
    {1500, 6450, 1900, 11}, // address line 2
    {1700, 6650, 2200, 11}, // address line 3, indented
    {2300, 7300, 2700, 12}, // name line, before its shift
    {2500, 7500, 3050, 10}, // code line
};

} // namespace

LabelCell cellOf(int label) {
    LabelCell cell;
    cell.row = (label + 1) / 2;
    cell.rightColumn = label % 2 == 0;
    cell.xBaseTwips = cell.rightColumn ? RightColumnXTwips : LeftColumnXTwips;
    cell.rowOffsetTwips = (cell.row - 1) * RowPitchTwips;
    return cell;
}

LinePlacement linePlacement(int label, int line, int nameShiftTwips,
                            printing::OffsetsTwips offsets) {
    const LabelCell cell = cellOf(label);
    const LineGeometry& geometry = Lines[line - 1];
    LinePlacement placement;
    placement.xTwips = offsets.xTwips + (cell.rightColumn ? geometry.rightX : geometry.leftX);
    if (line == NameLine)
        placement.xTwips -= nameShiftTwips;
    placement.yTwips = offsets.yTwips + geometry.row1Y + cell.rowOffsetTwips;
    placement.points = geometry.points;
    return placement;
}

int nameShift(const QString& nameLine) {
    // Characters, not UTF-16 units: a kanji outside the basic plane counts once.
    const qsizetype characters = nameLine.toUcs4().size();
    if (characters <= 11)
        return 0;
    if (characters <= 15)
        return int(characters - 11) * 200;
    return 820;
}

int sheetCount(int entryCount, int startLabel, int labelsPerSheet) {
    const int onFirstSheet = labelsPerSheet + 1 - startLabel;
    if (entryCount <= onFirstSheet)
        return 1;
    const int rest = entryCount - onFirstSheet;
    return 1 + (rest + labelsPerSheet - 1) / labelsPerSheet;
}

int entryOnLabel(int sheet, int label, int startLabel, int labelsPerSheet) {
    if (sheet == 1)
        return label - startLabel;
    return (labelsPerSheet + 1 - startLabel) + labelsPerSheet * (sheet - 2) + (label - 1);
}

} // namespace labels
