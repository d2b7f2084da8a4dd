#include "app/cli/Commands.h"

#include "book/BookRead.h"

using namespace Qt::StringLiterals;

namespace cli {

// tagora list BOOK: one line per card, its number then the seven fields.
int runList(const QStringList& args, Io& io) {
    if (args.size() != 1)
        return fail(io, u"usage: tagora list BOOK"_s);
    const QString& path = args.first();
    const book::BookRead read = book::readBook(path);
    if (read.layout == book::FileLayout::SixFields)
        return fail(io, path + u": the book has the old six-field layout; open it in the program to convert it"_s);
    const book::LoadResult& loaded = read.loaded;
    if (!loaded.ok())
        return fail(io, loaded.error.describe());
    for (int i = 0; i < loaded.cards.size(); ++i) {
        const book::AddressCard& card = loaded.cards[i];
        io.out << (i + 1);
        for (int field = 1; field <= book::AddressCard::FieldCount; ++field)
            io.out << '\t' << card.field(field);
        io.out << '\n';
    }
    io.out.flush();
    return 0;
}

} // namespace cli
