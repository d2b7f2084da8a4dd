#include "app/CodeCheckReport.h"
#include "app/cli/Commands.h"

#include "book/BookRead.h"
#include "zip/CodeCheck.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// tagora check BOOK: each card's postal code against its address; the
// mismatches listed with the code the directory gives the address. The book
// is only read. Exit 0 when every card matches, 1 when some do not.
int runCheck(const CommandArguments& arguments, Io& io) {
    const book::BookRead read = book::readBook(arguments.first());
    if (!read.loaded.ok())
        return fail(io, read.loaded.error.describe());
    const zip::ZipDirectory& directory = zip::ZipDirectory::shipped();
    if (!directory.ensureLoaded())
        return fail(io, directory.error());
    const QStringList mismatches = app::codeMismatchLines(read.loaded.cards, directory);
    for (const QString& line : mismatches)
        io.out << line << '\n';
    io.out.flush();
    return mismatches.isEmpty() ? 0 : 1;
}

} // namespace

const CommandSpec CheckCommand{
    u"check"_s,
    u"check BOOK"_s,
    u"list the cards whose postal code is not their address's, with the code the directory "
    u"gives; exit 1 when there are some"_s,
    {},
    {u"BOOK"_s, u"the address book to check"_s, 1, 1},
    runCheck};

} // namespace cli
