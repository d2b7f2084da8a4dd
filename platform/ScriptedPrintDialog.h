#pragma once

#include "platform/PrintDialog.h"

#include <QList>

#include <optional>

namespace platform {

// Test double for the print dialog: keeps every request, and answers with
// the script's next choice; with the script empty it takes the request as
// offered (the preselected printer, one copy, every page).
class ScriptedPrintDialog : public PrintDialog {
public:
    // How the next dialog is answered.
    struct Choice {
        bool cancel = false;
        QString printerName; // empty: the preselected one
        int copies = 1;
        bool collate = true;
        QList<PageSpan> pages;
    };

    std::optional<PrintDestination> ask(const PrintDialogRequest& request) override;

    void answer(const Choice& choice) { m_script.append(choice); }
    void cancelNext() { m_script.append(Choice{true, {}, 1, true, {}}); }
    const QList<PrintDialogRequest>& requests() const { return m_requests; }

private:
    QList<Choice> m_script;
    QList<PrintDialogRequest> m_requests;
};

} // namespace platform
