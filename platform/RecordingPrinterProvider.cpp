#include "platform/RecordingPrinterProvider.h"

namespace platform {

namespace {

// Hands a job a printer that forwards to one the provider keeps.
class ForwardingPrinter : public Printer {
public:
    explicit ForwardingPrinter(RecordingPrinter& target) : m_target(target) {}
    bool begin(PaperSize paper) override { return m_target.begin(paper); }
    QMargins unprintableTwips() const override { return m_target.unprintableTwips(); }
    void setFontName(const QString& face) override { m_target.setFontName(face); }
    void setFontSize(double points) override { m_target.setFontSize(points); }
    void setFontStretch(int percent) override { m_target.setFontStretch(percent); }
    double textWidth(const QString& text) const override { return m_target.textWidth(text); }
    void setCurrentX(int twips) override { m_target.setCurrentX(twips); }
    void setCurrentY(int twips) override { m_target.setCurrentY(twips); }
    void print(const QString& text) override { m_target.print(text); }
    void printVertical(const QString& text) override { m_target.printVertical(text); }
    double verticalLength(const QString& text) const override { return m_target.verticalLength(text); }
    void newPage() override { m_target.newPage(); }
    bool endDoc() override { return m_target.endDoc(); }
    QString errorText() const override { return m_target.errorText(); }
    QStringList fontNames() const override { return m_target.fontNames(); }

private:
    RecordingPrinter& m_target;
};

} // namespace

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
    if (!m_failEnd.isEmpty())
        printer->failEnd(std::exchange(m_failEnd, {}));
    m_printers << printer;
    m_destinations << destination;
    return std::make_unique<ForwardingPrinter>(*printer);
}

} // namespace platform
