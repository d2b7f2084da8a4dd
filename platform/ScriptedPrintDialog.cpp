#include "platform/ScriptedPrintDialog.h"

namespace platform {

std::optional<PrintDestination> ScriptedPrintDialog::ask(const PrintDialogRequest& request) {
    m_requests.append(request);
    const Choice choice = m_script.isEmpty() ? Choice{} : m_script.takeFirst();
    if (choice.cancel)
        return std::nullopt;
    PrintDestination destination = PrintDestination::printer(
        choice.printerName.isEmpty() ? request.printerName : choice.printerName);
    destination.jobTitle = request.jobTitle;
    destination.copies = choice.copies;
    destination.collate = choice.collate;
    destination.pages = choice.pages;
    return destination;
}

} // namespace platform
