#include "labels/LabelLayout.h"

#include <QTest>

using namespace Qt::StringLiterals;

class LabelLayoutTest : public QObject {
    Q_OBJECT

private slots:
    // 55 twips a millimetre, rounded; what is not a number is no offset.
    void millimetreTextsAreReadLeniently() {
        QCOMPARE(labels::offsetsFromMillimetres(u"2.5"_s, u"-2.5"_s).xTwips, 138);
        QCOMPARE(labels::offsetsFromMillimetres(u"2.5"_s, u"-2.5"_s).yTwips, -138);
        QCOMPARE(labels::offsetsFromMillimetres(u"abc"_s, u"abc"_s).yTwips, 0);
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
