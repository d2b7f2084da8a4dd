// tagora_season_bench DIR: a 300-card book whose record holds 20 years of
// marks and groups, then each filter of the start window timed the way the
// program runs it: the record read from its file and the filter over it.
// Prints one line per filter, the median of 21 runs in milliseconds, and
// exits 1 when any is over the 20 ms target.
#include "book/AddressFile.h"
#include "season/PrintFilter.h"
#include "season/SeasonRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: tagora_season_bench DIR\n");
        return 2;
    }
    const QString book = QDir(args.at(0)).filePath(u"season-bench.dat"_s);
    QFile::remove(season::SeasonRecord::pathFor(book));
    book::CardList cards;
    QList<int> numbers;
    for (int i = 1; i <= book::BookCapacity; ++i) {
        cards.append({u"宛名 %1"_s.arg(i), u"東京都千代田区丸の内%1丁目"_s.arg(i), QString(),
                      QString(), u"100-0005"_s, QString(), u"0"_s});
        numbers << i;
    }
    if (!book::writeBook(book, cards).ok())
        return 1;
    {
        season::SeasonRecord record(book);
        QRandomGenerator random(2027);
        for (int year = 2008; year <= 2027; ++year) {
            const season::RecordResult written =
                record.changeMarks(numbers, cards, year, [&random](season::YearMarks& marks) {
                    marks.sent = random.bounded(10) < 8;
                    marks.received = random.bounded(10) < 7;
                    marks.mourning = random.bounded(20) == 0;
                    if (marks.mourning)
                        marks.mourningNote = u"祖父"_s;
                });
            if (!written.ok()) {
                std::fprintf(stderr, "%s\n", qPrintable(written.error));
                return 1;
            }
        }
        for (int n = 1; n <= cards.size(); n += 3)
            record.setGroups(n, cards.at(n - 1), {n % 2 ? u"家族"_s : u"仕事"_s});
    }
    QList<season::PrintFilter> filters = season::PrintFilter::fixedFilters();
    filters << *season::PrintFilter::parse(u"group:家族"_s);
    bool within = true;
    for (const season::PrintFilter& filter : filters) {
        QList<double> runs;
        qsizetype taken = 0;
        for (int run = 0; run < 21; ++run) {
            QElapsedTimer timer;
            timer.start();
            const season::SeasonRecord record(book);
            taken = season::filterCards(record, int(cards.size()), filter, 2027).size();
            runs << timer.nsecsElapsed() / 1e6;
        }
        std::sort(runs.begin(), runs.end());
        const double median = runs.at(runs.size() / 2);
        // The filter alone, over the record already read.
        const season::SeasonRecord record(book);
        QList<double> filterRuns;
        for (int run = 0; run < 21; ++run) {
            QElapsedTimer timer;
            timer.start();
            season::filterCards(record, int(cards.size()), filter, 2027);
            filterRuns << timer.nsecsElapsed() / 1e6;
        }
        std::sort(filterRuns.begin(), filterRuns.end());
        within = within && median < 20.0;
        std::printf("season filter %-20s %3lld cards  %6.2f ms read and filtered, %5.2f ms the "
                    "filter alone (medians of 21; target 20 ms)\n",
                    qPrintable(filter.name()), static_cast<long long>(taken), median,
                    filterRuns.at(filterRuns.size() / 2));
    }
    QFile::remove(season::SeasonRecord::pathFor(book));
    QFile::remove(book);
    return within ? 0 : 1;
}
