#pragma once

#include "labels/SheetFigures.h"
#include "labels/SheetTemplate.h"

#include <QString>

#include <optional>

namespace labels {

// The figures of a sheet as the user types them from its package, each the
// text of one field of the sheet editor, millimetres where a length.
struct SheetDraft {
    QString maker;
    QString part;
    SheetPaper paper = SheetPaper::A4;
    QString columns;
    QString rows;
    QString labelWidth;
    QString labelHeight;
    QString topMargin;
    QString leftMargin;
    // Empty: the labels touch (the pitch is the label's size).
    QString columnPitch;
    QString rowPitch;
    // Empty: square corners.
    QString cornerRadius;
};

// The figures read once: the sheet they make, and the first field that
// cannot be (not a number, or checkSheetFigures() refuses it). A sheet
// refused by its figures is still given, to be drawn as it stands; when a
// field is not a number there is none. Full-width digits from an input
// method and a trailing "mm" are read as typed.
struct SheetDraftResult {
    std::optional<SheetTemplate> sheet;
    std::optional<SheetFigureFault> fault;

    bool ok() const { return sheet && !fault; }
};
SheetDraftResult sheetFromDraft(const SheetDraft& draft);

// The fields of a sheet of one block of labels, to edit it.
SheetDraft draftOfSheet(const SheetTemplate& sheet);

} // namespace labels
