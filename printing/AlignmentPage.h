#pragma once

#include "platform/Printer.h"
#include "printing/Trims.h"

#include <QPoint>
#include <QSizeF>
#include <QString>

namespace printing {

// Marks on a page placed in millimetres from the paper's top-left corner,
// moved by the trims as a job's text is.
class PageMarks {
public:
    PageMarks(platform::Printer& printer, OffsetsTwips offsets)
        : m_printer(printer), m_offsets(offsets) {}

    // A point millimetres from the paper's top-left corner, moved by the trims.
    QPoint at(double xMm, double yMm) const;
    void line(double x1, double y1, double x2, double y2);
    void text(double xMm, double yMm, double points, const QString& text);

private:
    platform::Printer& m_printer;
    OffsetsTwips m_offsets;
};

// The crosses stand this far in from the paper's corners.
inline constexpr double AlignmentCrossInsetMm = 20;

// Two millimetre rulers (across near the top, down near the left) numbered
// from the paper's edges, and a cross 20 mm in from each corner.
void drawRulersAndCrosses(PageMarks& page, const QSizeF& paperMm);

// The alignment page of a medium: the rulers and crosses, and how to read
// the offset off them, for the user to type into the position dialog.
void drawAlignmentPage(platform::Printer& printer, const QSizeF& paperMm, const QString& medium,
                       OffsetsTwips offsets = {});

} // namespace printing
