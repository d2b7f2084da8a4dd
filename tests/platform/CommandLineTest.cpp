#include "app/cli/CardListArgument.h"
#include "app/cli/CommandLine.h"

#include <QTest>

using namespace Qt::StringLiterals;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void homeIsTakenOutAnywhere_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("rest");
        QTest::newRow("before") << QStringList{u"--home"_s, u"/h"_s, u"list"_s, u"b.dat"_s} << u"/h"_s
                                << u"list"_s << QStringList{u"b.dat"_s};
        QTest::newRow("after") << QStringList{u"list"_s, u"b.dat"_s, u"--home"_s, u"/h"_s} << u"/h"_s
                               << u"list"_s << QStringList{u"b.dat"_s};
        QTest::newRow("equals") << QStringList{u"labels"_s, u"--home=/h"_s, u"-o"_s, u"x.pdf"_s} << u"/h"_s
                                << u"labels"_s << QStringList{u"-o"_s, u"x.pdf"_s};
        QTest::newRow("windows") << QStringList{u"--home"_s, u"/h"_s} << u"/h"_s << QString() << QStringList();
    }

    void homeIsTakenOutAnywhere() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, home);
        QFETCH(QString, command);
        QFETCH(QStringList, rest);
        const cli::ParsedCommandLine parsed = cli::parseCommandLine(arguments);
        QVERIFY(parsed.error.isEmpty());
        QCOMPARE(parsed.home, home);
        QCOMPARE(parsed.command, command);
        QCOMPARE(parsed.arguments, rest);
    }

    void badLinesAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("home without folder") << QStringList{u"list"_s, u"--home"_s};
        QTest::newRow("unknown option") << QStringList{u"--frobnicate"_s};
    }

    void badLinesAreRefused() {
        QFETCH(QStringList, arguments);
        QVERIFY(!cli::parseCommandLine(arguments).error.isEmpty());
    }

    void cardListsKeepOrderAndRepeats_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("indexes");
        QTest::newRow("all") << QString() << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("order and range") << u"3,1,5-7"_s << QList<int>{2, 0, 4, 5, 6};
        QTest::newRow("repeats") << u"2,2,1-2"_s << QList<int>{1, 1, 0, 1};
    }

    void cardListsKeepOrderAndRepeats() {
        QFETCH(QString, text);
        QFETCH(QList<int>, indexes);
        const cli::CardSelection selection = cli::parseCardList(text, 10);
        QCOMPARE(selection.error, QString());
        QCOMPARE(selection.indexes, indexes);
    }

    void badCardListsAreRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << u"0"_s;
        QTest::newRow("past the end") << u"11"_s;
        QTest::newRow("reversed") << u"5-3"_s;
        QTest::newRow("word") << u"x"_s;
        QTest::newRow("dangling comma") << u"1,"_s;
    }

    void badCardListsAreRefused() {
        QFETCH(QString, text);
        const cli::CardSelection selection = cli::parseCardList(text, 10);
        QVERIFY(!selection.error.isEmpty());
        QVERIFY(selection.indexes.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
