#pragma once

#include "platform/PrinterProvider.h"
#include "platform/RecordingPrinter.h"

#include <QList>

namespace platform {

// Test double: every printer it opens records its calls; the test reads the
// last one (or all of them) after the job, and the destinations asked for.
class RecordingPrinterProvider : public PrinterProvider {
public:
    std::unique_ptr<Printer> open(const PrintDestination& destination) override;
    QStringList printerNames() const override { return m_printerNames; }
    QString defaultPrinterName() const override { return m_defaultPrinter; }
    QStringList fontNames() const override { return m_fontNames; }

    // The printer of the latest job; null before the first. It stays readable
    // after the job dropped its handle.
    RecordingPrinter* last() const { return m_printers.isEmpty() ? nullptr : m_printers.last(); }
    int openCount() const { return int(m_printers.size()); }
    const QList<PrintDestination>& destinations() const { return m_destinations; }

    void setPrinters(const QStringList& names, const QString& defaultName) {
        m_printerNames = names;
        m_defaultPrinter = defaultName;
    }
    void setFontNames(const QStringList& names) { m_fontNames = names; }
    // Every system printer it opens from now on cannot print this close to the paper's edges.
    void setPrinterMargins(const QMargins& twips) { m_printerMargins = twips; }
    // The next printer opened fails to begin with this text.
    void failNextBegin(const QString& text) { m_failBegin = text; }

    ~RecordingPrinterProvider() override;

private:
    QList<RecordingPrinter*> m_printers; // owned; handed out as non-owning proxies
    QList<PrintDestination> m_destinations;
    QStringList m_printerNames;
    QStringList m_fontNames;
    QString m_defaultPrinter;
    QString m_failBegin;
    QMargins m_printerMargins;
};

} // namespace platform
