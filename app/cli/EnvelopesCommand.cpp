#include "app/cli/Commands.h"
#include "app/cli/PrintArguments.h"
#include "app/cli/PrintEntries.h"
#include "app/cli/SendJob.h"

#include "envelope/EnvelopeJob.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/RecordingPrinter.h"
#include "postcard/SenderFile.h"
#include "printing/JobReview.h"
#include "printing/OffsetsFile.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

const QString Usage =
    u"usage: tagora envelopes BOOK --size naga3|naga4|kaku2|you2|younaga3|WxH [--cards LIST] [--filter FILTER [--year Y]] [--vertical] [--sender FILE] [--back] [--no-code] [--barcode] (-o OUT.pdf | --printer QUEUE [--copies N])"_s;

} // namespace

// tagora envelopes BOOK --size SIZE ... -o OUT.pdf | --printer QUEUE: one
// envelope per entry, with the postcard trims of the program folder (both go
// through the same feed). --back adds a back page with the sender after each
// front: the first card of --sender FILE, else the sender kept in the program
// folder.
int runEnvelopes(const QStringList& arguments, Io& io) {
    QStringList args = arguments;
    const bool vertical = args.removeAll(u"--vertical"_s) > 0;
    const bool printCode = args.removeAll(u"--no-code"_s) == 0;
    const bool printBack = args.removeAll(u"--back"_s) > 0;
    const bool barcodes = args.removeAll(u"--barcode"_s) > 0;
    const PrintArguments parsed = readPrintArguments(
        args, {u"--cards"_s, u"--size"_s, u"--sender"_s, u"--filter"_s, u"--year"_s}, Usage);
    if (!parsed.error.isEmpty())
        return parsed.usageError ? usageError(io, parsed.error) : fail(io, parsed.error);
    if (!seasonOptionsUsable(parsed.value(u"--filter"_s), parsed.value(u"--year"_s), io))
        return 2;
    if (!parsed.values.contains(u"--size"_s))
        return usageError(io, Usage);
    const std::optional<envelope::EnvelopeSize> size =
        envelope::envelopeNamed(parsed.value(u"--size"_s));
    if (!size)
        return usageError(
            io, u"--size takes naga3, naga4, kaku2, you2, younaga3 (長3, 長4, 角2, 洋2, 洋長3) or "
                u"WxH in millimetres from 50 to 500, not "_s +
                    parsed.value(u"--size"_s));
    if (parsed.values.contains(u"--sender"_s) && !printBack)
        return usageError(io, u"the sender is printed on the back: add --back"_s);

    envelope::EnvelopeJobSettings settings;
    settings.envelope = *size;
    settings.writing = vertical ? envelope::Writing::Vertical : envelope::Writing::Horizontal;
    settings.textFace = QString::fromUtf16(platform::MinchoFace);
    settings.printCode = printCode;
    settings.printBack = printBack;
    settings.barcodes = barcodes;
    // 洋 envelopes have no centre seam to write either side of.
    settings.backLayout = size->opening == envelope::Opening::LongSide ? envelope::BackLayout::Left
                                                                       : envelope::BackLayout::Seam;
    if (printBack) {
        const QString senderPath = parsed.value(u"--sender"_s, postcard::senderFilePath());
        const postcard::SenderRead sender = postcard::readSender(senderPath);
        if (!sender.error.isEmpty())
            return fail(io, sender.error);
        if (!sender.sender)
            return fail(io, senderPath + u": holds no card to print as the sender"_s);
        settings.sender = sender.sender;
    }
    settings.trims = printing::readTrims(
        platform::ProgramFolder::file(QString::fromUtf16(printing::PostcardOffsetsFileName)));

    const std::optional<book::CardList> selected =
        printEntries(parsed.book, parsed.value(u"--cards"_s), io, parsed.value(u"--filter"_s),
                     parsed.value(u"--year"_s));
    if (!selected)
        return 1;
    printing::JobReview review = printing::reviewEntries(*selected);
    const book::CardList& entries = review.printable;
    platform::RecordingPrinter measure;
    envelope::noteEnvelopeCompromises(measure, entries, settings, review);
    for (const QString& line : review.lines())
        io.err << line << '\n';
    io.err.flush();
    if (entries.isEmpty())
        return fail(io, u"no card of the list can be delivered: nothing printed"_s);

    QString error;
    bool usage = false;
    const std::optional<platform::PrintDestination> destination =
        printDestination(parsed, systemPrinterNames(parsed),
                         envelope::envelopeJobTitle(int(entries.size())), error, usage);
    if (!destination)
        return usage ? usageError(io, error) : fail(io, error);
    if (sendJob(io, *destination, envelope::envelopePage(settings),
                [&](platform::Printer& printer) {
                    envelope::drawEnvelopes(printer, entries, settings);
                }) != 0)
        return 1;
    io.out << entries.size() << '\n';
    io.out.flush();
    return 0;
}

} // namespace cli
