#include "app/cli/SendJob.h"

#include "platform/PrintJob.h"
#include "platform/QtPrinter.h"

#include <QDir>
#include <QFileInfo>

namespace cli {

int sendJob(Io& io, const platform::PrintDestination& destination,
            const platform::PageFormat& paper, const platform::JobDrawing& draw) {
    // The command line speaks English; the printer's own texts are for the windows.
    if (destination.kind == platform::PrintDestination::Kind::PdfFile) {
        const QFileInfo target(destination.pdfPath);
        if (!target.absoluteDir().exists())
            return fail(io, QStringLiteral("no such folder: ") + target.absolutePath());
    }
    platform::QtPrinter printer(destination);
    const bool sent = platform::runPrintJob(printer, paper, draw, [&io](const QString& warning) {
        io.err << "tagora: " << warning << Qt::endl;
    });
    return sent ? 0 : fail(io, printer.errorText());
}

} // namespace cli
