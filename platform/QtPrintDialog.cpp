#include "platform/QtPrintDialog.h"

#include "platform/QtPrinter.h"

#include <QApplication>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace platform {

void prepareDialog(QPrinter& printer, QPrintDialog& dialog, const PrintDialogRequest& request) {
    if (!request.printerName.isEmpty())
        printer.setPrinterName(request.printerName);
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setDocName(request.jobTitle);
    printer.setPageLayout(qtPageLayout(request.paper));
    printer.setFullPage(true);
    printer.setFromTo(0, 0);
    dialog.setWindowTitle(u"印刷"_s);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange,
                     request.choosePages && request.pageCount > 1);
    dialog.setMinMax(1, qMax(1, request.pageCount));
}

PrintDestination chosenDestination(const QPrinter& printer, const PrintDialogRequest& request) {
    PrintDestination destination = PrintDestination::printer(printer.printerName());
    destination.jobTitle = request.jobTitle;
    destination.copies = qMax(1, printer.copyCount());
    destination.collate = printer.collateCopies();
    if (printer.printRange() == QPrinter::PageRange) {
        for (const QPageRanges::Range& range : printer.pageRanges().toRangeList()) {
            // Pages past the job's end are not there to print.
            const int first = qMax(1, range.from);
            const int last = qMin(request.pageCount, range.to);
            if (first <= last)
                destination.pages.append({first, last});
        }
        // A range wholly outside the job would print nothing: print it all.
    }
    return destination;
}

std::optional<PrintDestination> QtPrintDialog::ask(const PrintDialogRequest& request) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    std::optional<PrintDestination> chosen;
    {
        QPrintDialog dialog(printer.get(), QApplication::activeWindow());
        prepareDialog(*printer, dialog, request);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        chosen = chosenDestination(*printer, request);
    }
    // The job draws only the chosen pages: the printer itself prints what it gets.
    printer->setPrintRange(QPrinter::AllPages);
    m_printers.useForNextJob(std::move(printer));
    return chosen;
}

} // namespace platform
