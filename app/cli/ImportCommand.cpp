#include "app/cli/Commands.h"

#include "book/AddressFile.h"
#include "book/FileBytes.h"
#include "exchange/BookSplit.h"
#include "exchange/CsvImport.h"
#include "exchange/SeasonCsv.h"
#include "exchange/VCardImport.h"
#include "platform/SameFile.h"
#include "season/CardKey.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

const QString Usage =
    u"usage: tagora import FILE... -o BOOK.dat [--encoding utf-8|cp932] [--map name=1+2,address1=3,...] [--force]"_s;

QString cardCount(qsizetype count) {
    return count == 1 ? u"1 card"_s : u"%1 cards"_s.arg(count);
}

} // namespace

// tagora import FILE... -o BOOK.dat: the contacts of vCard and CSV files as
// books of 300 cards, BOOK.dat, BOOK-2.dat …; what was left out and why,
// what to check, and the CSV columns not used, one line each. Exit 0 when a
// card was imported.
int runImport(const QStringList& args, Io& io) {
    QStringList inputs;
    QString output;
    exchange::CsvOptions options;
    bool force = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == u"-o"_s || arg == u"--output"_s) {
            if (!hasValue)
                return usageError(io, Usage);
            output = args.at(++i);
        } else if (arg == u"--encoding"_s) {
            if (!hasValue)
                return usageError(io, Usage);
            const std::optional<exchange::TextEncoding> encoding = exchange::parseTextEncoding(args.at(++i));
            if (!encoding)
                return fail(io, u"--encoding is utf-8 or cp932, not "_s + args.at(i));
            options.encoding = *encoding;
        } else if (arg == u"--map"_s) {
            if (!hasValue)
                return usageError(io, Usage);
            options.mapping = args.at(++i);
        } else if (arg == u"--force"_s) {
            force = true;
        } else if (arg.startsWith(u'-') && arg != u"-"_s) {
            return usageError(io, u"unknown option "_s + arg + u"; "_s + Usage);
        } else {
            inputs << arg;
        }
    }
    if (inputs.isEmpty() || output.isEmpty())
        return usageError(io, Usage);

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
        const exchange::ImportResult result = exchange::isVCardFile(input, *bytes)
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
        io.out << u"wrote "_s << paths.at(i) << u" ("_s << cardCount(books.at(i).size()) << u")\n"_s;
    }
    io.out << u"imported %1, left out %2"_s.arg(cardCount(cards.size()), cardCount(leftOut.size())) << '\n';
    io.out.flush();
    return 0;
}

} // namespace cli
