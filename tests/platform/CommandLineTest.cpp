#include "app/cli/CommandLine.h"
#include "app/cli/CardListArgument.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The labels and postcards command tests run the whole program on ordinary
// lines (--home first, card lists in order with repeats, a card past the end);
// these are the placements and refusals they do not reach.
class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void homeIsTakenOutAnywhere_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("command"); // empty: the windows open
        QTest::addColumn<QStringList>("rest");
        QTest::newRow("after") << QStringList{u"list"_s, u"b.dat"_s, u"--home"_s, u"/h"_s}
                               << u"list"_s << QStringList{u"b.dat"_s};
        QTest::newRow("equals") << QStringList{u"labels"_s, u"--home=/h"_s, u"-o"_s, u"x.pdf"_s}
                                << u"labels"_s << QStringList{u"-o"_s, u"x.pdf"_s};
        QTest::newRow("windows") << QStringList{u"--home"_s, u"/h"_s} << QString() << QStringList();
    }

    void homeIsTakenOutAnywhere() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, command);
        QFETCH(QStringList, rest);
        const cli::ParsedCommandLine parsed = cli::parseCommandLine(arguments);
        QCOMPARE(parsed.error, QString());
        QCOMPARE(parsed.home, u"/h"_s);
        QCOMPARE(parsed.command, command);
        QCOMPARE(parsed.arguments, rest);
    }

    void refusals() {
        QVERIFY(!cli::parseCommandLine({u"list"_s, u"--home"_s}).error.isEmpty());
        QVERIFY(!cli::parseCommandLine({u"--frobnicate"_s}).error.isEmpty());
        QCOMPARE(cli::parseCardList(QString(), 3).indexes, (QList<int>{0, 1, 2}));
        for (const QString& text : {u"0"_s, u"5-3"_s, u"x"_s, u"1,"_s}) {
            const cli::CardSelection selection = cli::parseCardList(text, 10);
            QVERIFY2(!selection.error.isEmpty(), qPrintable(text));
            QVERIFY(selection.indexes.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
