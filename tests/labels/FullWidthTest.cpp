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
        QTest::newRow("letters, space and signs") << u"A b~!"_s << u"Ａ　ｂ～！"_s;
        QTest::newRow("voiced kana joined") << u"ｶﾞﾊﾟｳﾞｱｰ"_s << u"ガパヴアー"_s;
        QTest::newRow("lone voiced mark stays visible") << u"ﾞ1"_s << u"゛１"_s;
        QTest::newRow("full-width and kanji kept") << u"東京１ア"_s << u"東京１ア"_s;
    }

    void halfWidthBecomesFullWidth() {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(labels::toFullWidth(input), expected);
    }
};

QTEST_GUILESS_MAIN(FullWidthTest)
#include "FullWidthTest.moc"
