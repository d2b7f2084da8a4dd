#pragma once

#include <QList>
#include <QString>

namespace platform {

// Pages first to last of a job, counted from 1.
struct PageSpan {
    int first = 1;
    int last = 1;
    bool operator==(const PageSpan&) const = default;
};

// Where a job goes: a printer of the system, or a PDF file, and what the job
// is called there.
struct PrintDestination {
    enum class Kind { SystemPrinter, PdfFile };
    Kind kind = Kind::PdfFile;
    QString printerName; // empty: the system's default printer
    QString pdfPath;
    QString jobTitle;      // the printer queue's job name, or the PDF's title; empty: none given
    int copies = 1;        // a printer's copies of the whole job
    bool collate = true;   // copies come out one whole job after another
    QList<PageSpan> pages; // the pages to print, in page order; empty: every page

    static PrintDestination pdf(const QString& path) {
        PrintDestination destination;
        destination.pdfPath = path;
        return destination;
    }
    static PrintDestination printer(const QString& name) {
        PrintDestination destination;
        destination.kind = Kind::SystemPrinter;
        destination.printerName = name;
        return destination;
    }
};

} // namespace platform
