#include "app/cli/Commands.h"

#include "app/CodeCheckReport.h"
#include "book/AddressFile.h"
#include "book/FileBytes.h"
#include "exchange/BookSplit.h"
#include "exchange/CsvImport.h"
#include "exchange/SeasonCsv.h"
#include "exchange/VCardImport.h"
#include "platform/SameFile.h"
#include "season/CardKey.h"
#include "zip/ZipDirectory.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

QString cardCount(qsizetype count) {
    return count == 1 ? u"1 card"_s : u"%1 cards"_s.arg(count);
}

// The postal codes of the books written checked against their addresses,
// as tagora check lists them, on err; a book past the first is named.
void reportCodeMismatches(const QList<book::CardList>& books, const QStringList& paths, Io& io) {
    const zip::ZipDirectory& directory = zip::ZipDirectory::shipped();
    if (!directory.ensureLoaded()) {
        io.err << u"tagora: the postal codes were not checked: "_s << directory.error() << '\n';
        return;
    }
    for (qsizetype i = 0; i < books.size(); ++i)
        for (const QString& line : app::codeMismatchLines(books.at(i), directory))
            io.err << (books.size() > 1 ? paths.at(i) + u": "_s : QString()) << line << '\n';
    io.err.flush();
}

// tagora import FILE... -o BOOK.dat: the contacts of vCard and CSV files as
// books of 300 cards, BOOK.dat, BOOK-2.dat …; what was left out and why,
// what to check, and the CSV columns not used, one line each; then on err
// the cards whose postal code is not their address's. Exit 0 when a card was
// imported.
int runImport(const CommandArguments& arguments, Io& io) {
    const QStringList inputs = arguments.positional();
    const QString output = arguments.value(u"output"_s);
    const bool force = arguments.isSet(u"force"_s);
    if (output.isEmpty())
        return usageError(io, usageLine(arguments.spec()));
    exchange::CsvOptions options;
    if (arguments.isSet(u"encoding"_s)) {
        const std::optional<exchange::TextEncoding> encoding =
            exchange::parseTextEncoding(arguments.value(u"encoding"_s));
        if (!encoding)
            return usageError(io, u"--encoding is utf-8 or cp932, not "_s +
                                      arguments.value(u"encoding"_s));
        options.encoding = *encoding;
    }
    options.mapping = arguments.value(u"map"_s);

    book::CardList cards;
    QList<exchange::LeftOut> leftOut;
    QList<exchange::LeftOut> remarks;
    QStringList unused;
    QList<exchange::SeasonCsvRow> seasons;
    for (const QString& input : inputs) {
        book::ReadError readError;
        const std::optional<QByteArray> bytes = book::readFileBytes(input, &readError);
        if (!bytes)
            return fail(io, readError.describe());
        const exchange::ImportResult result =
            exchange::isVCardFile(input, *bytes)
                ? exchange::readVCards(*bytes, input, options.encoding)
                : exchange::readCsv(*bytes, input, options);
        if (!result.ok())
            return fail(io, result.error);
        cards += result.cards;
        leftOut += result.leftOut;
        remarks += result.remarks;
        if (!result.unusedColumns.isEmpty())
            unused << input + u": "_s + exchange::unusedColumnsLine(result.unusedColumns);
        if (!exchange::isVCardFile(input, *bytes))
            seasons += exchange::readSeasonCsv(*bytes, season::comingNewYear(QDate::currentDate()));
    }

    for (const exchange::LeftOut& one : leftOut)
        io.out << u"left out: "_s << one.describe() << '\n';
    for (const exchange::LeftOut& one : remarks)
        io.out << u"check: "_s << one.describe() << '\n';
    for (const QString& line : unused)
        io.out << line << '\n';
    if (cards.isEmpty()) {
        io.out << u"imported no cards, left out %1"_s.arg(cardCount(leftOut.size())) << '\n';
        io.out.flush();
        return fail(io, u"nothing to import; no book written"_s);
    }

    const QList<book::CardList> books = exchange::splitIntoBooks(cards);
    const QStringList paths = exchange::bookPaths(output, int(books.size()));
    // Not even --force writes a book over the files being imported.
    for (const QString& path : paths)
        for (const QString& input : inputs)
            if (platform::sameFile(path, input)) {
                io.out.flush();
                return fail(io, path + u" is a file being imported; choose another book name"_s);
            }
    if (!force) {
        for (const QString& path : paths)
            if (QFileInfo::exists(path)) {
                io.out.flush();
                return fail(io, path + u" already exists; give --force to replace it"_s);
            }
    }
    QList<book::FileToSave> files;
    for (qsizetype i = 0; i < books.size(); ++i) {
        book::WriteError formatError;
        const std::optional<QByteArray> bytes = book::formatBook(books.at(i), &formatError);
        if (!bytes) {
            formatError.path = paths.at(i);
            io.out.flush();
            return fail(io, formatError.describe());
        }
        files.append({paths.at(i), *bytes});
    }
    // All the books or none: another import creating the same books at the
    // same moment finds them there and is told so.
    const book::WriteResult written =
        book::saveFileSet(files, force ? book::SaveMode::Replace : book::SaveMode::CreateNew);
    if (!written.ok()) {
        io.out.flush();
        if (written.error.kind == book::WriteError::Exists)
            return fail(io, written.error.path + u" already exists; give --force to replace it"_s);
        return fail(io, written.error.describe());
    }
    for (qsizetype i = 0; i < books.size(); ++i) {
        if (const QString failure = exchange::applySeasonCsv(seasons, paths.at(i), books.at(i));
            !failure.isEmpty())
            io.err << u"tagora: the New Year record was not kept: "_s << failure << '\n';
        io.out << u"wrote "_s << paths.at(i) << u" ("_s << cardCount(books.at(i).size())
               << u")\n"_s;
    }
    io.out << u"imported %1, left out %2"_s.arg(cardCount(cards.size()), cardCount(leftOut.size()))
           << '\n';
    io.out.flush();
    reportCodeMismatches(books, paths, io);
    return 0;
}

} // namespace

const CommandSpec ImportCommand{
    u"import"_s,
    u"import FILE... -o BOOK.dat [--encoding utf-8|cp932] [--map name=1+2,address1=3,...] [--force]"_s,
    u"make books of 300 cards (BOOK.dat, BOOK-2.dat ...) from vCard (.vcf) and CSV files; then "
    u"list the cards whose postal code is not their address's on stderr"_s,
    {
        {{u"o"_s, u"output"_s}, u"BOOK.dat"_s, u"the book to write"_s},
        {{u"encoding"_s}, u"utf-8|cp932"_s, u"the encoding of the CSV files (default: guessed)"_s},
        {{u"map"_s}, u"MAP"_s, u"the CSV columns of the fields: name=1+2,zip=5,address1=3,..."_s},
        {{u"force"_s}, {}, u"replace books that are there"_s},
    },
    {u"FILE..."_s, u"the vCard and CSV files to import"_s, 1, -1},
    runImport};

} // namespace cli
