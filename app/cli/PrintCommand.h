#pragma once

#include "app/cli/Commands.h"
#include "book/AddressCard.h"
#include "platform/PrintJob.h"
#include "printing/JobReview.h"
#include "season/PrintFilter.h"

#include <optional>

namespace cli {

// The options every print command takes, parsed: the book, the cards and
// filter that choose its entries, the code line and barcode, and where the
// job goes.
struct PrintOptions {
    QString book;
    QString cards;                             // "3,1,5-9", empty for every card
    std::optional<season::PrintFilter> filter; // nullopt: no filter
    int year = 0;                              // the New Year of the filter
    bool printCode = true;
    bool barcodes = false;
    QString output;  // the PDF, empty when printing on a queue
    QString printer; // the queue, empty when writing a PDF
    int copies = 1;
};

// The command's own options followed by those of every print command:
// --cards, --filter, --year, --no-code, --barcode, -o, --printer, --copies.
QList<OptionSpec> printOptionSpecs(const QList<OptionSpec>& own);

// Reads the print options into options: 0, or 2 after a usage line on err
// (a bad filter, year or copy count, not exactly one of -o and --printer,
// --copies of a PDF), or 1 when the PDF would replace the book.
int readPrintOptions(const CommandArguments& arguments, Io& io, PrintOptions& options);

// The entries of options' book the job takes, reviewed: nullopt with
// exitCode set after one line on err.
std::optional<printing::JobReview> reviewedEntries(const PrintOptions& options, Io& io,
                                                   int& exitCode);

// The first card of the book at path, printed as the sender: nullopt after
// one line on err when the file cannot be read or holds no card.
std::optional<book::AddressCard> readSenderBook(const QString& path, Io& io);

// The end of every print command: the review's lines on err, then the job
// titled jobTitle to the PDF or the queue, on paper, drawn by draw; prints
// count (sheets or entries) on out. 1 when nothing can be delivered, the
// queue is not there or the job fails.
int sendPrintJob(Io& io, const PrintOptions& options, const printing::JobReview& review,
                 const QString& jobTitle, const platform::PageFormat& paper,
                 const platform::JobDrawing& draw, qsizetype count);

} // namespace cli
