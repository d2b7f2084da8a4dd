#pragma once

#include "platform/PrinterProvider.h"

namespace platform {

// Printers of the system (CUPS through QPrinterInfo) and PDF files.
class QtPrinterProvider : public PrinterProvider {
public:
    std::unique_ptr<Printer> open(const PrintDestination& destination) override;
    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    QStringList fontNames() const override;
};

} // namespace platform
