#include "app/cli/Commands.h"

#include "book/BookRead.h"
#include "book/FileBytes.h"
#include "exchange/Export.h"
#include "season/SeasonRecord.h"
#include "platform/SameFile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace cli {

// tagora export BOOK -o FILE.csv|FILE.vcf: the book's cards as CSV or vCard 4.0,
// chosen by the output's suffix.
int runExport(const QStringList& args, Io& io) {
    const QString usage = u"usage: tagora export BOOK -o FILE.csv|FILE.vcf"_s;
    QString input;
    QString output;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == u"-o"_s || arg == u"--output"_s) {
            if (i + 1 >= args.size())
                return usageError(io, usage);
            output = args.at(++i);
        } else if (arg.startsWith(u'-') || !input.isEmpty()) {
            return usageError(io, usage);
        } else {
            input = arg;
        }
    }
    if (input.isEmpty() || output.isEmpty())
        return usageError(io, usage);
    const QString suffix = QFileInfo(output).suffix().toLower();
    const bool csv = suffix == u"csv"_s;
    if (!csv && suffix != u"vcf"_s && suffix != u"vcard"_s)
        return fail(io, output + u": the output must end in .csv or .vcf"_s);
    // A book may carry any name, .csv too; the export must not replace it.
    if (platform::sameFile(output, input))
        return fail(io, output + u" is the book being exported; choose another output file"_s);

    const book::BookRead read = book::readBook(input);
    if (read.layout == book::FileLayout::SixFields)
        return fail(io, input + u": the book has the old six-field layout; open it in the program to convert it"_s);
    if (!read.loaded.ok())
        return fail(io, read.loaded.error.describe());
    const book::CardList& cards = read.loaded.cards;
    const QByteArray bytes =
        csv ? exchange::formatCsv(cards, exchange::seasonCsvColumns(season::SeasonRecord(input),
                                                                    int(cards.size())))
            : exchange::formatVCards(cards);
    const book::WriteResult written = book::saveFileBytes(output, bytes);
    if (!written.ok())
        return fail(io, written.error.describe());
    io.out << u"exported %1 to %2"_s.arg(cards.size() == 1 ? u"1 card"_s : u"%1 cards"_s.arg(cards.size()), output)
           << '\n';
    io.out.flush();
    return 0;
}

} // namespace cli
