#pragma once

#include "platform/Printer.h"

#include <QString>

#include <functional>

namespace platform {

// Runs a job on an opened printer: begins the document on paper, hands warn
// the warning when text falls where the printer cannot print (it is printed
// all the same), lets draw put the pages on it and ends the document. False
// when the printer could not begin or end; its errorText() says why.
bool runPrintJob(Printer& printer, const PageFormat& paper, const JobDrawing& draw,
                 const std::function<void(const QString& warning)>& warn);

} // namespace platform
