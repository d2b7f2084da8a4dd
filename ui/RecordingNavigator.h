#pragma once

#include "ui/Navigator.h"

#include <QStringList>

#include <functional>

namespace ui {

// Test double: keeps every hand-over as a line ("start", "editor 12",
// "labels 3", "postcards 1", "sheet menu", "order", "single", "about", "quit",
// "import preview"), the entries handed to the print screens, and answers
// the import preview with onImportPreview (none: Cancel).
class RecordingNavigator : public Navigator {
public:
    void showStart() override { m_calls << QStringLiteral("start"); }
    void openCardEditor(int jumpToCard) override {
        m_calls << QStringLiteral("editor %1").arg(jumpToCard);
    }
    void openLabelPrint(const book::CardList& entries) override {
        m_entries = entries;
        m_calls << QStringLiteral("labels %1").arg(entries.size());
    }
    void openPostcardPrint(const book::CardList& entries) override {
        m_entries = entries;
        m_calls << QStringLiteral("postcards %1").arg(entries.size());
    }
    void openEnvelopePrint(const book::CardList& entries) override {
        m_entries = entries;
        m_calls << QStringLiteral("envelopes %1").arg(entries.size());
    }
    void openSheet(bool fromMenu) override {
        m_calls << (fromMenu ? QStringLiteral("sheet menu") : QStringLiteral("sheet button"));
    }
    void openOrder() override { m_calls << QStringLiteral("order"); }
    void openSingle() override { m_calls << QStringLiteral("single"); }
    void openAbout() override { m_calls << QStringLiteral("about"); }
    void quit() override { m_calls << QStringLiteral("quit"); }
    bool previewImport(exchange::ImportPreview& preview) override {
        m_calls << QStringLiteral("import preview");
        return onImportPreview && onImportPreview(preview);
    }

    std::function<bool(exchange::ImportPreview&)> onImportPreview;

    const QStringList& calls() const { return m_calls; }
    QString last() const { return m_calls.isEmpty() ? QString() : m_calls.last(); }
    const book::CardList& entries() const { return m_entries; }

private:
    QStringList m_calls;
    book::CardList m_entries;
};

} // namespace ui
