#include "app/cli/Commands.h"

#include "book/BookRead.h"
#include "book/FileBytes.h"
#include "exchange/Export.h"
#include "platform/SameFile.h"
#include "season/SeasonRecord.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// tagora export BOOK -o FILE [--format csv|vcard|vcard3|postcard]: the book's
// cards as CSV, vCard 4.0, vCard 3.0 or a postcard program's CSV; without
// --format as the output's suffix says (.csv CSV, .vcf vCard 4.0).
int runExport(const CommandArguments& arguments, Io& io) {
    const QString input = arguments.first();
    const QString output = arguments.value(u"output"_s);
    if (output.isEmpty())
        return usageError(io, usageLine(arguments.spec()));
    std::optional<exchange::ExportFormat> format;
    if (arguments.isSet(u"format"_s)) {
        format = exchange::exportFormatNamed(arguments.value(u"format"_s));
        if (!format)
            return usageError(io, u"--format: "_s + arguments.value(u"format"_s) +
                                      u": the format must be csv, vcard, vcard3 or postcard"_s);
    }
    if (!format)
        format = exchange::exportFormatOfPath(output);
    if (!format)
        return usageError(
            io, output + u": the output must end in .csv or .vcf, or --format name the format"_s);
    // A book may carry any name, .csv too; the export must not replace it.
    if (platform::sameFile(output, input))
        return fail(io, output + u" is the book being exported; choose another output file"_s);

    const book::BookRead read = book::readBook(input);
    if (read.layout == book::FileLayout::SixFields)
        return fail(
            io,
            input +
                u": the book has the old six-field layout; open it in the program to convert it"_s);
    if (!read.loaded.ok())
        return fail(io, read.loaded.error.describe());
    const book::CardList& cards = read.loaded.cards;
    const exchange::CsvExtraColumns extra =
        *format == exchange::ExportFormat::Csv
            ? exchange::seasonCsvColumns(season::SeasonRecord(input), int(cards.size()))
            : exchange::CsvExtraColumns();
    const std::optional<QByteArray> bytes = exchange::formatExport(*format, cards, extra);
    if (!bytes)
        return fail(io, input + u": a card holds a character code page 932 cannot"_s);
    const book::WriteResult written = book::saveFileBytes(output, *bytes);
    if (!written.ok())
        return fail(io, written.error.describe());
    io.out << u"exported %1 to %2"_s.arg(
                  cards.size() == 1 ? u"1 card"_s : u"%1 cards"_s.arg(cards.size()), output)
           << '\n';
    io.out.flush();
    return 0;
}

} // namespace

const CommandSpec ExportCommand{
    u"export"_s,
    u"export BOOK -o FILE.csv|FILE.vcf [--format csv|vcard|vcard3|postcard]"_s,
    u"write BOOK's cards as CSV (UTF-8) or vCard 4.0, as the suffix says; --format vcard3 for "
    u"phones, postcard for postcard programs (Shift-JIS CSV)"_s,
    {
        {{u"o"_s, u"output"_s}, u"FILE"_s, u"the file to write"_s},
        {{u"format"_s}, u"csv|vcard|vcard3|postcard"_s, u"the format, whatever the suffix"_s},
    },
    {u"BOOK"_s, u"the address book to export"_s, 1, 1},
    runExport};

} // namespace cli
