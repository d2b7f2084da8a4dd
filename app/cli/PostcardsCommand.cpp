#include "app/cli/Commands.h"
#include "app/cli/PrintArguments.h"
#include "app/cli/PrintEntries.h"
#include "app/cli/SendJob.h"

#include "printing/OffsetsFile.h"
#include "platform/Fonts.h"
#include "platform/RecordingPrinter.h"
#include "platform/SameFile.h"
#include "printing/JobReview.h"
#include "platform/ProgramFolder.h"
#include "postcard/PostcardJob.h"
#include "postcard/SenderFile.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

const QString Usage =
    u"usage: tagora postcards BOOK [--cards LIST] [--filter FILTER [--year Y]] [--zip-font NAME] [--paper postcard|a4] [--vertical] [--sender FILE] [--no-code] [--barcode] (-o OUT.pdf | --printer QUEUE [--copies N])"_s;

} // namespace

// tagora postcards BOOK ... -o OUT.pdf | --printer QUEUE: the postcard job
// into a PDF or on a printer, one postcard per page, with the postcard trims
// of the program folder. --vertical writes the cards vertically; --sender
// FILE prints the first card of that book as the sender on every card.
int runPostcards(const QStringList& arguments, Io& io) {
    QStringList args = arguments;
    const bool vertical = args.removeAll(u"--vertical"_s) > 0;
    const bool printCode = args.removeAll(u"--no-code"_s) == 0;
    const bool barcodes = args.removeAll(u"--barcode"_s) > 0;
    const PrintArguments parsed =
        readPrintArguments(args, {u"--cards"_s, u"--zip-font"_s, u"--paper"_s, u"--sender"_s, u"--filter"_s, u"--year"_s}, Usage);
    if (!parsed.error.isEmpty())
        return parsed.usageError ? usageError(io, parsed.error) : fail(io, parsed.error);
    const QString output = parsed.value(u"--output"_s);
    if (!output.isEmpty() && platform::sameFile(output, parsed.value(u"--sender"_s)))
        return fail(io, output + u" is the sender book; choose another output file"_s);
    const QString paper = parsed.value(u"--paper"_s, u"postcard"_s);
    if (paper != u"postcard"_s && paper.compare(u"a4"_s, Qt::CaseInsensitive) != 0)
        return fail(io, u"--paper takes postcard or a4, not "_s + paper);
    if (!seasonOptionsUsable(parsed.value(u"--filter"_s), parsed.value(u"--year"_s), io))
        return 2;

    const std::optional<book::CardList> selected = printEntries(parsed.book, parsed.value(u"--cards"_s), io, parsed.value(u"--filter"_s),
                     parsed.value(u"--year"_s));
    if (!selected)
        return 1;
    printing::JobReview review = printing::reviewEntries(*selected);
    const book::CardList& entries = review.printable;

    postcard::PostcardJobSettings settings;
    if (parsed.values.contains(u"--sender"_s)) {
        const QString senderPath = parsed.value(u"--sender"_s);
        const postcard::SenderRead sender = postcard::readSender(senderPath);
        if (!sender.error.isEmpty())
            return fail(io, sender.error);
        if (!sender.sender)
            return fail(io, senderPath + u": holds no card to print as the sender"_s);
        settings.sender = sender.sender;
    }
    settings.writing = vertical ? postcard::Writing::Vertical : postcard::Writing::Horizontal;
    settings.zipFace = parsed.value(u"--zip-font"_s, QString::fromUtf16(platform::MinchoFace));
    settings.textFace = QString::fromUtf16(platform::MinchoFace);
    settings.trims =
        printing::readTrims(platform::ProgramFolder::file(QString::fromUtf16(printing::PostcardOffsetsFileName)));
    settings.paper = paper == u"postcard"_s ? platform::PaperSize::Postcard : platform::PaperSize::A4;
    settings.printCode = printCode;
    settings.barcodes = barcodes;
    platform::RecordingPrinter measure;
    postcard::notePostcardCompromises(measure, entries, settings, review);
    for (const QString& line : review.lines())
        io.err << line << '\n';
    io.err.flush();
    if (entries.isEmpty())
        return fail(io, u"no card of the list can be delivered: nothing printed"_s);

    QString error;
    bool usage = false;
    const std::optional<platform::PrintDestination> destination =
        printDestination(parsed, systemPrinterNames(parsed),
                         postcard::postcardJobTitle(int(entries.size())), error, usage);
    if (!destination)
        return usage ? usageError(io, error) : fail(io, error);
    const QList<postcard::PostcardText> postcards =
        postcard::postcardTexts(entries, printCode, barcodes);
    if (sendJob(io, *destination, settings.paper, [&](platform::Printer& printer) {
            postcard::drawPostcards(printer, postcards, settings);
        }) != 0)
        return 1;
    io.out << entries.size() << '\n';
    io.out.flush();
    return 0;
}

} // namespace cli
