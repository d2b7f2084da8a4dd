// The season on the command line: history, the filters of list and the print
// commands, and the record's columns through export and import. The book's
// bytes never change.
#include "book/AddressFile.h"
#include "book/FileBytes.h"
#include "support/RunTagora.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class SeasonCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_book;
    QByteArray m_bytes;

    TagoraRun run(const QStringList& arguments) { return runTagora(m_dir.path(), arguments); }
    // The history line of card n for 2027.
    QString historyOf(const QString& book, int n) {
        const TagoraRun listed = run({u"history"_s, book, u"--year"_s, u"2027"_s});
        return listed.out.split(u'\n').value(n - 1);
    }

private slots:
    // Four cards: 1 sent last year; 2 received, not sent; 3 in mourning; 4 in 家族.
    void init() {
        m_book = m_dir.filePath(u"山田家.dat"_s);
        QFile::remove(m_dir.filePath(u"山田家.tagora"_s));
        book::CardList cards;
        for (int i = 1; i <= 4; ++i)
            cards.append({u"宛名%1"_s.arg(i),
                          u"東京都港区%1-1"_s.arg(i),
                          {},
                          {},
                          u"105-0001"_s,
                          {},
                          u"0"_s});
        QVERIFY(book::writeBook(m_book, cards).ok());
        m_bytes = *book::readFileBytes(m_book, nullptr);
        const QList<QStringList> changes = {
            {u"--card"_s, u"1"_s, u"--year"_s, u"2026"_s, u"--set"_s, u"sent"_s},
            {u"--card"_s, u"2"_s, u"--year"_s, u"2027"_s, u"--set"_s, u"received"_s},
            {u"--card"_s, u"3"_s, u"--year"_s, u"2027"_s, u"--set"_s, u"mourning"_s, u"--note"_s,
             u"祖父"_s},
            {u"--card"_s, u"4"_s, u"--set"_s, u"group:家族"_s},
        };
        for (const QStringList& change : changes) {
            const TagoraRun changed = run(QStringList{u"history"_s, m_book} + change);
            QVERIFY2(changed.exitCode == 0, qPrintable(changed.err));
        }
    }

    void historyListsAndChanges() {
        QCOMPARE(historyOf(m_book, 1), u"1\t宛名1\t2027"_s);
        QCOMPARE(historyOf(m_book, 3), u"3\t宛名3\t2027 喪「祖父」"_s);
        QCOMPARE(historyOf(m_book, 4), u"4\t宛名4\t2027\tグループ：家族"_s);
        const TagoraRun all = run({u"history"_s, m_book});
        QCOMPARE(all.out.split(u'\n').value(0), u"1\t宛名1\t2026 送"_s);
        const TagoraRun unset = run({u"history"_s, m_book, u"--card"_s, u"3"_s, u"--year"_s,
                                     u"2027"_s, u"--unset"_s, u"mourning"_s});
        QCOMPARE(unset.out, u"3\t宛名3\t2027\n"_s);
        QCOMPARE(*book::readFileBytes(m_book, nullptr), m_bytes);
    }

    void filters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("sent-last-year") << u"sent-last-year"_s << u"1"_s;
        QTest::newRow("received-not-sent") << u"受け取ったが送っていない人"_s << u"2"_s;
        QTest::newRow("no-mourning") << u"no-mourning"_s << u"1 2 4"_s;
        QTest::newRow("mourning") << u"mourning"_s << u"3"_s;
        QTest::newRow("group") << u"group:家族"_s << u"4"_s;
    }
    void filters() {
        QFETCH(QString, filter);
        QFETCH(QString, numbers);
        const TagoraRun listed =
            run({u"list"_s, m_book, u"--filter"_s, filter, u"--year"_s, u"2027"_s});
        QCOMPARE(listed.exitCode, 0);
        QStringList got;
        for (const QString& line : listed.out.split(u'\n', Qt::SkipEmptyParts))
            got << line.section(u'\t', 0, 0);
        QCOMPARE(got.join(u' '), numbers);
        // The print commands take the same cards: one postcard each.
        const TagoraRun printed = run({u"postcards"_s, m_book, u"--filter"_s, filter, u"--year"_s,
                                       u"2027"_s, u"-o"_s, m_dir.filePath(u"out.pdf"_s)});
        QCOMPARE(printed.out, u"%1\n"_s.arg(got.size()));
        QCOMPARE(*book::readFileBytes(m_book, nullptr), m_bytes);
    }

    void refusesBadSeasonOptions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown filter")
            << QStringList{u"list"_s, u"BOOK"_s, u"--filter"_s, u"sent"_s};
        QTest::newRow("bad year") << QStringList{u"list"_s,     u"BOOK"_s,   u"--filter"_s,
                                                 u"mourning"_s, u"--year"_s, u"27"_s};
        QTest::newRow("labels, unknown filter")
            << QStringList{u"labels"_s, u"BOOK"_s, u"--filter"_s, u"x"_s, u"-o"_s, u"x.pdf"_s};
        QTest::newRow("set without card")
            << QStringList{u"history"_s, u"BOOK"_s, u"--set"_s, u"sent"_s};
        QTest::newRow("unknown mark")
            << QStringList{u"history"_s, u"BOOK"_s, u"--card"_s, u"1"_s, u"--set"_s, u"sen"_s};
    }
    void refusesBadSeasonOptions() {
        QFETCH(QStringList, arguments);
        arguments.replaceInStrings(u"BOOK"_s, m_book);
        QCOMPARE(run(arguments).exitCode, 2);
        QCOMPARE(*book::readFileBytes(m_book, nullptr), m_bytes);
    }

    // The record travels in the CSV's columns and comes back on import.
    void exportAndImportCarryTheRecord() {
        const QString csv = m_dir.filePath(u"out.csv"_s);
        QCOMPARE(run({u"export"_s, m_book, u"-o"_s, csv}).exitCode, 0);
        QFile exported(csv);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(exported.readLine()).trimmed(),
                 u"宛名,住所1,住所2,住所3,郵便番号,コード,敬称,2026送,2026受,2026喪中,"
                 "2027送,2027受,2027喪中,グループ"_s);
        const QString copy = m_dir.filePath(u"写し.dat"_s);
        const TagoraRun imported = run({u"import"_s, csv, u"-o"_s, copy, u"--force"_s});
        QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
        QCOMPARE(run({u"history"_s, copy}).out, run({u"history"_s, m_book}).out);
        QCOMPARE(*book::readFileBytes(copy, nullptr), m_bytes);
    }
};

QTEST_GUILESS_MAIN(SeasonCommandsTest)
#include "SeasonCommandsTest.moc"
