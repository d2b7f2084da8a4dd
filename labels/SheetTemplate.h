#pragma once

#include "platform/Printer.h"

#include <QList>
#include <QPoint>
#include <QRectF>
#include <QString>

namespace labels {

// The papers a label sheet may be printed on, all portrait.
enum class SheetPaper { A4, B5, A5, Postcard, Letter };

// One block of equal labels on a sheet: columns × rows, the first label's
// top-left corner and the distance from one label to the next, millimetres
// from the paper's top-left corner.
struct SheetGrid {
    int columns = 1;
    int rows = 1;
    double x0Mm = 0;
    double y0Mm = 0;
    double dxMm = 0;
    double dyMm = 0;
};

// A label sheet as a shop sells it: the paper, the size and corner radius
// of its labels, and one or more grids that place them.
struct SheetTemplate {
    QString brand;
    QString part;
    QString description;
    SheetPaper paper = SheetPaper::A4;
    double labelWidthMm = 0;
    double labelHeightMm = 0;
    double cornerRadiusMm = 0;
    QList<SheetGrid> grids;
    // Texts go where the standard 12-label sheet has always put them (the
    // twips tables of LabelLayout), not scaled into the cells.
    bool standardTextLayout = false;
    // Where the sheet came from, for messages: a file path, or empty.
    QString source;
    // Why labels cannot be printed on this sheet (labels off the paper,
    // labels overlapping): empty for a sound sheet.
    QString fault;

    // "BRAND PART", the name a user types.
    QString name() const;
    int labelCount() const;
    // Label 1 to labelCount(): its rectangle in millimetres from the paper's
    // top-left corner. Labels are numbered across and then down over the
    // whole sheet, whatever grid they belong to.
    QRectF labelRect(int label) const;
    // Every label's rectangle, in label order.
    QList<QRectF> labelRects() const;
    // Where each label stands, in label order: its column and row (from 0)
    // among the distinct left and top edges of the sheet's labels.
    QList<QPoint> gridPlaces() const;
    // "Hisago ELM012 — A4, 24 labels of 66 × 33.9 mm"
    QString summary() const;
};

// The sheet the program always offers: A4 with 12 labels of 86.4 × 42.3 mm
// in two columns of six, meeting at the middle of the page.
const SheetTemplate& standardSheet();

// A label size as the user reads and types it: "70", "33.9", to a hundredth
// of a millimetre.
QString millimetreNumber(double millimetres);

// The paper's name ("A4", "US Letter") and size in millimetres.
QString paperName(SheetPaper paper);
QSizeF paperSizeMm(SheetPaper paper);
// The printer's paper for a sheet's paper.
platform::PaperSize printerPaper(SheetPaper paper);

// A length on paper, millimetres from the paper's top or left edge, as a
// page position in twips from the printer's page origin.
using platform::pagePositionTwips;
// A length in millimetres as twips (1440 to the inch).
double millimetresAsTwips(double millimetres);

} // namespace labels
