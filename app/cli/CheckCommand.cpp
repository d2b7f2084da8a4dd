#include "app/CodeCheckReport.h"
#include "app/cli/Commands.h"

#include "book/BookRead.h"
#include "zip/CodeCheck.h"

using namespace Qt::StringLiterals;

namespace cli {

// tagora check BOOK: each card's postal code against its address; the
// mismatches listed with the code the directory gives the address. The book
// is only read. Exit 0 when every card matches, 1 when some do not.
int runCheck(const QStringList& args, Io& io) {
    if (args.size() != 1 || args.first().startsWith(u'-'))
        return usageError(io, u"usage: tagora check BOOK"_s);
    const book::BookRead read = book::readBook(args.first());
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

} // namespace cli
