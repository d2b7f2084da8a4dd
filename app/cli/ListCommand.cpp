#include "app/cli/Commands.h"

#include "app/cli/SeasonArguments.h"
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
        // clang-format off
        case u'\\': out += u"\\\\"_s; break;
        case u'\t': out += u"\\t"_s; break;
        case u'\r': out += u"\\r"_s; break;
        case u'\n': out += u"\\n"_s; break;
        // clang-format on
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                out += u"\\x%1"_s.arg(c.unicode(), 2, 16, QChar(u'0'));
            else
                out += c;
        }
    }
    return out;
}

// tagora list BOOK [--filter FILTER [--year Y]]: one line per card (the
// cards the filter takes), its number then the seven fields.
int runList(const CommandArguments& arguments, Io& io) {
    std::optional<season::PrintFilter> filter;
    int year = 0;
    if (const int code = readSeasonOptions(arguments, io, filter, year))
        return code;
    const QString path = arguments.first();
    const book::BookRead read = book::readBook(path);
    if (read.layout == book::FileLayout::SixFields)
        return fail(
            io,
            path +
                u": the book has the old six-field layout; open it in the program to convert it"_s);
    const book::LoadResult& loaded = read.loaded;
    if (!loaded.ok())
        return fail(io, loaded.error.describe());
    QList<int> numbers;
    if (filter) {
        const std::unique_ptr<season::SeasonRecord> record = bookRecord(path, loaded.cards, io);
        if (!record)
            return 1;
        numbers = season::filterCards(*record, int(loaded.cards.size()), *filter, year);
    } else {
        for (int n = 1; n <= loaded.cards.size(); ++n)
            numbers << n;
    }
    for (int number : numbers) {
        const int i = number - 1;
        const book::AddressCard& card = loaded.cards[i];
        io.out << (i + 1);
        for (int field = 1; field <= book::AddressCard::FieldCount; ++field)
            io.out << '\t' << escapedField(card.field(field));
        io.out << '\n';
    }
    io.out.flush();
    return 0;
}

} // namespace

const CommandSpec ListCommand{
    u"list"_s,
    u"list BOOK [--filter FILTER [--year Y]]"_s,
    u"print every card of BOOK (or the cards FILTER takes), tab-separated: the card number, then "
    u"the seven fields, with backslash, tab, CR, LF and other control characters escaped"_s,
    {filterOption(), yearOption()},
    {u"BOOK"_s, u"the address book to list"_s, 1, 1},
    runList};

} // namespace cli
