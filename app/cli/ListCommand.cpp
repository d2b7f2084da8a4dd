#include "app/cli/Commands.h"

#include "book/BookRead.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// A field as one piece of a tab-separated line: a backslash, tab, CR, LF
// and the other control characters (ESC …) written as escapes, so a card
// stays one line and a field can never move the terminal.
QString escapedField(const QString& field) {
    QString out;
    out.reserve(field.size());
    for (QChar c : field) {
        switch (c.unicode()) {
        case u'\\': out += u"\\\\"_s; break;
        case u'\t': out += u"\\t"_s; break;
        case u'\r': out += u"\\r"_s; break;
        case u'\n': out += u"\\n"_s; break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                out += u"\\x%1"_s.arg(c.unicode(), 2, 16, QChar(u'0'));
            else
                out += c;
        }
    }
    return out;
}

} // namespace

// tagora list BOOK: one line per card, its number then the seven fields.
int runList(const QStringList& args, Io& io) {
    if (args.size() != 1)
        return usageError(io, u"usage: tagora list BOOK"_s);
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
            io.out << '\t' << escapedField(card.field(field));
        io.out << '\n';
    }
    io.out.flush();
    return 0;
}

} // namespace cli
