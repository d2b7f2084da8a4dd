#include "platform/QtPrinterProvider.h"

#include "platform/Fonts.h"
#include "platform/QtPrinter.h"

#include <QPrinterInfo>

namespace platform {

std::unique_ptr<Printer> QtPrinterProvider::open(const PrintDestination& destination) {
    return std::make_unique<QtPrinter>(destination);
}

QStringList QtPrinterProvider::printerNames() const {
    return QPrinterInfo::availablePrinterNames();
}

QString QtPrinterProvider::defaultPrinterName() const {
    return QPrinterInfo::defaultPrinterName();
}

QStringList QtPrinterProvider::fontNames() const {
    return availableFaces();
}

} // namespace platform
