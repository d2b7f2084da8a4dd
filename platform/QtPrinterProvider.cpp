#include "platform/QtPrinterProvider.h"

#include "platform/Fonts.h"
#include "platform/QtPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

QtPrinterProvider::~QtPrinterProvider() = default;

std::unique_ptr<Printer> QtPrinterProvider::open(const PrintDestination& destination) {
    std::unique_ptr<QPrinter> configured = std::move(m_configured);
    if (configured && destination.kind == PrintDestination::Kind::SystemPrinter &&
        configured->printerName() == destination.printerName)
        return std::make_unique<QtPrinter>(destination, std::move(configured));
    return std::make_unique<QtPrinter>(destination);
}

void QtPrinterProvider::useForNextJob(std::unique_ptr<QPrinter> configured) {
    m_configured = std::move(configured);
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
