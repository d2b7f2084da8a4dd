#pragma once

#include "labels/SheetTemplate.h"

#include <QString>

#include <optional>

namespace labels {

// The figures printed on a label sheet's package, each a field of the sheet
// editor and an attribute of the sheets file.
enum class SheetField {
    Maker,
    Part,
    Paper,
    Columns,
    Rows,
    LabelWidth,
    LabelHeight,
    TopMargin,
    LeftMargin,
    ColumnPitch,
    RowPitch,
    CornerRadius,
};

// The field's name as the sheet editor shows it: "ラベルの幅".
QString sheetFieldName(SheetField field);

// Why a sheet cannot be printed on, and the figure to mend.
struct SheetFigureFault {
    SheetField field = SheetField::Paper;
    // "ラベルの幅: 0 より大きい数にしてください"
    QString message;
};

// The first figure of sheet that no sheet can have: a size of zero or less,
// a negative margin or pitch, labels that overlap within a block, a corner
// radius past half the label, a label lying partly off the paper. Every
// block of labels is checked; nullopt when the sheet can be printed on.
std::optional<SheetFigureFault> checkSheetFigures(const SheetTemplate& sheet);

} // namespace labels
