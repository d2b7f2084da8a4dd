// The helper of bench/kill-season.sh, which kills it at random moments:
//   tagora_kill_season make BOOK    a 300-card book (no record yet)
//   tagora_kill_season loop BOOK    writes the 2027 season of every card, as
//                                   version 1, then 2, then 1 … until killed
//   tagora_kill_season check BOOK   prints the version every card holds,
//                                   "none" before the first season, and fails
//                                   when the cards disagree (a torn season)
#include "book/AddressFile.h"
#include "season/SeasonRecord.h"

#include <QCoreApplication>
#include <QSet>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int failWith(const QString& message) {
    std::fprintf(stderr, "tagora_kill_season: %s\n", qPrintable(message));
    return 1;
}

book::CardList cards() {
    book::CardList result;
    for (int i = 1; i <= book::BookCapacity; ++i)
        result.append({u"宛名 %1"_s.arg(i), u"東京都千代田区丸の内%1丁目"_s.arg(i), QString(),
                       QString(), u"100-0005"_s, QString(), u"0"_s});
    return result;
}

QList<int> everyCard() {
    QList<int> numbers;
    for (int n = 1; n <= book::BookCapacity; ++n)
        numbers << n;
    return numbers;
}

int loop(const QString& book) {
    const book::CardList all = cards();
    season::SeasonRecord record(book);
    for (int version = 1;; version = 3 - version) {
        const season::RecordResult written =
            record.changeMarks(everyCard(), all, 2027, [version](season::YearMarks& marks) {
                marks.sent = version == 1;
                marks.received = version == 2;
                marks.note = u"版%1"_s.arg(version);
            });
        if (!written.ok())
            return failWith(written.error);
    }
}

int check(const QString& book) {
    season::SeasonRecord record(book);
    if (!record.openResult().ok())
        return failWith(record.openResult().error);
    QSet<QString> versions;
    for (int n = 1; n <= book::BookCapacity; ++n) {
        const season::YearMarks marks = record.marks(n, 2027);
        const bool whole = marks.isEmpty() ||
                           (marks.note == u"版1"_s && marks.sent && !marks.received) ||
                           (marks.note == u"版2"_s && marks.received && !marks.sent);
        if (!whole)
            return failWith(u"card %1 holds a torn mark"_s.arg(n));
        versions.insert(marks.isEmpty() ? u"none"_s : marks.note);
    }
    if (versions.size() != 1)
        return failWith(u"the cards hold different seasons: "_s +
                        QStringList(versions.cbegin(), versions.cend()).join(u' '));
    std::printf("%s\n", qPrintable(*versions.cbegin()));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.size() == 2 && args.at(0) == u"make"_s) {
        const book::WriteResult written = book::writeBook(args.at(1), cards());
        return written.ok() ? 0 : failWith(written.error.describe());
    }
    if (args.size() == 2 && args.at(0) == u"loop"_s)
        return loop(args.at(1));
    if (args.size() == 2 && args.at(0) == u"check"_s)
        return check(args.at(1));
    return failWith(u"usage: make BOOK | loop BOOK | check BOOK"_s);
}
