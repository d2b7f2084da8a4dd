#pragma once

#include "labels/SheetTemplate.h"
#include "platform/Platform.h"
#include "platform/Printer.h"
#include "printing/OutputChoice.h"
#include "printing/Trims.h"

namespace labels {

// A test page for plain paper, to hold against the sheet in the light: every
// label's outline where the job will take it to be, its number inside, two
// millimetre rulers (across near the top, down near the left) numbered from
// the paper's edges, and a cross 20 mm in from each corner, to measure how
// far the printer feeds off. The trims move everything, as they move a job.
void drawSheetTestPage(platform::Printer& printer, const SheetTemplate& sheet,
                       printing::OffsetsTwips offsets = {});

// Sends the test page of sheet where label jobs go this run (the print
// dialog or a PDF), with the trims a job on that printer and sheet takes.
printing::Delivery printSheetTestPage(platform::Platform& platform, const QString& bookPath,
                                      const SheetTemplate& sheet);

} // namespace labels
