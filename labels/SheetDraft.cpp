#include "labels/SheetDraft.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// The maker of a sheet the user typed in without naming one.
constexpr char16_t OwnMaker[] = u"自作";

QString plain(const QString& typed) {
    QString text = typed.normalized(QString::NormalizationForm_KC).trimmed();
    if (text.endsWith(u"mm"_s, Qt::CaseInsensitive))
        text.chop(2);
    return text.trimmed();
}

std::optional<double> length(const QString& typed) {
    static const QRegularExpression number(u"^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"_s);
    const QString text = plain(typed);
    if (!number.match(text).hasMatch())
        return std::nullopt;
    return text.toDouble();
}

std::optional<int> count(const QString& typed) {
    static const QRegularExpression number(u"^[+-]?\\d{1,4}$"_s);
    const QString text = plain(typed);
    if (!number.match(text).hasMatch())
        return std::nullopt;
    return text.toInt();
}

SheetFigureFault notANumber(SheetField field) {
    return {field, sheetFieldName(field) + u": 数字を入れてください"_s};
}

} // namespace

SheetDraftResult sheetFromDraft(const SheetDraft& draft) {
    SheetTemplate sheet;
    sheet.brand =
        draft.maker.trimmed().isEmpty() ? QString::fromUtf16(OwnMaker) : draft.maker.simplified();
    sheet.part = draft.part.simplified();
    // A sheet not named yet is still drawn as its figures stand, so that a
    // user sees the figures before thinking of a name; the name comes first
    // among the faults.
    std::optional<SheetFigureFault> unnamed;
    if (sheet.part.isEmpty())
        unnamed = SheetFigureFault{SheetField::Part,
                                   sheetFieldName(SheetField::Part) + u": 名前を入れてください"_s};
    const auto refused = [&](const SheetFigureFault& fault) {
        return SheetDraftResult{std::nullopt, unnamed ? unnamed : fault};
    };
    sheet.paper = draft.paper;

    const std::optional<int> columns = count(draft.columns);
    if (!columns)
        return refused(notANumber(SheetField::Columns));
    const std::optional<int> rows = count(draft.rows);
    if (!rows)
        return refused(notANumber(SheetField::Rows));
    // Each length with its field; an empty pitch or radius is left at 0 here.
    struct Figure {
        SheetField field;
        const QString& text;
        bool mayBeEmpty;
        double value = 0;
    };
    Figure figures[] = {
        {SheetField::LabelWidth, draft.labelWidth, false},
        {SheetField::LabelHeight, draft.labelHeight, false},
        {SheetField::TopMargin, draft.topMargin, false},
        {SheetField::LeftMargin, draft.leftMargin, false},
        {SheetField::ColumnPitch, draft.columnPitch, true},
        {SheetField::RowPitch, draft.rowPitch, true},
        {SheetField::CornerRadius, draft.cornerRadius, true},
    };
    for (Figure& figure : figures) {
        if (figure.mayBeEmpty && plain(figure.text).isEmpty())
            continue;
        const std::optional<double> value = length(figure.text);
        if (!value)
            return refused(notANumber(figure.field));
        figure.value = *value;
    }
    sheet.labelWidthMm = figures[0].value;
    sheet.labelHeightMm = figures[1].value;
    sheet.cornerRadiusMm = figures[6].value;
    const double dx = plain(draft.columnPitch).isEmpty() ? sheet.labelWidthMm : figures[4].value;
    const double dy = plain(draft.rowPitch).isEmpty() ? sheet.labelHeightMm : figures[5].value;
    sheet.grids = {{*columns, *rows, figures[3].value, figures[2].value, dx, dy}};
    return {sheet, unnamed ? unnamed : checkSheetFigures(sheet)};
}

SheetDraft draftOfSheet(const SheetTemplate& sheet) {
    SheetDraft draft;
    draft.maker = sheet.brand;
    draft.part = sheet.part;
    draft.paper = sheet.paper;
    const SheetGrid grid = sheet.grids.isEmpty() ? SheetGrid{} : sheet.grids.first();
    draft.columns = QString::number(grid.columns);
    draft.rows = QString::number(grid.rows);
    draft.labelWidth = millimetreNumber(sheet.labelWidthMm);
    draft.labelHeight = millimetreNumber(sheet.labelHeightMm);
    draft.topMargin = millimetreNumber(grid.y0Mm);
    draft.leftMargin = millimetreNumber(grid.x0Mm);
    draft.columnPitch = millimetreNumber(grid.dxMm);
    draft.rowPitch = millimetreNumber(grid.dyMm);
    draft.cornerRadius = millimetreNumber(sheet.cornerRadiusMm);
    return draft;
}

} // namespace labels
