#include "platform/PrintJob.h"

#include "platform/UnprintableText.h"

namespace platform {

bool runPrintJob(Printer& printer, const PageFormat& paper, const JobDrawing& draw,
                 const std::function<void(const QString& warning)>& warn) {
    if (!printer.begin(paper))
        return false;
    const QString warning = unprintableTextWarning(printer, paper, draw);
    if (!warning.isEmpty())
        warn(warning);
    draw(printer);
    return printer.endDoc();
}

} // namespace platform
