#include "labels/LabelLayout.h"

#include <QTest>

using namespace Qt::StringLiterals;

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
        QTest::newRow("label 3 address 2") << 3 << 3 << 0 << 1500 << 1900 + 2390 << 11.0;
        QTest::newRow("label 8 name of 14 chars") << 8 << 5 << 600 << 7300 - 600 << 2700 + 3 * 2390 << 12.0;
        QTest::newRow("label 11 code, no name shift") << 11 << 6 << 820 << 2500 << 3050 + 5 * 2390 << 10.0;
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
        QTest::newRow("16") << QString(16, u'山') << 820;
        // A character outside the basic plane is two UTF-16 units but one character.
        QTest::newRow("11 with surrogates") << (QString(5, u'山') + u"𠮷𠮷𠮷𠮷𠮷𠮷"_s) << 0;
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
        QTest::newRow("25 from 1") << 25 << 1 << 3;
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
