#pragma once

#include "platform/Printer.h"
#include "printing/ColumnBreak.h"
#include "printing/PlacedRun.h"
#include "printing/VerticalText.h"
#include "printing/VerticalTypesetter.h"

#include <QHash>
#include <QList>
#include <QString>

#include <cmath>
#include <optional>

// The columns and blocks a vertical card is set from, in ems of their size.
namespace printing::vertical {

// Lengths are measured once at this size and scale with it.
inline constexpr double MeasuringPoints = 20;
inline constexpr double SizeStep = 0.5;
inline constexpr double LeastPoints = 6;
inline constexpr double ColumnGapEm = 0.5;     // between the columns of an address
inline constexpr double NameColumnGapEm = 0.3; // joint names stand close
inline constexpr double HonorificGapEm = 0.5;
inline constexpr double ContinuationIndentEm = 1;
inline constexpr double BuildingIndentEm = 2;
inline constexpr int MostStreetColumns = 3;
inline constexpr int MostBuildingColumns = 2;

inline int rounded(double twips) {
    return int(std::lround(twips));
}

inline double flooredPoints(double points) {
    return std::floor(points * 10 + 1e-6) / 10;
}

inline double largerOrLeast(double points) {
    return qMax(LeastPoints, points);
}

// Measures cells in the face, each once.
class CellMeasure {
public:
    CellMeasure(platform::Printer& printer, const QString& face) : m_printer(printer) {
        m_printer.setFontName(face);
    }

    MeasuredColumn measured(const ColumnText& cells) {
        MeasuredColumn column{cells, {}};
        for (const ColumnCell& cell : cells)
            column.lengthsEm << lengthEm(cell);
        return column;
    }
    MeasuredColumn measured(const QString& line) { return measured(verticalColumn(line)); }

    // Width in twips of text set across at this size.
    double acrossWidth(const QString& text, double points) {
        m_printer.setFontSize(points);
        return m_printer.textWidth(text);
    }

private:
    double lengthEm(const ColumnCell& cell) {
        if (cell.across)
            return 1;
        auto found = m_lengths.constFind(cell.text);
        if (found != m_lengths.constEnd())
            return *found;
        m_printer.setFontSize(MeasuringPoints);
        const double length =
            m_printer.verticalLength(cell.text) / platform::twipsOfPoints(MeasuringPoints);
        m_lengths.insert(cell.text, length);
        return length;
    }

    platform::Printer& m_printer;
    QHash<QString, double> m_lengths;
};

// Adds the runs of one column: upright stretches as columns, a two-digit
// number across in its cell, centred.
void placeColumn(QList<PlacedRun>& runs, CellMeasure& measure, RunRole role,
                 const MeasuredColumn& column, const QString& face, double points, int leftTwips,
                 int topTwips);

// One column of a block, its top in ems below the block's top.
struct BlockColumn {
    MeasuredColumn text;
    double topEm = 0;
    double honorificTopEm = -1; // none when negative
    double gapBeforeEm = 0;     // from the column to its right
};

struct AddressLayout {
    double points = 0;
    QList<BlockColumn> street;
    QList<BlockColumn> building;
};

// The street in up to three columns and the building in its own, at the given size; nothing when
// they do not fit.
std::optional<AddressLayout> layOutAddress(const MeasuredColumn& street,
                                           const QList<BreakPlace>& streetPlaces,
                                           const MeasuredColumn& building,
                                           const QList<BreakPlace>& buildingPlaces, double points,
                                           const VerticalFrame& frame);

// The name block in ems of its size: columns from the right.
struct NameBlock {
    QList<BlockColumn> columns;
    MeasuredColumn honorific;
    bool brokenInsideAWord = false;

    double heightEm() const {
        double height = 0;
        for (const BlockColumn& c : columns)
            height = qMax(height,
                          qMax(c.topEm + c.text.lengthEm(),
                               c.honorificTopEm < 0 ? 0 : c.honorificTopEm + honorific.lengthEm()));
        return height;
    }
    double widthEm() const {
        double width = 0;
        for (const BlockColumn& c : columns)
            width += 1 + c.gapBeforeEm;
        return width;
    }
};

// Joint names one column each, given names level, the family name once at the head of the first.
NameBlock jointNameBlock(CellMeasure& measure, const QString& person,
                         const MeasuredColumn& honorific);

// A long name in two or three columns, each later one a character lower,
// the honorific after the last.
std::optional<NameBlock> brokenNameBlock(const MeasuredColumn& name,
                                         const MeasuredColumn& honorific, int count,
                                         BreakPlace worst);

// Places block columns from rightTwips leftwards; returns the last column's left edge.
int placeBlock(QList<PlacedRun>& runs, CellMeasure& measure, RunRole role,
               const QList<BlockColumn>& columns, const QString& face, double points,
               int rightTwips, int topTwips);

} // namespace printing::vertical
