#include "app/cli/Commands.h"
#include "app/cli/PrintCommand.h"

#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/RecordingPrinter.h"
#include "platform/SameFile.h"
#include "postcard/PostcardJob.h"
#include "printing/OffsetsFile.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// tagora postcards BOOK ... -o OUT.pdf | --printer QUEUE: the postcard job
// into a PDF or on a printer, one postcard per page, with the postcard trims
// of the program folder. --vertical writes the cards vertically; --sender
// FILE prints the first card of that book as the sender on every card.
int runPostcards(const CommandArguments& arguments, Io& io) {
    PrintOptions print;
    if (const int code = readPrintOptions(arguments, io, print))
        return code;
    const QString paper = arguments.value(u"paper"_s, u"postcard"_s);
    if (paper != u"postcard"_s && paper.compare(u"a4"_s, Qt::CaseInsensitive) != 0)
        return usageError(io, u"--paper takes postcard or a4, not "_s + paper);
    const QString senderPath = arguments.value(u"sender"_s);
    if (!print.output.isEmpty() && platform::sameFile(print.output, senderPath))
        return fail(io, print.output + u" is the sender book; choose another output file"_s);

    int exitCode = 0;
    const std::optional<printing::JobReview> found = reviewedEntries(print, io, exitCode);
    if (!found)
        return exitCode;
    printing::JobReview review = *found;

    postcard::PostcardJobSettings settings;
    if (!senderPath.isEmpty()) {
        settings.sender = readSenderBook(senderPath, io);
        if (!settings.sender)
            return 1;
    }
    settings.writing = arguments.isSet(u"vertical"_s) ? postcard::Writing::Vertical
                                                      : postcard::Writing::Horizontal;
    settings.zipFace = arguments.value(u"zip-font"_s, QString::fromUtf16(platform::MinchoFace));
    settings.textFace = QString::fromUtf16(platform::MinchoFace);
    settings.trims = printing::readTrims(
        platform::ProgramFolder::file(QString::fromUtf16(printing::PostcardOffsetsFileName)));
    settings.paper =
        paper == u"postcard"_s ? platform::PaperSize::Postcard : platform::PaperSize::A4;
    settings.printCode = print.printCode;
    settings.barcodes = print.barcodes;
    platform::RecordingPrinter measure;
    postcard::notePostcardCompromises(measure, review.printable, settings, review);
    const QList<postcard::PostcardText> postcards =
        postcard::postcardTexts(review.printable, print.printCode, print.barcodes);
    return sendPrintJob(
        io, print, review, postcard::postcardJobTitle(int(review.printable.size())), settings.paper,
        [&](platform::Printer& printer) { postcard::drawPostcards(printer, postcards, settings); },
        review.printable.size());
}

} // namespace

const CommandSpec PostcardsCommand{
    u"postcards"_s,
    u"postcards BOOK [--cards LIST] [--filter FILTER [--year Y]] [--zip-font NAME] "
    u"[--paper postcard|a4] [--vertical] [--sender FILE] [--no-code] [--barcode] "
    u"(-o OUT.pdf | --printer QUEUE [--copies N])"_s,
    u"print BOOK on postcards into a PDF or on a printer; cards with no name or address are left "
    u"out, and they, odd postal codes and cards set smaller are listed on stderr; prints the "
    u"number of postcards"_s,
    printOptionSpecs({
        {{u"zip-font"_s}, u"NAME"_s, u"the font of the postal code (default ＭＳ 明朝)"_s},
        {{u"paper"_s}, u"postcard|a4"_s, u"the paper (default postcard)"_s},
        {{u"vertical"_s}, {}, u"write the cards vertically"_s},
        {{u"sender"_s}, u"FILE"_s, u"print the first card of this book as the sender"_s},
    }),
    {u"BOOK"_s, u"the address book to print"_s, 1, 1},
    runPostcards};

} // namespace cli
