#include "app/cli/Commands.h"
#include "app/cli/SeasonArguments.h"

#include "book/BookRead.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

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

// tagora history: the season's record of a book, or one change to it. The
// book itself is only read.
int runHistory(const CommandArguments& parsed, Io& io) {
    const bool setting = parsed.isSet(u"set"_s);
    const bool unsetting = parsed.isSet(u"unset"_s);
    const bool changing =
        setting || unsetting || parsed.isSet(u"card"_s) || parsed.isSet(u"note"_s);
    const QString what = parsed.value(setting ? u"set"_s : u"unset"_s);
    if (changing && (setting == unsetting || !parsed.isSet(u"card"_s)))
        return usageError(io, usageLine(parsed.spec()));
    static const QStringList Marks = {u"sent"_s, u"received"_s, u"mourning"_s, u"note"_s};
    if (changing && !Marks.contains(what) &&
        !(what.startsWith(u"group:"_s) && !what.mid(6).trimmed().isEmpty()))
        return usageError(
            io,
            u"--set and --unset take sent, received, mourning, note or group:NAME, not "_s + what);
    if (changing && setting && what == u"note"_s && !parsed.isSet(u"note"_s))
        return usageError(io, u"--set note needs --note TEXT"_s);
    const std::optional<int> knownYear = seasonYear(parsed.value(u"year"_s), io);
    if (!knownYear)
        return 2;
    const int year = *knownYear;
    const QString bookPath = parsed.first();
    const book::BookRead read = book::readBook(bookPath);
    if (!read.loaded.ok())
        return fail(
            io,
            read.layout == book::FileLayout::SixFields
                ? bookPath +
                      u": the book has the old six-field layout; open it in the program to convert it"_s
                : read.loaded.error.describe());
    const book::CardList& cards = read.loaded.cards;
    const std::unique_ptr<season::SeasonRecord> record = bookRecord(bookPath, cards, io);
    if (!record)
        return 1;

    if (changing) {
        bool numeric = false;
        const int number = parsed.value(u"card"_s).toInt(&numeric);
        if (!numeric || number < 1 || number > cards.size())
            return usageError(io, u"--card: the card must be 1 to %1, not %2"_s.arg(cards.size())
                                      .arg(parsed.value(u"card"_s)));
        const season::RecordResult changed =
            change(*record, number, cards.at(number - 1), year, what, setting,
                   parsed.value(u"note"_s), parsed.isSet(u"note"_s));
        if (!changed.ok())
            return fail(io, changed.error);
        io.out << recordLine(QString::number(number), cards.at(number - 1).name,
                             record->recordOf(number), year)
               << '\n';
        io.out.flush();
        return 0;
    }
    const std::optional<int> onlyYear = parsed.isSet(u"year"_s) ? year : std::optional<int>();
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

} // namespace

const CommandSpec HistoryCommand{
    u"history"_s,
    u"history BOOK [--year Y] | history BOOK --card N [--year Y] "
    u"(--set|--unset) sent|received|mourning|note|group:NAME [--note TEXT]"_s,
    u"list the New Year card record of BOOK (card number, name, the marks of each year: 送 sent, "
    u"受 received, 喪 mourning, and the groups), or change card N's record; the record is kept "
    u"in BOOK.tagora beside BOOK, the book itself is never changed"_s,
    {
        yearOption(),
        {{u"card"_s}, u"N"_s, u"the card whose record changes"_s},
        {{u"set"_s}, u"MARK"_s, u"set sent, received, mourning, note or group:NAME"_s},
        {{u"unset"_s}, u"MARK"_s, u"take the mark, the note or the group away"_s},
        {{u"note"_s}, u"TEXT"_s, u"the mourning note with mourning, else the year's note"_s},
    },
    {u"BOOK"_s, u"the address book whose record it is"_s, 1, 1},
    runHistory};

} // namespace cli
