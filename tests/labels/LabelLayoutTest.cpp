#include "labels/LabelLayout.h"

#include <QTest>

using namespace Qt::StringLiterals;
using labels::OffsetsTwips;

class LabelLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void linesSitWhereTheCellSays_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<double>("points");
        QTest::newRow("label 12 postal line") << 12 << 1 << 0 << 6450 << 13150 << 11.0;
        QTest::newRow("label 7 postal line") << 7 << 1 << 0 << 1500 << 1200 + 3 * 2390 << 11.0;
        QTest::newRow("label 1 address 1") << 1 << 2 << 0 << 1500 << 1600 << 11.0;
        QTest::newRow("label 3 address 2") << 3 << 3 << 0 << 1500 << 1900 + 2390 << 11.0;
        QTest::newRow("label 6 building, indented") << 6 << 4 << 0 << 6650 << 2200 + 2 * 2390 << 11.0;
        QTest::newRow("label 1 name") << 1 << 5 << 0 << 2300 << 2700 << 12.0;
        QTest::newRow("label 8 name of 14 chars") << 8 << 5 << 600 << 7300 - 600 << 2700 + 3 * 2390 << 12.0;
        QTest::newRow("label 11 code") << 11 << 6 << 820 << 2500 << 3050 + 5 * 2390 << 10.0;
        QTest::newRow("label 2 code further in") << 2 << 6 << 0 << 7500 << 3050 << 10.0;
    }

    void linesSitWhereTheCellSays() {
        QFETCH(int, label);
        QFETCH(int, line);
        QFETCH(int, shift);
        const labels::LinePlacement placement = labels::linePlacement(label, line, shift, {});
        QTEST(placement.xTwips, "x");
        QTEST(placement.yTwips, "y");
        QTEST(placement.points, "points");
    }

    // Trims of −10 mm and +11 mm move every line of every label 550 left and 605 down.
    void offsetsMoveEveryLine() {
        const OffsetsTwips offsets{-550, 605};
        for (int label = 1; label <= 12; ++label) {
            for (int line = 1; line <= 6; ++line) {
                const auto plain = labels::linePlacement(label, line, 200, {});
                const auto moved = labels::linePlacement(label, line, 200, offsets);
                QCOMPARE(moved.xTwips - plain.xTwips, -550);
                QCOMPARE(moved.yTwips - plain.yTwips, 605);
            }
        }
    }

    void millimetreTextsAreReadLeniently_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("twips");
        QTest::newRow("ten left") << u"-10"_s << -550;
        QTest::newRow("half") << u"2.5"_s << 138;
        QTest::newRow("not a number") << u"abc"_s << 0;
    }

    void millimetreTextsAreReadLeniently() {
        QFETCH(QString, text);
        QTEST(labels::offsetsFromMillimetres(text, text).xTwips, "twips");
        QTEST(labels::offsetsFromMillimetres(text, text).yTwips, "twips");
    }

    void longNamesShiftLeft_data() {
        QTest::addColumn<QString>("nameLine");
        QTest::addColumn<int>("shift");
        QTest::newRow("11") << QString(11, u'山') << 0;
        QTest::newRow("12") << QString(12, u'山') << 200;
        QTest::newRow("15") << QString(15, u'山') << 800;
        QTest::newRow("16") << QString(16, u'山') << 820;
        QTest::newRow("40") << QString(40, u'山') << 820;
        // A character outside the basic plane is two UTF-16 units but one character.
        QTest::newRow("11 with surrogates") << (QString(5, u'山') + u"𠮷𠮷𠮷𠮷𠮷𠮷"_s) << 0;
        QTest::newRow("half-width counts 1") << u"ABCDEFGHIJKL"_s << 200;
    }

    void longNamesShiftLeft() {
        QFETCH(QString, nameLine);
        QTEST(labels::nameShift(nameLine), "shift");
    }

    void sheetCounts_data() {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("sheets");
        QTest::newRow("12 from 1") << 12 << 1 << 1;
        QTest::newRow("13 from 1") << 13 << 1 << 2;
        QTest::newRow("1 from 12") << 1 << 12 << 1;
        QTest::newRow("2 from 12") << 2 << 12 << 2;
        QTest::newRow("14 from 12") << 14 << 12 << 3;
        QTest::newRow("20 from 3") << 20 << 3 << 2;
        QTest::newRow("30 from 5") << 30 << 5 << 3;
        QTest::newRow("25 from 12") << 25 << 12 << 3;
        QTest::newRow("300 from 1") << 300 << 1 << 25;
        QTest::newRow("300 from 5") << 300 << 5 << 26;
    }

    void sheetCounts() {
        QFETCH(int, entries);
        QFETCH(int, start);
        QTEST(labels::sheetCount(entries, start), "sheets");
    }
};

QTEST_APPLESS_MAIN(LabelLayoutTest)
#include "LabelLayoutTest.moc"
