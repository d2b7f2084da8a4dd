#pragma once

#include "platform/PrintDestination.h"
#include "platform/Printer.h"

#include <QString>

#include <optional>

namespace platform {

// What the print dialog offers for one job.
struct PrintDialogRequest {
    QString printerName; // the printer preselected: the job's destination
    QString jobTitle;
    PageFormat paper;        // fixed by the job; the dialog cannot change it
    int pageCount = 1;       // pages of the whole job
    bool choosePages = true; // the user may print some of the pages
};

// The system's print dialog: the printer, the copies and the pages of a job.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;

    // The destination the user chose (a system printer with its copies and
    // pages), or nullopt when the dialog was cancelled.
    virtual std::optional<PrintDestination> ask(const PrintDialogRequest& request) = 0;
};

} // namespace platform
