#pragma once

#include "labels/SheetTemplate.h"

#include <QString>

namespace labels {

// Most labels one sheet may hold, over all its grids.
constexpr int MaxLabelsPerSheet = 1000;

// What is wrong with a sheet's figures on its paper, naming the attribute
// ("Label-rectangle width=… is larger than the A4 paper"), or empty when
// every label has a size, the labels of a grid stand apart and none lies
// far off the paper. A sheet with labels partly off its paper is read, and
// shown as faulty by checkSheetFigures().
QString sheetFiguresFault(const SheetTemplate& sheet);

} // namespace labels
