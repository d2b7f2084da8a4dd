#include "labels/FullWidth.h"

#include <QTest>

using namespace Qt::StringLiterals;

class FullWidthTest : public QObject {
    Q_OBJECT

private slots:
    void halfWidthBecomesFullWidth_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("code with hyphen") << u"123-4567"_s << u"１２３－４５６７"_s;
        QTest::newRow("letters and signs") << u"Ab~!"_s << u"Ａｂ～！"_s;
        QTest::newRow("space") << u"1 2"_s << u"１　２"_s;
        QTest::newRow("voiced kana joined") << u"ｶﾞｷﾞﾊﾟｳﾞ"_s << u"ガギパヴ"_s;
        QTest::newRow("plain kana and long mark") << u"ｱｲｰ｡"_s << u"アイー。"_s;
        QTest::newRow("lone voiced mark stays visible") << u"ﾞ1"_s << u"゛１"_s;
        QTest::newRow("already full width kept") << u"１２３－ア"_s << u"１２３－ア"_s;
        QTest::newRow("kanji kept") << u"東京1"_s << u"東京１"_s;
        QTest::newRow("empty") << QString() << QString();
    }

    void halfWidthBecomesFullWidth() {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(labels::toFullWidth(input), expected);
    }

    void zipLineStartsWithTheMark() {
        QCOMPARE(labels::zipLine(u"100-0013"_s), u"〒１００－００１３"_s);
        QCOMPARE(labels::zipLine(QString()), u"〒"_s);
    }
};

QTEST_GUILESS_MAIN(FullWidthTest)
#include "FullWidthTest.moc"
