#include "labels/SheetLayout.h"

#include <algorithm>
#include <cmath>

namespace labels {

namespace {

QRect pageTwips(const QRectF& millimetres) {
    const int left = pagePositionTwips(millimetres.left());
    const int top = pagePositionTwips(millimetres.top());
    return QRect(QPoint(left, top), QPoint(pagePositionTwips(millimetres.right()) - 1,
                                           pagePositionTwips(millimetres.bottom()) - 1));
}

} // namespace

SheetLayout::SheetLayout(const SheetTemplate& sheet) : m_sheet(sheet) {
    for (const QRectF& rect : sheet.labelRects())
        m_cells.append(pageTwips(rect));
    if (!sheet.standardTextLayout) {
        const SheetTemplate& standard = standardSheet();
        m_scale = std::min(sheet.labelWidthMm / standard.labelWidthMm,
                           sheet.labelHeightMm / standard.labelHeightMm);
    }
}

QRect SheetLayout::cellTwips(int label) const {
    if (label < 1 || label > m_cells.size())
        return {};
    return m_cells[label - 1];
}

int SheetLayout::rightEdgeTwips(int label) const {
    return cellTwips(label).right() + 1;
}

LinePlacement SheetLayout::linePlacement(int label, int line, int nameShiftTwips,
                                         printing::OffsetsTwips offsets) const {
    if (m_sheet.standardTextLayout)
        return labels::linePlacement(label, line, nameShiftTwips, offsets);
    // The line as it sits in the standard sheet's first cell, scaled into this cell.
    static const QPoint standardCorner = pageTwips(standardSheet().labelRect(1)).topLeft();
    const LinePlacement standard = labels::linePlacement(1, line, nameShiftTwips, {});
    const auto scaled = [this](int twips) { return int(std::lround(twips * m_scale)); };
    const QPoint cell = cellTwips(label).topLeft();
    LinePlacement placement;
    placement.xTwips = offsets.xTwips + cell.x() + scaled(standard.xTwips - standardCorner.x());
    placement.yTwips = offsets.yTwips + cell.y() + scaled(standard.yTwips - standardCorner.y());
    placement.points =
        std::max(SmallestScaledPoints, std::round(standard.points * m_scale * 10) / 10);
    return placement;
}

int SheetLayout::sheetCount(int entryCount, int startLabel) const {
    return labels::sheetCount(entryCount, startLabel, labelCount());
}

int SheetLayout::entryOnLabel(int sheet, int label, int startLabel) const {
    return labels::entryOnLabel(sheet, label, startLabel, labelCount());
}

} // namespace labels
