#pragma once

#include <QString>

namespace platform {

// Where a job goes: a printer of the system, or a PDF file, and what the job
// is called there.
struct PrintDestination {
    enum class Kind { SystemPrinter, PdfFile };
    Kind kind = Kind::PdfFile;
    QString printerName; // empty: the system's default printer
    QString pdfPath;
    QString jobTitle; // the printer queue's job name, or the PDF's title; empty: none given
    int copies = 1;   // a printer's copies of the whole job

    static PrintDestination pdf(const QString& path) { return {Kind::PdfFile, {}, path, {}, 1}; }
    static PrintDestination printer(const QString& name) {
        return {Kind::SystemPrinter, name, {}, {}, 1};
    }
};

} // namespace platform
