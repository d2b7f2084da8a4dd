#pragma once

#include "labels/SheetTemplate.h"
#include "platform/Printer.h"
#include "printing/Trims.h"

namespace labels {

// A test page for plain paper, to hold against the sheet in the light: every
// label's outline where the job will take it to be, its number inside, and
// two millimetre rulers (across near the top, down near the left) numbered
// from the paper's edges. The trims move everything, as they move a job.
void drawSheetTestPage(platform::Printer& printer, const SheetTemplate& sheet,
                       printing::OffsetsTwips offsets = {});

} // namespace labels
