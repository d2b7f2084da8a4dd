#pragma once

#include "labels/LabelLayout.h"
#include "labels/SheetTemplate.h"
#include "printing/Trims.h"

#include <QList>
#include <QRect>

namespace labels {

// Where the six lines of a label go on one sheet. The standard sheet keeps
// its twips tables (LabelLayout); on any other sheet the block of lines sits
// in each cell as it sits in the standard sheet's first cell, scaled by the
// smaller of the width and height ratios of the cells, and no line is set
// smaller than 6 pt.
class SheetLayout {
public:
    explicit SheetLayout(const SheetTemplate& sheet);

    const SheetTemplate& sheet() const { return m_sheet; }
    int labelCount() const { return int(m_cells.size()); }
    // The factor positions and sizes are scaled by: 1 on the standard sheet.
    double textScale() const { return m_scale; }

    // Label 1 to labelCount(): its cell, twips from the page origin.
    QRect cellTwips(int label) const;
    // The cell's right edge, twips from the page origin.
    int rightEdgeTwips(int label) const;

    // Top-left of one line (1 to 6) of a label, twips from the page origin,
    // with the entry's name shift and the job's trims applied, and its size.
    LinePlacement linePlacement(int label, int line, int nameShiftTwips,
                                printing::OffsetsTwips offsets) const;

    // Sheets a job of entryCount entries from startLabel uses (at least 1).
    int sheetCount(int entryCount, int startLabel) const;
    // The entry on label L of sheet k, as LabelLayout's entryOnLabel().
    int entryOnLabel(int sheet, int label, int startLabel) const;

private:
    SheetTemplate m_sheet;
    QList<QRect> m_cells;
    double m_scale = 1;
};

inline constexpr double SmallestScaledPoints = 6;

} // namespace labels
