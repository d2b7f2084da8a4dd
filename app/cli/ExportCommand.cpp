#include "app/cli/Commands.h"

#include "book/BookRead.h"
#include "book/FileBytes.h"
#include "exchange/Export.h"
#include "platform/SameFile.h"
#include "season/SeasonRecord.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace cli {

// tagora export BOOK -o FILE [--format csv|vcard|vcard3|postcard]: the book's
// cards as CSV, vCard 4.0, vCard 3.0 or a postcard program's CSV; without
// --format as the output's suffix says (.csv CSV, .vcf vCard 4.0).
int runExport(const QStringList& args, Io& io) {
    const QString usage =
        u"usage: tagora export BOOK -o FILE.csv|FILE.vcf [--format csv|vcard|vcard3|postcard]"_s;
    QString input;
    QString output;
    std::optional<exchange::ExportFormat> format;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == u"-o"_s || arg == u"--output"_s) {
            if (i + 1 >= args.size())
                return usageError(io, usage);
            output = args.at(++i);
        } else if (arg == u"--format"_s) {
            if (i + 1 >= args.size())
                return usageError(io, usage);
            format = exchange::exportFormatNamed(args.at(++i));
            if (!format)
                return fail(io,
                            args.at(i) + u": the format must be csv, vcard, vcard3 or postcard"_s);
        } else if (arg.startsWith(u'-') || !input.isEmpty()) {
            return usageError(io, usage);
        } else {
            input = arg;
        }
    }
    if (input.isEmpty() || output.isEmpty())
        return usageError(io, usage);
    if (!format)
        format = exchange::exportFormatOfPath(output);
    if (!format)
        return fail(
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

} // namespace cli
