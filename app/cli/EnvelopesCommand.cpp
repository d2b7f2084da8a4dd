#include "app/cli/Commands.h"
#include "app/cli/PrintCommand.h"

#include "envelope/EnvelopeJob.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/RecordingPrinter.h"
#include "postcard/SenderFile.h"
#include "printing/OffsetsFile.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// tagora envelopes BOOK --size SIZE ... -o OUT.pdf | --printer QUEUE: one
// envelope per entry, with the postcard trims of the program folder (both go
// through the same feed). --back adds a back page with the sender after each
// front: the first card of --sender FILE, else the sender kept in the program
// folder.
int runEnvelopes(const CommandArguments& arguments, Io& io) {
    PrintOptions print;
    if (const int code = readPrintOptions(arguments, io, print))
        return code;
    if (!arguments.isSet(u"size"_s))
        return usageError(io, usageLine(arguments.spec()));
    const std::optional<envelope::EnvelopeSize> size =
        envelope::envelopeNamed(arguments.value(u"size"_s));
    if (!size)
        return usageError(
            io, u"--size takes naga3, naga4, kaku2, you2, younaga3 (長3, 長4, 角2, 洋2, 洋長3) or "
                u"WxH in millimetres from 50 to 500, not "_s +
                    arguments.value(u"size"_s));
    const bool printBack = arguments.isSet(u"back"_s);
    if (arguments.isSet(u"sender"_s) && !printBack)
        return usageError(io, u"--sender: the sender is printed on the back: add --back"_s);

    envelope::EnvelopeJobSettings settings;
    settings.envelope = *size;
    settings.writing = arguments.isSet(u"vertical"_s) ? envelope::Writing::Vertical
                                                      : envelope::Writing::Horizontal;
    settings.textFace = QString::fromUtf16(platform::MinchoFace);
    settings.printCode = print.printCode;
    settings.printBack = printBack;
    settings.barcodes = print.barcodes;
    // 洋 envelopes have no centre seam to write either side of.
    settings.backLayout = size->opening == envelope::Opening::LongSide ? envelope::BackLayout::Left
                                                                       : envelope::BackLayout::Seam;
    if (printBack) {
        settings.sender =
            readSenderBook(arguments.value(u"sender"_s, postcard::senderFilePath()), io);
        if (!settings.sender)
            return 1;
    }
    settings.trims = printing::readTrims(
        platform::ProgramFolder::file(QString::fromUtf16(printing::PostcardOffsetsFileName)));

    int exitCode = 0;
    const std::optional<printing::JobReview> found = reviewedEntries(print, io, exitCode);
    if (!found)
        return exitCode;
    printing::JobReview review = *found;
    platform::RecordingPrinter measure;
    envelope::noteEnvelopeCompromises(measure, review.printable, settings, review);
    return sendPrintJob(
        io, print, review, envelope::envelopeJobTitle(int(review.printable.size())),
        envelope::envelopePage(settings),
        [&](platform::Printer& printer) {
            envelope::drawEnvelopes(printer, review.printable, settings);
        },
        review.printable.size());
}

} // namespace

const CommandSpec EnvelopesCommand{
    u"envelopes"_s,
    u"envelopes BOOK --size naga3|naga4|kaku2|you2|younaga3|WxH [--cards LIST] "
    u"[--filter FILTER [--year Y]] [--vertical] [--back] [--sender FILE] [--no-code] [--barcode] "
    u"(-o OUT.pdf | --printer QUEUE [--copies N])"_s,
    u"print BOOK on envelopes (also 長3, 長4, 角2, 洋2, 洋長3, or W x H mm) into a PDF or on a "
    u"printer; the code goes in the boxes of 長3 and 長4; prints the number of envelopes"_s,
    printOptionSpecs({
        {{u"size"_s},
         u"SIZE"_s,
         u"naga3, naga4, kaku2, you2, younaga3 (長3, 長4, 角2, 洋2, 洋長3) or WxH in "
         u"millimetres from 50 to 500"_s},
        {{u"vertical"_s}, {}, u"write the envelopes vertically"_s},
        {{u"back"_s}, {}, u"add a page with the sender for the back of each envelope"_s},
        {{u"sender"_s},
         u"FILE"_s,
         u"with --back, the first card of this book as the sender (default the saved one)"_s},
    }),
    {u"BOOK"_s, u"the address book to print"_s, 1, 1},
    runEnvelopes};

} // namespace cli
