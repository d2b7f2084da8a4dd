#pragma once

#include "printing/VerticalText.h"

#include <QList>

#include <functional>

namespace printing {

// How good a place between two cells is for a column to end, worst first.
enum class BreakPlace {
    Never,      // inside a number, a counter (番|地) or before 、 ー ッ
    Anywhere,   // between two characters of a word
    AfterPlace, // after a prefecture, city or ward (東京都|千代田区), or an organisation word
    Natural, // at a space, after 丁目 番地 番 号 or a hyphenated number, between the fields
};

// A column's cells and the length of each, in ems of its size.
struct MeasuredColumn {
    ColumnText cells;
    QList<double> lengthsEm;

    double lengthEm() const;
    MeasuredColumn mid(qsizetype start, qsizetype count = -1) const;
};

// The place after each cell of an address; fieldEnds: cell counts after
// which one field of the book ended and the next began.
QList<BreakPlace> addressBreakPlaces(const ColumnText& cells, const QList<qsizetype>& fieldEnds);

// The place after each cell of a name: spaces and "・" are natural, the
// edges of 株式会社 and the like good.
QList<BreakPlace> nameBreakPlaces(const ColumnText& cells);

// The line in at most maxColumns columns, the first at most firstRoomEm
// long and every later one at most laterRoomEm, each ending as late as the
// best place that still lets the rest fit allows; spaces at a break are
// dropped. Breaks only at places of at least `worst`; empty when it cannot fit.
QList<MeasuredColumn> breakColumns(const MeasuredColumn& line, const QList<BreakPlace>& places,
                                   double firstRoomEm, double laterRoomEm, int maxColumns,
                                   BreakPlace worst);

// The line in `count` columns whose longest is as short as places of at
// least `worst` allow, every later column starting laterIndentEm lower and
// the last followed by tailEm (a name's honorific). Empty when there are
// not enough places.
QList<MeasuredColumn> breakEvenly(const MeasuredColumn& line, const QList<BreakPlace>& places,
                                  int count, double laterIndentEm, double tailEm, BreakPlace worst);

} // namespace printing
