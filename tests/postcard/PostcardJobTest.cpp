#include "platform/RecordingPrinter.h"
#include "platform/Fonts.h"
#include "postcard/PostcardJob.h"
#include "postcard/ZipBoxSplit.h"

#include <QTest>

using namespace Qt::StringLiterals;
using platform::PrintedText;

namespace {

book::AddressCard card(const QString& name, const QString& zip) {
    return {name, name + u"の住所一"_s, name + u"の住所二"_s, name + u"の住所三"_s, zip, name + u"コード"_s, u"0"_s};
}

postcard::PostcardJobSettings settings(double xMm = 0, double yMm = 0) {
    postcard::PostcardJobSettings s;
    s.zipFace = u"ＭＳ 明朝"_s;
    s.textFace = u"ＭＳ 明朝"_s;
    s.xOffsetMillimetres = xMm;
    s.yOffsetMillimetres = yMm;
    return s;
}

} // namespace

class PostcardJobTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void splitsTheCodeIntoSevenBoxes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("boxes"); // the seven boxes joined with "|"
        QTest::newRow("hyphen after three") << u"123-4567"_s << u"１|２|３|４|５|６|７"_s;
        QTest::newRow("full-width with hyphen") << u"１２３－４５６７"_s << u"１|２|３|４|５|６|７"_s;
        QTest::newRow("three digits") << u"123"_s << u"１|２|３||||"_s;
        QTest::newRow("too long, rest dropped") << u"123-45678"_s << u"１|２|３|４|５|６|７"_s;
        QTest::newRow("hyphen elsewhere is a character") << u"12-34567"_s << u"１|２|－|３|４|５|６"_s;
        QTest::newRow("a box holds a whole character") << u"1😀3"_s << u"１|😀|３||||"_s;
    }

    void splitsTheCodeIntoSevenBoxes() {
        QFETCH(QString, code);
        QFETCH(QString, boxes);
        const postcard::ZipBoxes split = postcard::zipBoxesOf(code);
        QCOMPARE(QStringList(split.begin(), split.end()).join(u'|'), boxes);
    }

    // The exact calls of one postcard, all seven boxes first, then the lines.
    void drawsOnePostcardInTheLayoutsOrder() {
        platform::RecordingPrinter printer;
        QVERIFY(postcard::printPostcards(printer, {card(u"甲"_s, u"765-4321"_s)}, settings()).ok());
        const QStringList expected = {
            u"begin postcard"_s,
            u"font ＭＳ 明朝"_s, u"size 12"_s,
            u"x 2370"_s, u"y 590"_s, u"print  7 "_s,
            u"x 2750"_s, u"y 590"_s, u"print  6 "_s,
            u"x 3130"_s, u"y 590"_s, u"print  5 "_s,
            u"x 3570"_s, u"y 590"_s, u"print  4 "_s,
            u"x 3950"_s, u"y 590"_s, u"print  3 "_s,
            u"x 4330"_s, u"y 590"_s, u"print  2 "_s,
            u"x 4710"_s, u"y 590"_s, u"print  1 "_s,
            u"font ＭＳ 明朝"_s, u"size 11"_s,
            u"x 1500"_s, u"y 2850"_s, u"print 甲の住所一"_s,
            u"x 1500"_s, u"y 3150"_s, u"print 甲の住所二"_s,
            u"x 1800"_s, u"y 3450"_s, u"print 甲の住所三"_s,
            u"font ＭＳ 明朝"_s, u"size 14"_s,
            u"x 2200"_s, u"y 3900"_s, u"print 甲　様"_s,
            u"font ＭＳ 明朝"_s, u"size 10"_s,
            u"x 2500"_s, u"y 4500"_s, u"print 甲コード"_s,
            u"end"_s,
        };
        QCOMPARE(printer.calls(), expected);
    }

    // One card is covered by the exact calls above.
    void onePagePerEntryAndNoneAfterTheLast() {
        const int entries = 300;
        book::CardList list;
        for (int i = 0; i < entries; ++i)
            list << card(u"宛名%1"_s.arg(i), u"123"_s);
        platform::RecordingPrinter printer;
        QVERIFY(postcard::printPostcards(printer, list, settings()).ok());
        QCOMPARE(printer.calls().count(u"page"_s), entries - 1);
        QVERIFY(printer.calls().at(printer.calls().size() - 2) != u"page"_s);
        // Three boxes and five lines a card (the four empty boxes print nothing), the name 7th.
        QCOMPARE(printer.printed().size(), 8 * entries);
        for (int page = 1; page <= entries; ++page) {
            const PrintedText name = printer.printed().at(8 * (page - 1) + 6);
            QCOMPARE(u"%1:%2"_s.arg(name.page).arg(name.text), u"%1:宛名%2　様"_s.arg(page).arg(page - 1));
        }
    }

    // A trim moves everything, the boxes too: 55 twips per millimetre.
    void offsetsMoveEveryItem_data() {
        QTest::addColumn<double>("xMm");
        QTest::addColumn<double>("yMm");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("10 mm left, 11 mm down") << -10.0 << 11.0 << -550 << 605;
        QTest::newRow("half millimetre") << 0.5 << -0.5 << 28 << -28;
    }

    void offsetsMoveEveryItem() {
        QFETCH(double, xMm);
        QFETCH(double, yMm);
        QFETCH(int, dx);
        QFETCH(int, dy);
        const book::CardList list = {card(u"甲"_s, u"123-4567"_s), card(u"乙"_s, u"7654321"_s)};
        platform::RecordingPrinter plain;
        platform::RecordingPrinter moved;
        QVERIFY(postcard::printPostcards(plain, list, settings()).ok());
        QVERIFY(postcard::printPostcards(moved, list, settings(xMm, yMm)).ok());
        QCOMPARE(moved.printed().size(), plain.printed().size());
        for (int i = 0; i < plain.printed().size(); ++i) {
            PrintedText expected = plain.printed()[i];
            expected.xTwips += dx;
            expected.yTwips += dy;
            QCOMPARE(moved.printed()[i], expected);
        }
    }
};

QTEST_MAIN(PostcardJobTest)
#include "PostcardJobTest.moc"
