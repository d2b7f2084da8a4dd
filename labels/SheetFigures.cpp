#include "labels/SheetFigures.h"

#include <QRectF>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// Library figures come rounded from inches and points: a label may reach up
// to a millimetre past the next one or past the paper's edge (Herma 4464's
// three columns of 199 pt on A4) and still take its address.
constexpr double ToleranceMm = 1.0;
// Labels this close stand as sheets place them: a gap of a few millimetres.
constexpr double ClosePitchMm = 5;

SheetFigureFault fault(SheetField field, const QString& what) {
    return {field, sheetFieldName(field) + u": "_s + what};
}

} // namespace

QString sheetFieldName(SheetField field) {
    switch (field) {
    case SheetField::Maker:
        return u"メーカー"_s;
    case SheetField::Part:
        return u"品番"_s;
    case SheetField::Paper:
        return u"用紙"_s;
    case SheetField::Columns:
        return u"列数"_s;
    case SheetField::Rows:
        return u"行数"_s;
    case SheetField::LabelWidth:
        return u"ラベルの幅"_s;
    case SheetField::LabelHeight:
        return u"ラベルの高さ"_s;
    case SheetField::TopMargin:
        return u"上余白"_s;
    case SheetField::LeftMargin:
        return u"左余白"_s;
    case SheetField::ColumnPitch:
        return u"横の間隔"_s;
    case SheetField::RowPitch:
        return u"縦の間隔"_s;
    case SheetField::CornerRadius:
        return u"角の丸み"_s;
    }
    return {};
}

std::optional<SheetFigureFault> checkSheetFigures(const SheetTemplate& sheet) {
    if (sheet.labelWidthMm <= 0)
        return fault(SheetField::LabelWidth, u"0 より大きい数にしてください"_s);
    if (sheet.labelHeightMm <= 0)
        return fault(SheetField::LabelHeight, u"0 より大きい数にしてください"_s);
    if (sheet.cornerRadiusMm < 0)
        return fault(SheetField::CornerRadius, u"0 以上の数にしてください"_s);
    if (sheet.cornerRadiusMm > std::min(sheet.labelWidthMm, sheet.labelHeightMm) / 2 + ToleranceMm)
        return fault(SheetField::CornerRadius,
                     u"ラベルの幅と高さの小さい方の半分までにしてください"_s);
    if (sheet.grids.isEmpty())
        return fault(SheetField::Columns, u"ラベルがありません"_s);

    const QSizeF paper = paperSizeMm(sheet.paper);
    const QString paperText = paperName(sheet.paper);
    if (sheet.labelWidthMm > paper.width() + ToleranceMm)
        return fault(SheetField::LabelWidth, paperText + u" の幅 "_s +
                                                 millimetreNumber(paper.width()) +
                                                 u" mm より大きいラベルです"_s);
    if (sheet.labelHeightMm > paper.height() + ToleranceMm)
        return fault(SheetField::LabelHeight, paperText + u" の高さ "_s +
                                                  millimetreNumber(paper.height()) +
                                                  u" mm より大きいラベルです"_s);
    for (const SheetGrid& grid : sheet.grids) {
        if (grid.columns < 1)
            return fault(SheetField::Columns, u"1 以上にしてください"_s);
        if (grid.rows < 1)
            return fault(SheetField::Rows, u"1 以上にしてください"_s);
        if (grid.x0Mm < 0)
            return fault(SheetField::LeftMargin, u"0 以上の数にしてください"_s);
        if (grid.y0Mm < 0)
            return fault(SheetField::TopMargin, u"0 以上の数にしてください"_s);
        if (grid.columns > 1 && grid.dxMm < sheet.labelWidthMm - ToleranceMm)
            return fault(SheetField::ColumnPitch,
                         u"ラベルの幅 "_s + millimetreNumber(sheet.labelWidthMm) +
                             u" mm 以上にしてください (ラベルが重なります)"_s);
        if (grid.rows > 1 && grid.dyMm < sheet.labelHeightMm - ToleranceMm)
            return fault(SheetField::RowPitch,
                         u"ラベルの高さ "_s + millimetreNumber(sheet.labelHeightMm) +
                             u" mm 以上にしてください (ラベルが重なります)"_s);
    }

    // Labels past the paper: the figure that carries them there is named.
    const QList<QRectF> labels = sheet.labelRects();
    int off = 0;
    bool pastRight = false;
    for (const QRectF& label : labels) {
        const bool right = label.right() > paper.width() + ToleranceMm;
        const bool bottom = label.bottom() > paper.height() + ToleranceMm;
        if (right || bottom)
            ++off;
        pastRight = pastRight || right;
    }
    if (off == 0)
        return std::nullopt;
    const QString what = QString::number(labels.size()) + u" 面のうち "_s + QString::number(off) +
                         u" 面が "_s + paperText + u" の用紙からはみ出します"_s;
    // The margin is at fault when the block would fit the paper from its
    // edge; else the count when the labels stand close (the pitch is as the
    // package says), else the pitch.
    const SheetGrid& first = sheet.grids.first();
    if (pastRight) {
        const double block = (first.columns - 1) * first.dxMm + sheet.labelWidthMm;
        if (block <= paper.width() + ToleranceMm)
            return fault(SheetField::LeftMargin, what);
        return fault(first.dxMm <= sheet.labelWidthMm + ClosePitchMm ? SheetField::Columns
                                                                     : SheetField::ColumnPitch,
                     what);
    }
    const double block = (first.rows - 1) * first.dyMm + sheet.labelHeightMm;
    if (block <= paper.height() + ToleranceMm)
        return fault(SheetField::TopMargin, what);
    return fault(first.dyMm <= sheet.labelHeightMm + ClosePitchMm ? SheetField::Rows
                                                                  : SheetField::RowPitch,
                 what);
}

} // namespace labels
