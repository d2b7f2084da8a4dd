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
    int mismatches = 0;
    const book::CardList& cards = read.loaded.cards;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const book::AddressCard& card = cards.at(i);
        const zip::CodeCheck check =
            zip::checkCode(card.postalCode, card.address1 + card.address2, directory);
        if (check.outcome != zip::CodeCheck::Outcome::Mismatch)
            continue;
        ++mismatches;
        io.out << u"%1 %2: %3"_s.arg(QString::number(i + 1), card.name, check.message) << '\n';
    }
    io.out.flush();
    return mismatches == 0 ? 0 : 1;
}

} // namespace cli
