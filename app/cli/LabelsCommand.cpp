#include "app/cli/Commands.h"
#include "app/cli/PrintCommand.h"

#include "labels/LabelPrintJob.h"
#include "labels/LabelSheets.h"
#include "labels/SheetLibrary.h"
#include "platform/Fonts.h"
#include "platform/RecordingPrinter.h"
#include "printing/OffsetsFile.h"
#include "printing/PrinterTrims.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// The label command's own options, parsed.
struct LabelOptions {
    const labels::SheetTemplate* sheet = nullptr;
    int start = 1;
    QList<int> used; // labels of the first sheet already used, from 1
    QString font;
};

// "1,2,5" or "1-3,7": the labels of the first sheet already used; nullopt
// when a number is not a label of the sheet.
std::optional<QList<int>> usedLabels(const QString& text, int labelCount) {
    QList<int> labels;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QStringList ends = part.trimmed().split(u'-');
        bool firstOk = false, lastOk = ends.size() == 1;
        const int first = ends.first().toInt(&firstOk);
        const int last = ends.size() == 2 ? ends.last().toInt(&lastOk) : first;
        if (!firstOk || !lastOk || ends.size() > 2 || first < 1 || last > labelCount ||
            first > last)
            return std::nullopt;
        for (int label = first; label <= last; ++label)
            labels.append(label);
    }
    return labels;
}

// Reads --template, --start, --skip and --font: 0, or the exit code after a
// line on err (2 for a value the sheet or the library does not have, 1 for
// a sheet that cannot be printed on).
int readLabelOptions(const CommandArguments& arguments, Io& io, LabelOptions& options) {
    options.sheet = &labels::standardSheet();
    if (arguments.isSet(u"template"_s)) {
        const QString name = arguments.value(u"template"_s);
        if (name.size() > labels::MaxSheetNameLength)
            return usageError(io, u"--template: the label sheet name is %1 characters long; sheet "
                                  u"names have at most %2"_s.arg(name.size())
                                      .arg(labels::MaxSheetNameLength));
        labels::SheetLibrary& library = labels::sheetLibrary();
        options.sheet = library.find(name);
        if (!options.sheet)
            return usageError(
                io, u"--template: no label sheet named \""_s + name + u"\"; nearest: "_s +
                        library.nearestNames(name).join(u", "_s) + u" (see tagora templates)"_s);
        if (!options.sheet->fault.isEmpty())
            return fail(io, u"the label sheet "_s + options.sheet->name() +
                                u" cannot be printed on: "_s + options.sheet->fault);
    }
    const int labelCount = options.sheet->labelCount();
    bool numeric = false;
    const QString startText = arguments.value(u"start"_s, u"1"_s);
    options.start = startText.toInt(&numeric);
    if (!numeric || options.start < 1 || options.start > labelCount)
        return usageError(
            io,
            u"--start: the start label must be 1 to %1, not %2"_s.arg(labelCount).arg(startText));
    const std::optional<QList<int>> used = usedLabels(arguments.value(u"skip"_s), labelCount);
    if (!used)
        return usageError(
            io, u"--skip takes labels 1 to %1 (\"1,2,5\", \"1-3\"), not %2"_s.arg(labelCount)
                    .arg(arguments.value(u"skip"_s)));
    options.used = *used;
    options.font = arguments.value(u"font"_s, QString::fromUtf16(platform::MinchoFace));
    return 0;
}

// tagora labels: the label job of the print screen into a PDF or on a
// printer, with the offsets file of the program folder; prints the sheet count.
int runLabels(const CommandArguments& arguments, Io& io) {
    PrintOptions print;
    LabelOptions options;
    if (const int code = readPrintOptions(arguments, io, print))
        return code;
    if (const int code = readLabelOptions(arguments, io, options))
        return code;
    int exitCode = 0;
    const std::optional<printing::JobReview> found = reviewedEntries(print, io, exitCode);
    if (!found)
        return exitCode;
    printing::JobReview review = *found;

    // A queue keeps its own trims for each sheet; a PDF takes those of Tagora.opt.
    const printing::Trims trims =
        printing::jobTrims(printing::labelOffsetsPath(), print.printer, options.sheet->name());
    labels::LabelSheets sheets(review.printable, options.start, options.font, trims,
                               *options.sheet);
    sheets.setPrintCode(print.printCode);
    sheets.setUsedLabels(options.used);
    if (sheets.firstSheetLabels().isEmpty())
        return fail(io,
                    u"every label of the first sheet is used or skipped: nothing to print on it"_s);
    sheets.setBarcodes(print.barcodes);
    platform::RecordingPrinter measure;
    sheets.noteCompromises(measure, review);
    return sendPrintJob(
        io, print, review, labels::LabelPrintJob::jobTitle(int(review.printable.size())),
        labels::printerPaper(options.sheet->paper),
        [&sheets](platform::Printer& printer) { sheets.drawJob(printer); }, sheets.sheetCount());
}

} // namespace

const CommandSpec LabelsCommand{
    u"labels"_s,
    u"labels BOOK [--template \"BRAND PART\"] [--start N] [--skip LABELS] [--font NAME] "
    u"[--cards LIST] [--filter FILTER [--year Y]] [--no-code] [--barcode] "
    u"(-o OUT.pdf | --printer QUEUE [--copies N])"_s,
    u"print BOOK on label sheets into a PDF or on a printer (the standard A4 sheet of 12, or the "
    u"sheet named); prints the number of sheets"_s,
    printOptionSpecs({
        {{u"template"_s}, u"BRAND PART"_s, u"the label sheet, as tagora templates lists it"_s},
        {{u"start"_s}, u"N"_s, u"the label of the first sheet to start at (default 1)"_s},
        {{u"skip"_s}, u"LABELS"_s, u"labels of the first sheet already used: 1,2,5 or 1-3"_s},
        {{u"font"_s}, u"NAME"_s, u"the font of the labels (default ＭＳ 明朝)"_s},
    }),
    {u"BOOK"_s, u"the address book to print"_s, 1, 1},
    runLabels};

} // namespace cli
