#pragma once

#include "app/cli/Commands.h"
#include "platform/PrintDestination.h"
#include "platform/PrintJob.h"
#include "platform/Printer.h"

namespace cli {

// Prints a job to destination on paper: begins the document, writes the
// warning on err when text falls where the printer cannot print (it is
// printed all the same), lets draw put the pages on it and ends the
// document. 0 when it was sent, else fail()'s 1 with the printer's reason.
int sendJob(Io& io, const platform::PrintDestination& destination,
            const platform::PageFormat& paper, const platform::JobDrawing& draw);

} // namespace cli
