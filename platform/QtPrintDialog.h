#pragma once

#include "platform/PrintDialog.h"
#include "platform/QtPrinterProvider.h"

class QPrintDialog;
class QPrinter;

namespace platform {

// The print dialog as Qt's QPrintDialog on the system's printers. Printing
// into a file is not offered here: PDF files are chosen on the 出力先 menu,
// where the open book is guarded against. The printer as the dialog left it
// (its queue's options: duplex, page set, pages per sheet) prints the job.
class QtPrintDialog : public PrintDialog {
public:
    // The printer set up in the dialog goes to printers for the job.
    explicit QtPrintDialog(QtPrinterProvider& printers) : m_printers(printers) {}

    std::optional<PrintDestination> ask(const PrintDialogRequest& request) override;

private:
    QtPrinterProvider& m_printers;
};

// Sets the printer and its dialog up for the request: the preselected
// printer, the job's paper and title, and pages 1 to pageCount to choose from.
void prepareDialog(QPrinter& printer, QPrintDialog& dialog, const PrintDialogRequest& request);

// What the user chose in a dialog prepared for the request.
PrintDestination chosenDestination(const QPrinter& printer, const PrintDialogRequest& request);

} // namespace platform
