#include "app/cli/Commands.h"
#include "app/cli/SeasonArguments.h"

#include "book/BookRead.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

const QString Usage =
    u"usage: tagora history BOOK [--year Y] | tagora history BOOK --card N [--year Y] "
    "(--set|--unset) sent|received|mourning|note|group:NAME [--note TEXT]"_s;

// One year's marks: "2027 送 受 喪「祖父」 メモ「…」".
QString yearText(int year, const season::YearMarks& marks) {
    QString text = QString::number(year);
    if (marks.sent)
        text += u" 送"_s;
    if (marks.received)
        text += u" 受"_s;
    if (marks.mourning)
        text += marks.mourningNote.isEmpty() ? u" 喪"_s : u" 喪「"_s + marks.mourningNote + u"」"_s;
    if (!marks.note.isEmpty())
        text += u" メモ「"_s + marks.note + u"」"_s;
    return text;
}

// Number, name, then the years (one year when onlyYear), then the groups.
QString recordLine(const QString& number, const QString& name, const season::CardRecord* record,
                   std::optional<int> onlyYear) {
    QStringList fields{number, name};
    if (record) {
        for (auto year = record->years.cbegin(); year != record->years.cend(); ++year)
            if (!onlyYear || *onlyYear == year.key())
                fields << yearText(year.key(), *year);
        if (!record->groups.isEmpty())
            fields << u"グループ："_s + record->groups.join(u'、');
    }
    if (onlyYear && (!record || !record->years.contains(*onlyYear)))
        fields.insert(2, QString::number(*onlyYear));
    for (QString& field : fields)
        field.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    return fields.join(u'\t');
}

// Changes one mark, the note or a group of card `number`.
season::RecordResult change(season::SeasonRecord& record, int number, const book::AddressCard& card,
                            int year, const QString& what, bool set, const QString& note,
                            bool noteGiven) {
    if (what.startsWith(u"group:"_s)) {
        QStringList groups = record.groups(number);
        const QString group = what.mid(6).trimmed();
        groups.removeAll(group);
        if (set)
            groups << group;
        return record.setGroups(number, card, groups);
    }
    season::YearMarks marks = record.marks(number, year);
    if (what == u"sent"_s) {
        marks.sent = set;
    } else if (what == u"received"_s) {
        marks.received = set;
    } else if (what == u"mourning"_s) {
        marks.mourning = set;
        if (!set || noteGiven)
            marks.mourningNote = set ? note : QString();
    } else {
        marks.note = set ? note : QString();
    }
    if (noteGiven && what != u"mourning"_s && what != u"note"_s)
        marks.note = note;
    return record.setMarks(number, card, year, marks);
}

} // namespace

// tagora history: the season's record of a book, or one change to it. The
// book itself is only read.
int runHistory(const QStringList& args, Io& io) {
    const BookOptions parsed = readBookOptions(
        args, {u"--year"_s, u"--card"_s, u"--set"_s, u"--unset"_s, u"--note"_s}, Usage);
    if (!parsed.error.isEmpty())
        return usageError(io, parsed.error);
    const bool setting = parsed.has(u"--set"_s);
    const bool unsetting = parsed.has(u"--unset"_s);
    const bool changing =
        setting || unsetting || parsed.has(u"--card"_s) || parsed.has(u"--note"_s);
    const QString what = parsed.value(setting ? u"--set"_s : u"--unset"_s);
    if (changing && (setting == unsetting || !parsed.has(u"--card"_s)))
        return usageError(io, Usage);
    static const QStringList Marks = {u"sent"_s, u"received"_s, u"mourning"_s, u"note"_s};
    if (changing && !Marks.contains(what) &&
        !(what.startsWith(u"group:"_s) && !what.mid(6).trimmed().isEmpty()))
        return usageError(
            io,
            u"--set and --unset take sent, received, mourning, note or group:NAME, not "_s + what);
    if (changing && setting && what == u"note"_s && !parsed.has(u"--note"_s))
        return usageError(io, u"--set note needs --note TEXT"_s);

    const std::optional<int> year = seasonYear(parsed.value(u"--year"_s), io);
    if (!year)
        return 2;
    const book::BookRead read = book::readBook(parsed.book);
    if (!read.loaded.ok())
        return fail(
            io,
            read.layout == book::FileLayout::SixFields
                ? parsed.book +
                      u": the book has the old six-field layout; open it in the program to convert it"_s
                : read.loaded.error.describe());
    const book::CardList& cards = read.loaded.cards;
    const std::unique_ptr<season::SeasonRecord> record = bookRecord(parsed.book, cards, io);
    if (!record)
        return 1;

    if (changing) {
        bool numeric = false;
        const int number = parsed.value(u"--card"_s).toInt(&numeric);
        if (!numeric || number < 1 || number > cards.size())
            return fail(io, u"the card must be 1 to %1, not %2"_s.arg(cards.size())
                                .arg(parsed.value(u"--card"_s)));
        const season::RecordResult changed =
            change(*record, number, cards.at(number - 1), *year, what, setting,
                   parsed.value(u"--note"_s), parsed.has(u"--note"_s));
        if (!changed.ok())
            return fail(io, changed.error);
        io.out << recordLine(QString::number(number), cards.at(number - 1).name,
                             record->recordOf(number), *year)
               << '\n';
        io.out.flush();
        return 0;
    }
    const std::optional<int> onlyYear = parsed.has(u"--year"_s) ? year : std::optional<int>();
    for (int n = 1; n <= cards.size(); ++n)
        io.out << recordLine(QString::number(n), cards.at(n - 1).name, record->recordOf(n),
                             onlyYear)
               << '\n';
    // Records no card matches any more are listed last, to be seen.
    for (const season::CardRecord* left : record->unmatched())
        io.out << recordLine(u"?"_s, left->name + u"（"_s + left->address + u"）"_s, left, onlyYear)
               << '\n';
    io.out.flush();
    return 0;
}

} // namespace cli
