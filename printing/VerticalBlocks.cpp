#include "printing/VerticalBlocks.h"

#include "book/JointNames.h"
#include "platform/Units.h"
#include "printing/LineFit.h"

using namespace Qt::StringLiterals;

namespace printing::vertical {

using platform::twipsOfPoints;

void placeColumn(QList<PlacedRun>& runs, CellMeasure& measure, RunRole role,
                 const MeasuredColumn& column, const QString& face, double points, int leftTwips,
                 int topTwips) {
    const double em = twipsOfPoints(points);
    QString upright;
    double uprightStartEm = 0;
    double downEm = 0;
    auto flush = [&] {
        if (!upright.isEmpty())
            runs.append({role, upright, face, points, 100, leftTwips,
                         topTwips + rounded(uprightStartEm * em), true});
        upright.clear();
    };
    for (qsizetype i = 0; i < column.cells.size(); ++i) {
        const ColumnCell& cell = column.cells[i];
        if (cell.across) {
            flush();
            const double width = measure.acrossWidth(cell.text, points);
            const int stretch = fittingStretch(width, em);
            const double set = width * stretch / 100;
            runs.append({role, cell.text, face, points, stretch,
                         leftTwips + rounded((em - set) / 2), topTwips + rounded(downEm * em),
                         false});
        } else {
            if (upright.isEmpty())
                uprightStartEm = downEm;
            upright += cell.text;
        }
        downEm += column.lengthsEm[i];
    }
    flush();
}

std::optional<AddressLayout> layOutAddress(const MeasuredColumn& street,
                                           const QList<BreakPlace>& streetPlaces,
                                           const MeasuredColumn& building,
                                           const QList<BreakPlace>& buildingPlaces, double points,
                                           const VerticalFrame& frame) {
    const double roomEm =
        (frame.addressBottomTwips - frame.addressTopTwips) / twipsOfPoints(points);
    AddressLayout layout{points, {}, {}};
    if (!street.cells.isEmpty()) {
        const QList<MeasuredColumn> columns =
            breakColumns(street, streetPlaces, roomEm, roomEm - ContinuationIndentEm,
                         MostStreetColumns, BreakPlace::Anywhere);
        if (columns.isEmpty())
            return std::nullopt;
        for (qsizetype i = 0; i < columns.size(); ++i)
            layout.street.append(
                {columns[i], i == 0 ? 0 : ContinuationIndentEm, -1, i == 0 ? 0 : ColumnGapEm});
    }
    if (!building.cells.isEmpty()) {
        const double indent = layout.street.isEmpty() ? 0 : BuildingIndentEm;
        const QList<MeasuredColumn> columns = breakColumns(
            building, buildingPlaces, roomEm - indent, roomEm - indent - ContinuationIndentEm,
            MostBuildingColumns, BreakPlace::Anywhere);
        if (columns.isEmpty())
            return std::nullopt;
        for (qsizetype i = 0; i < columns.size(); ++i)
            layout.building.append({columns[i], indent + (i == 0 ? 0 : ContinuationIndentEm), -1,
                                    layout.street.isEmpty() && i == 0 ? 0 : ColumnGapEm});
    }
    return layout;
}

NameBlock jointNameBlock(CellMeasure& measure, const QString& person,
                         const MeasuredColumn& honorific) {
    const book::JointName joint = book::splitJointName(person);
    NameBlock block{{}, honorific, false};
    const double honorificGap = honorific.cells.isEmpty() ? 0 : HonorificGapEm;
    if (joint.givenNames.size() <= 1) {
        const MeasuredColumn name = measure.measured(book::trimmedSpaces(person));
        block.columns.append({name, 0, name.lengthEm() + honorificGap, 0});
        return block;
    }
    const MeasuredColumn head =
        measure.measured(joint.family.isEmpty() ? QString() : joint.family + u"　"_s);
    double longest = 0;
    QList<MeasuredColumn> given;
    for (const QString& name : joint.givenNames) {
        given << measure.measured(name);
        longest = qMax(longest, given.last().lengthEm());
    }
    const double honorificTop = head.lengthEm() + longest + honorificGap;
    for (qsizetype i = 0; i < given.size(); ++i) {
        if (i == 0)
            block.columns.append(
                {{head.cells + given[i].cells, head.lengthsEm + given[i].lengthsEm},
                 0,
                 honorificTop,
                 0});
        else
            block.columns.append({given[i], head.lengthEm(), honorificTop, NameColumnGapEm});
    }
    return block;
}

std::optional<NameBlock> brokenNameBlock(const MeasuredColumn& name,
                                         const MeasuredColumn& honorific, int count,
                                         BreakPlace worst) {
    const double honorificGap = honorific.cells.isEmpty() ? 0 : HonorificGapEm;
    const QList<MeasuredColumn> columns =
        breakEvenly(name, nameBreakPlaces(name.cells), count, ContinuationIndentEm,
                    honorificGap + honorific.lengthEm(), worst);
    if (columns.isEmpty())
        return std::nullopt;
    NameBlock block{{}, honorific, worst < BreakPlace::AfterPlace};
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const double top = i == 0 ? 0 : ContinuationIndentEm;
        const bool last = i + 1 == columns.size();
        block.columns.append({columns[i], top,
                              last ? top + columns[i].lengthEm() + honorificGap : -1,
                              i == 0 ? 0 : NameColumnGapEm});
    }
    return block;
}

int placeBlock(QList<PlacedRun>& runs, CellMeasure& measure, RunRole role,
               const QList<BlockColumn>& columns, const QString& face, double points,
               int rightTwips, int topTwips) {
    const double em = twipsOfPoints(points);
    double right = rightTwips;
    for (const BlockColumn& column : columns) {
        right -= column.gapBeforeEm * em;
        placeColumn(runs, measure, role, column.text, face, points, rounded(right - em),
                    topTwips + rounded(column.topEm * em));
        right -= em;
    }
    return rounded(right);
}

} // namespace printing::vertical
