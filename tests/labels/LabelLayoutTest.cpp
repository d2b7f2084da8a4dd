#include "labels/LabelLayout.h"

#include <QTest>

using namespace Qt::StringLiterals;

class LabelLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void millimetreTextsAreReadLeniently_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("twips");
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
