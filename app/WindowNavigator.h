#pragma once

#include "ui/AppContext.h"
#include "ui/Navigator.h"

#include <QPointer>
#include <QWidget>

namespace app {

// The program's windows, one in use at a time: each hand-over shows the
// next window and unloads the one in use (without its close-box steps).
class WindowNavigator : public ui::Navigator {
public:
    WindowNavigator(session::SessionState& state, platform::Platform& platform);

    void showStart() override;
    void openCardEditor(int jumpToCard) override;
    void openLabelPrint(const book::CardList& entries) override;
    void openPostcardPrint(const book::CardList& entries) override;
    void openEnvelopePrint(const book::CardList& entries) override;
    void openSheet(bool fromMenu) override;
    void openOrder() override;
    void openSingle() override;
    void openAbout() override;
    bool previewImport(exchange::ImportPreview& preview) override;
    void quit() override;

    // The window in use.
    QWidget* current() const { return m_current; }

private:
    // Shows next and unloads the window in use; next is deleted when it closes.
    void handOver(QWidget* next);

    ui::AppContext m_context;
    QPointer<QWidget> m_current;
    // The address list sheet, kept open behind the card editor it opened;
    // unloaded with the editor.
    QPointer<QWidget> m_behind;
};

} // namespace app
