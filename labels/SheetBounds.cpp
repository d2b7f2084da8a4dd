#include "labels/SheetBounds.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// A grid that reaches this many papers' lengths away is a wrong figure, not
// a sheet: nearer ones are kept and shown as faulty sheets, their figure
// named, by the sheet checks of the chooser.
constexpr double FarOffPapers = 10;

QString mm(double millimetres) {
    // 1e308 mm is shown as such, not rounded to hundredths (which overflows).
    if (std::abs(millimetres) >= 1e6)
        return QString::number(millimetres, 'g', 3) + u" mm"_s;
    return millimetreNumber(millimetres) + u" mm"_s;
}

// The first label's corner, the pitch and the label size of one direction
// of a grid against the paper's size in that direction.
QString gridAxisFault(const QString& axis, const QString& pitchName, const QString& countName,
                      int count, double startMm, double pitchMm, double labelMm, double paperMm,
                      const QString& paper) {
    if (count > 1 && pitchMm <= 0)
        return u"Layout %1=\"%2\" must be more than 0 when %3=\"%4\""_s
            .arg(pitchName, mm(pitchMm), countName)
            .arg(count);
    const double endMm = startMm + (count - 1) * pitchMm + labelMm;
    if (endMm > paperMm * FarOffPapers)
        return u"Layout %1 and %2 put labels %3 from the edge, far off the %4 paper (%5)"_s.arg(
            axis, pitchName, mm(endMm), paper, mm(paperMm));
    return {};
}

} // namespace

QString sheetFiguresFault(const SheetTemplate& sheet) {
    const QSizeF paper = paperSizeMm(sheet.paper);
    const QString paperText = paperName(sheet.paper);
    const struct {
        const char16_t* name;
        double value;
        double limit;
    } sizes[] = {{u"width", sheet.labelWidthMm, paper.width()},
                 {u"height", sheet.labelHeightMm, paper.height()}};
    for (const auto& size : sizes) {
        if (size.value <= 0)
            return u"Label-rectangle %1=\"%2\" must be more than 0"_s.arg(
                QString::fromUtf16(size.name), mm(size.value));
        if (size.value > size.limit)
            return u"Label-rectangle %1=\"%2\" is larger than the %3 paper (%4)"_s.arg(
                QString::fromUtf16(size.name), mm(size.value), paperText, mm(size.limit));
    }
    qint64 labels = 0;
    for (const SheetGrid& grid : sheet.grids) {
        QString fault = gridAxisFault(u"x0"_s, u"dx"_s, u"nx"_s, grid.columns, grid.x0Mm, grid.dxMm,
                                      sheet.labelWidthMm, paper.width(), paperText);
        if (fault.isEmpty())
            fault = gridAxisFault(u"y0"_s, u"dy"_s, u"ny"_s, grid.rows, grid.y0Mm, grid.dyMm,
                                  sheet.labelHeightMm, paper.height(), paperText);
        if (!fault.isEmpty())
            return fault;
        labels += qint64(grid.columns) * grid.rows;
    }
    if (labels > MaxLabelsPerSheet)
        return u"Layout nx and ny give %1 labels, more than %2 on one sheet"_s.arg(labels).arg(
            MaxLabelsPerSheet);
    return {};
}

} // namespace labels
