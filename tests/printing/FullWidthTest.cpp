#include "printing/FullWidth.h"
#include "printing/PostalCode.h"

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
        QCOMPARE(printing::toFullWidth(input), expected);
    }

    // The label's postal line prints every dash an input method gives as the hyphen.
    void zipLinePrintsEveryDashAsTheHyphen_data() {
        QTest::addColumn<QString>("code");
        for (const QString& dash :
             {u"-"_s, u"－"_s, u"ー"_s, u"ｰ"_s, u"‐"_s, u"―"_s, u"−"_s, u"─"_s})
            QTest::newRow(qPrintable(dash)) << u"123"_s + dash + u"4567"_s;
    }

    void zipLinePrintsEveryDashAsTheHyphen() {
        QFETCH(QString, code);
        QCOMPARE(printing::zipLine(code), u"〒１２３－４５６７"_s);
    }

    void zipLineKeepsOtherCharacters() { QCOMPARE(printing::zipLine(u"ｱ1~"_s), u"〒ア１～"_s); }
};

QTEST_GUILESS_MAIN(FullWidthTest)
#include "FullWidthTest.moc"
