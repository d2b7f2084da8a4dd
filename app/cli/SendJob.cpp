#include "app/cli/SendJob.h"

#include "platform/QtPrinter.h"
#include "platform/QtPrinterProvider.h"
#include "platform/UnprintableText.h"

#include <QDir>
#include <QFileInfo>

namespace cli {

int sendJob(Io& io, const platform::PrintDestination& destination, platform::PaperSize paper,
            const std::function<void(platform::Printer&)>& draw) {
    // The command line speaks English; the printer's own texts are for the windows.
    if (destination.kind == platform::PrintDestination::Kind::PdfFile) {
        const QFileInfo target(destination.pdfPath);
        if (!target.absoluteDir().exists())
            return fail(io, QStringLiteral("no such folder: ") + target.absolutePath());
    }
    platform::QtPrinter printer(destination);
    if (!printer.begin(paper))
        return fail(io, printer.errorText());
    const QString warning = platform::unprintableTextWarning(printer, paper, draw);
    if (!warning.isEmpty()) {
        io.err << "tagora: " << warning << Qt::endl;
    }
    draw(printer);
    if (!printer.endDoc())
        return fail(io, printer.errorText());
    return 0;
}

QStringList systemPrinterNames(const PrintArguments& parsed) {
    if (parsed.value(QStringLiteral("--printer")).isEmpty())
        return {};
    return platform::QtPrinterProvider().printerNames();
}

} // namespace cli
