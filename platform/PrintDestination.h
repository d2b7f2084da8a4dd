#pragma once

#include <QString>

namespace platform {

// Where a job goes: a printer of the system, or a PDF file.
struct PrintDestination {
    enum class Kind { SystemPrinter, PdfFile };
    Kind kind = Kind::PdfFile;
    QString printerName; // empty: the system's default printer
    QString pdfPath;

    static PrintDestination pdf(const QString& path) { return {Kind::PdfFile, {}, path}; }
    static PrintDestination printer(const QString& name) { return {Kind::SystemPrinter, name, {}}; }
};

} // namespace platform
