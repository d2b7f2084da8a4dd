#pragma once

#include "platform/PrintDestination.h"
#include "platform/Printer.h"

#include <QStringList>

#include <memory>

namespace platform {

// Opens printers for jobs and tells which the system has.
class PrinterProvider {
public:
    virtual ~PrinterProvider() = default;

    virtual std::unique_ptr<Printer> open(const PrintDestination& destination) = 0;
    // Names of the system's printers; empty when none is installed.
    virtual QStringList printerNames() const = 0;
    // The system's default printer, empty when there is none.
    virtual QString defaultPrinterName() const = 0;
    // Font faces a job can use (the faces of the default destination).
    virtual QStringList fontNames() const = 0;
};

} // namespace platform
