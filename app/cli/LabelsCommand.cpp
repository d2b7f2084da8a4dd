#include "app/cli/Commands.h"
#include "app/cli/PrintArguments.h"
#include "app/cli/PrintEntries.h"
#include "app/cli/SendJob.h"

#include "labels/LabelPrintJob.h"
#include "labels/LabelSheets.h"
#include "printing/OffsetsFile.h"
#include "labels/SheetLibrary.h"
#include "platform/Fonts.h"
#include "platform/RecordingPrinter.h"
#include "printing/JobReview.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

const QString Usage =
    u"usage: tagora labels BOOK [--template \"BRAND PART\"] [--start N] [--font NAME] [--cards LIST] [--no-code] [--barcode] (-o OUT.pdf | --printer QUEUE [--copies N])"_s;

} // namespace

// tagora labels: the label job of the print screen into a PDF or on a
// printer, with the offsets file of the program folder; prints the sheet count.
int runLabels(const QStringList& args, Io& io) {
    QStringList rest = args;
    const bool printCode = rest.removeAll(u"--no-code"_s) == 0;
    const bool barcodes = rest.removeAll(u"--barcode"_s) > 0;
    const PrintArguments parsed =
        readPrintArguments(rest, {u"--start"_s, u"--font"_s, u"--cards"_s, u"--template"_s}, Usage);
    if (!parsed.error.isEmpty())
        return parsed.usageError ? usageError(io, parsed.error) : fail(io, parsed.error);

    const labels::SheetTemplate* sheet = &labels::standardSheet();
    if (parsed.values.contains(u"--template"_s)) {
        const QString name = parsed.value(u"--template"_s);
        labels::SheetLibrary& library = labels::sheetLibrary();
        sheet = library.find(name);
        if (!sheet)
            return usageError(io, u"no label sheet named \""_s + name + u"\"; nearest: "_s +
                                      library.nearestNames(name).join(u", "_s) + u" (see tagora templates)"_s);
    }

    bool numeric = false;
    const QString startText = parsed.value(u"--start"_s, u"1"_s);
    const int start = startText.toInt(&numeric);
    const int labelCount = sheet->labelCount();
    if (!numeric || start < 1 || start > labelCount)
        return fail(io, u"the start label must be 1 to "_s + QString::number(labelCount) + u", not "_s + startText);

    const std::optional<book::CardList> selected = printEntries(parsed.book, parsed.value(u"--cards"_s), io);
    if (!selected)
        return 1;
    printing::JobReview review = printing::reviewEntries(*selected);
    const book::CardList& entries = review.printable;

    const printing::Trims trims =
        printing::readTrims(printing::labelOffsetsPath());
    labels::LabelSheets sheets(entries, start, parsed.value(u"--font"_s, QString::fromUtf16(platform::MinchoFace)),
                               trims, *sheet);
    sheets.setPrintCode(printCode);
    sheets.setBarcodes(barcodes);
    platform::RecordingPrinter measure;
    sheets.noteCompromises(measure, review);
    for (const QString& line : review.lines())
        io.err << line << '\n';
    io.err.flush();
    if (entries.isEmpty())
        return fail(io, u"no card of the list can be delivered: nothing printed"_s);

    QString error;
    bool usage = false;
    const std::optional<platform::PrintDestination> destination =
        printDestination(parsed, systemPrinterNames(parsed),
                         labels::LabelPrintJob::jobTitle(int(entries.size())), error, usage);
    if (!destination)
        return usage ? usageError(io, error) : fail(io, error);
    if (sendJob(io, *destination, labels::printerPaper(sheet->paper),
                [&sheets](platform::Printer& printer) { sheets.drawJob(printer); }) != 0)
        return 1;
    io.out << sheets.sheetCount() << '\n';
    io.out.flush();
    return 0;
}

} // namespace cli
