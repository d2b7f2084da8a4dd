#pragma once

#include "platform/PrinterProvider.h"

#include <QPrinter>

#include <memory>

namespace platform {

// Printers of the system (CUPS through QPrinterInfo) and PDF files.
class QtPrinterProvider : public PrinterProvider {
public:
    std::unique_ptr<Printer> open(const PrintDestination& destination) override;
    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    QStringList fontNames() const override;

    // The printer the print dialog has just set up: the next job opened on
    // that printer prints through it, with every option chosen there.
    void useForNextJob(std::unique_ptr<QPrinter> configured);

    ~QtPrinterProvider() override;

private:
    std::unique_ptr<QPrinter> m_configured;
};

} // namespace platform
