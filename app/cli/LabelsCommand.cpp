#include "app/cli/Commands.h"
#include "app/cli/PrintArguments.h"
#include "app/cli/PrintEntries.h"
#include "app/cli/SendJob.h"

#include "labels/LabelPrintJob.h"
#include "labels/LabelSheets.h"
#include "printing/OffsetsFile.h"
#include "printing/PrinterTrims.h"
#include "labels/SheetLibrary.h"
#include "platform/Fonts.h"
#include "platform/RecordingPrinter.h"
#include "printing/JobReview.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

const QString Usage =
    u"usage: tagora labels BOOK [--template \"BRAND PART\"] [--start N] [--skip LABELS] [--font NAME] [--cards LIST] [--filter FILTER [--year Y]] [--no-code] [--barcode] (-o OUT.pdf | --printer QUEUE [--copies N])"_s;

// "1,2,5" or "1-3,7": the labels of the first sheet already used; nullopt
// when a number is not a label of the sheet.
std::optional<QList<int>> usedLabels(const QString& text, int labelCount) {
    QList<int> labels;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QStringList ends = part.trimmed().split(u'-');
        bool firstOk = false, lastOk = ends.size() == 1;
        const int first = ends.first().toInt(&firstOk);
        const int last = ends.size() == 2 ? ends.last().toInt(&lastOk) : first;
        if (!firstOk || !lastOk || ends.size() > 2 || first < 1 || last > labelCount || first > last)
            return std::nullopt;
        for (int label = first; label <= last; ++label)
            labels.append(label);
    }
    return labels;
}

} // namespace

// tagora labels: the label job of the print screen into a PDF or on a
// printer, with the offsets file of the program folder; prints the sheet count.
int runLabels(const QStringList& args, Io& io) {
    QStringList rest = args;
    const bool printCode = rest.removeAll(u"--no-code"_s) == 0;
    const bool barcodes = rest.removeAll(u"--barcode"_s) > 0;
    const PrintArguments parsed =
        readPrintArguments(rest, {u"--start"_s, u"--skip"_s, u"--font"_s, u"--cards"_s, u"--template"_s, u"--filter"_s, u"--year"_s}, Usage);
    if (!parsed.error.isEmpty())
        return parsed.usageError ? usageError(io, parsed.error) : fail(io, parsed.error);

    if (!seasonOptionsUsable(parsed.value(u"--filter"_s), parsed.value(u"--year"_s), io))
        return 2;
    const labels::SheetTemplate* sheet = &labels::standardSheet();
    if (parsed.values.contains(u"--template"_s)) {
        const QString name = parsed.value(u"--template"_s);
        if (name.size() > labels::MaxSheetNameLength)
            return usageError(io, u"the label sheet name is %1 characters long; sheet names have at most %2"_s
                                      .arg(name.size())
                                      .arg(labels::MaxSheetNameLength));
        labels::SheetLibrary& library = labels::sheetLibrary();
        sheet = library.find(name);
        if (!sheet)
            return usageError(io, u"no label sheet named \""_s + name + u"\"; nearest: "_s +
                                      library.nearestNames(name).join(u", "_s) + u" (see tagora templates)"_s);
        if (!sheet->fault.isEmpty())
            return fail(io, u"the label sheet "_s + sheet->name() + u" cannot be printed on: "_s + sheet->fault);
    }

    bool numeric = false;
    const QString startText = parsed.value(u"--start"_s, u"1"_s);
    const int start = startText.toInt(&numeric);
    const int labelCount = sheet->labelCount();
    if (!numeric || start < 1 || start > labelCount)
        return usageError(io, u"the start label must be 1 to "_s + QString::number(labelCount) + u", not "_s + startText);

    const std::optional<QList<int>> used = usedLabels(parsed.value(u"--skip"_s), labelCount);
    if (!used)
        return fail(io, u"--skip takes labels 1 to "_s + QString::number(labelCount) + u" (\"1,2,5\", \"1-3\"), not "_s +
                            parsed.value(u"--skip"_s));

    const std::optional<book::CardList> selected = printEntries(parsed.book, parsed.value(u"--cards"_s), io, parsed.value(u"--filter"_s),
                     parsed.value(u"--year"_s));
    if (!selected)
        return 1;
    printing::JobReview review = printing::reviewEntries(*selected);
    const book::CardList& entries = review.printable;

    // A queue keeps its own trims for each sheet; a PDF takes those of Tagora.opt.
    const printing::Trims trims =
        printing::jobTrims(printing::labelOffsetsPath(), parsed.value(u"--printer"_s), sheet->name());
    labels::LabelSheets sheets(entries, start, parsed.value(u"--font"_s, QString::fromUtf16(platform::MinchoFace)),
                               trims, *sheet);
    sheets.setPrintCode(printCode);
    sheets.setUsedLabels(*used);
    if (sheets.firstSheetLabels().isEmpty())
        return fail(io, u"every label of the first sheet is used or skipped: nothing to print on it"_s);
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
