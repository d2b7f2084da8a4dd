#include "platform/RecordingPrinterProvider.h"

#include "platform/ForwardingPrinter.h"

namespace platform {

RecordingPrinterProvider::~RecordingPrinterProvider() {
    qDeleteAll(m_printers);
}

std::unique_ptr<Printer> RecordingPrinterProvider::open(const PrintDestination& destination) {
    auto* printer = new RecordingPrinter;
    printer->setFontNames(m_fontNames);
    if (destination.kind == PrintDestination::Kind::SystemPrinter)
        printer->setUnprintableTwips(m_printerMargins);
    if (!m_failBegin.isEmpty())
        printer->failBegin(std::exchange(m_failBegin, {}));
    m_printers << printer;
    m_destinations << destination;
    // The job's handle forwards to the recording kept here, for the test to read.
    return std::make_unique<ForwardingPrinter>(*printer);
}

} // namespace platform
