#include "labels/LabelLayout.h"

#include <QTest>

using namespace Qt::StringLiterals;

class LabelLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void trimsBecomeWholeTwips_data() {
        QTest::addColumn<double>("millimetres");
        QTest::addColumn<int>("twips");
        QTest::newRow("none") << 0.0 << 0;
        QTest::newRow("half up, away from zero") << 2.5 << 138;
        QTest::newRow("half down, away from zero") << -2.5 << -138;
        QTest::newRow("off the grid") << 15.55 << 855;
        QTest::newRow("a hundredth left") << -0.01 << -1;
    }

    // 55 twips a millimetre, rounded; X and Y alike.
    void trimsBecomeWholeTwips() {
        QFETCH(double, millimetres);
        QFETCH(int, twips);
        const printing::OffsetsTwips offsets = printing::Trims{millimetres, -millimetres}.twips();
        QCOMPARE(offsets.xTwips, twips);
        QCOMPARE(offsets.yTwips, -twips);
    }

    void longNamesShiftLeft() {
        QCOMPARE(labels::nameShift(QString(11, u'山')), 0);
        QCOMPARE(labels::nameShift(QString(12, u'山')), 200);
        QCOMPARE(labels::nameShift(QString(16, u'山')), 820);
        // A character outside the basic plane is two UTF-16 units but one character.
        QCOMPARE(labels::nameShift(QString(5, u'山') + u"𠮷𠮷𠮷𠮷𠮷𠮷"_s), 0);
    }

    // Entries, start label, sheets.
    void sheetCounts() {
        const int rows[][3] = {{12, 1, 1}, {13, 1, 2}, {1, 12, 1}, {2, 12, 2}, {300, 5, 26}};
        for (const auto& row : rows)
            QCOMPARE(labels::sheetCount(row[0], row[1]), row[2]);
    }
};

QTEST_APPLESS_MAIN(LabelLayoutTest)
#include "LabelLayoutTest.moc"
