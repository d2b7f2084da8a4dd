#include "app/cli/PrintCommand.h"

#include "app/cli/PrintEntries.h"
#include "app/cli/SeasonArguments.h"
#include "app/cli/SendJob.h"
#include "platform/QtPrinterProvider.h"
#include "platform/SameFile.h"
#include "postcard/SenderFile.h"

using namespace Qt::StringLiterals;

namespace cli {

QList<OptionSpec> printOptionSpecs(const QList<OptionSpec>& own) {
    return own + QList<OptionSpec>{
                     {{u"cards"_s},
                      u"LIST"_s,
                      u"the cards to print, in that order: 3,1,5-9 (default every card)"_s},
                     filterOption(),
                     yearOption(),
                     {{u"no-code"_s}, {}, u"leave the postal code out"_s},
                     {{u"barcode"_s}, {}, u"add Japan Post's customer barcode where it fits"_s},
                     {{u"o"_s, u"output"_s}, u"OUT.pdf"_s, u"write the job into this PDF file"_s},
                     {{u"printer"_s}, u"QUEUE"_s, u"print on this queue (see tagora printers)"_s},
                     {{u"copies"_s}, u"N"_s, u"copies on the printer, 1 to 999 (default 1)"_s},
                 };
}

int readPrintOptions(const CommandArguments& arguments, Io& io, PrintOptions& options) {
    options.book = arguments.first();
    options.cards = arguments.value(u"cards"_s);
    options.printCode = !arguments.isSet(u"no-code"_s);
    options.barcodes = arguments.isSet(u"barcode"_s);
    options.output = arguments.value(u"output"_s);
    options.printer = arguments.value(u"printer"_s);
    if (options.output.isEmpty() == options.printer.isEmpty())
        return usageError(io, usageLine(arguments.spec()));
    if (const int code = readSeasonOptions(arguments, io, options.filter, options.year))
        return code;
    if (arguments.isSet(u"copies"_s)) {
        if (options.printer.isEmpty())
            return usageError(io, u"--copies needs --printer; a PDF holds one copy"_s);
        bool numeric = false;
        const QString text = arguments.value(u"copies"_s);
        options.copies = text.toInt(&numeric);
        if (!numeric || options.copies < 1 || options.copies > 999)
            return usageError(io,
                              u"--copies: the number of copies must be 1 to 999, not "_s + text);
    }
    // The PDF would replace the book, under whatever name or link it is given.
    if (!options.output.isEmpty() && platform::sameFile(options.output, options.book))
        return fail(io,
                    options.output + u" is the book being printed; choose another output file"_s);
    return 0;
}

std::optional<printing::JobReview> reviewedEntries(const PrintOptions& options, Io& io,
                                                   int& exitCode) {
    const std::optional<book::CardList> selected =
        printEntries(options.book, options.cards, io, options.filter, options.year, exitCode);
    if (!selected)
        return std::nullopt;
    return printing::reviewEntries(*selected);
}

std::optional<book::AddressCard> readSenderBook(const QString& path, Io& io) {
    const postcard::SenderRead read = postcard::readSender(path);
    if (!read.error.isEmpty())
        fail(io, read.error);
    else if (!read.sender)
        fail(io, path + u": holds no card to print as the sender"_s);
    return read.sender;
}

int sendPrintJob(Io& io, const PrintOptions& options, const printing::JobReview& review,
                 const QString& jobTitle, const platform::PageFormat& paper,
                 const platform::JobDrawing& draw, qsizetype count) {
    for (const QString& line : review.lines())
        io.err << line << '\n';
    io.err.flush();
    if (review.printable.isEmpty())
        return fail(io, u"no card of the list can be delivered: nothing printed"_s);

    platform::PrintDestination destination = platform::PrintDestination::pdf(options.output);
    if (!options.printer.isEmpty()) {
        // Asking the print system takes time: only for a job that names a queue.
        const QStringList names = platform::QtPrinterProvider().printerNames();
        if (!names.contains(options.printer))
            return fail(io, names.isEmpty() ? u"no printer named "_s + options.printer +
                                                  u": no printers are installed"_s
                                            : u"no printer named "_s + options.printer +
                                                  u"; the printers are: "_s + names.join(u", "_s));
        destination = platform::PrintDestination::printer(options.printer);
        destination.copies = options.copies;
    }
    destination.jobTitle = jobTitle;
    if (sendJob(io, destination, paper, draw) != 0)
        return 1;
    io.out << count << '\n';
    io.out.flush();
    return 0;
}

} // namespace cli
