#include "postcard/PostcardJob.h"
#include "platform/Fonts.h"
#include "platform/RecordingPrinter.h"
#include "postcard/BoxSpacing.h"
#include "postcard/PostcardLayout.h"
#include "postcard/ZipBoxSplit.h"
#include "support/PrintedPages.h"
#include "support/PrintedPostcards.h"

#include <QTest>

using namespace Qt::StringLiterals;
using platform::PrintedText;

namespace {

book::AddressCard card(const QString& name, const QString& zip) {
    return {name,
            name + u"の住所一"_s,
            name + u"の住所二"_s,
            name + u"の住所三"_s,
            zip,
            name + u"コード"_s,
            u"0"_s};
}

postcard::PostcardJobSettings settings(double xMm = 0, double yMm = 0) {
    postcard::PostcardJobSettings s;
    s.zipFace = u"ＭＳ 明朝"_s;
    s.textFace = u"ＭＳ 明朝"_s;
    s.trims = {xMm, yMm};
    return s;
}

int boxX(int box, const QString& text) {
    return postcard::boxTextXTwips(u"ＭＳ 明朝"_s, postcard::ZipBoxPoints, box, text);
}

} // namespace

class PostcardJobTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void splitsTheCodeIntoSevenBoxes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("boxes"); // the seven boxes joined with "|"
        const QString seven = u"１|２|３|４|５|６|７"_s;
        for (const QString& typed :
             {u"123-4567"_s, u"１２３－４５６７"_s, u"〒123-4567"_s, u"123 4567"_s, u"1234567"_s,
              u"〒 123 - 4567"_s, u"　１２３ー４５６７　"_s})
            QTest::newRow(qPrintable(typed)) << typed << seven;
        for (const QString& dash : {u"ー"_s, u"ｰ"_s, u"‐"_s, u"―"_s, u"−"_s, u"─"_s})
            QTest::newRow(qPrintable(u"dash "_s + dash)) << u"123"_s + dash + u"4567"_s << seven;
        // A code that is not seven digits is never guessed at: the boxes stay empty.
        for (const QString& typed :
             {u"123"_s, u"123-45678"_s, u"100-00"_s, u"1😀3"_s, u"123-456A"_s, u"12-34567"_s})
            QTest::newRow(qPrintable(u"not seven digits "_s + typed)) << typed << u"||||||"_s;
    }

    void splitsTheCodeIntoSevenBoxes() {
        QFETCH(QString, code);
        QFETCH(QString, boxes);
        const postcard::ZipBoxes split = postcard::zipBoxesOf(code);
        QCOMPARE(QStringList(split.begin(), split.end()).join(u'|'), boxes);
    }

    // One postcard on a page of its own: the seven boxes and the five lines where the layout puts
    // them.
    void drawsOnePostcardWhereTheLayoutSays() {
        platform::RecordingPrinter printer;
        QVERIFY(printPostcards(printer, {card(u"甲"_s, u"765-4321"_s)}, settings()));
        const QString face = u"ＭＳ 明朝"_s;
        const QStringList expected = inPageOrder({
            // Where in its box a digit goes is the PDF test's to check, by its ink.
            printedLine(1, face, 12, boxX(0, u" 7 "_s), 590, u" 7 "_s),
            printedLine(1, face, 12, boxX(1, u" 6 "_s), 590, u" 6 "_s),
            printedLine(1, face, 12, boxX(2, u" 5 "_s), 590, u" 5 "_s),
            printedLine(1, face, 12, boxX(3, u" 4 "_s), 590, u" 4 "_s),
            printedLine(1, face, 12, boxX(4, u" 3 "_s), 590, u" 3 "_s),
            printedLine(1, face, 12, boxX(5, u" 2 "_s), 590, u" 2 "_s),
            printedLine(1, face, 12, boxX(6, u" 1 "_s), 590, u" 1 "_s),
            printedLine(1, face, 11, 1500, 2850, u"甲の住所一"_s),
            printedLine(1, face, 11, 1500, 3150, u"甲の住所二"_s),
            printedLine(1, face, 11, 1800, 3450, u"甲の住所三"_s),
            printedLine(1, face, 14, 2200, 3900, u"甲　様"_s),
            printedLine(1, face, 10, 2500, 4500, u"甲コード"_s),
        });
        QCOMPARE(printedPages(printer), expected);
        QCOMPARE(printer.paper().size, platform::PaperSize::Postcard);
        QCOMPARE(printer.pageCount(), 1);
        QVERIFY(printer.ended());
    }

    // One card is covered by the page above.
    void onePagePerEntryAndNoneAfterTheLast() {
        const int entries = 300;
        book::CardList list;
        for (int i = 0; i < entries; ++i)
            list << card(u"宛名%1"_s.arg(i), u"123-4567"_s);
        platform::RecordingPrinter printer;
        QVERIFY(printPostcards(printer, list, settings()));
        QCOMPARE(printer.calls().count(u"page"_s), entries - 1);
        QVERIFY(printer.calls().at(printer.calls().size() - 2) != u"page"_s);
        // Seven boxes and five lines a card, one name a page.
        QCOMPARE(printer.printed().size(), (7 + 5) * entries);
        QStringList names, expected;
        for (const PrintedText& text : printer.printed())
            if (text.points == postcard::NameLinePlace.points)
                names << u"%1:%2"_s.arg(text.page).arg(text.text);
        for (int page = 1; page <= entries; ++page)
            expected << u"%1:宛名%2　様"_s.arg(page).arg(page - 1);
        QCOMPARE(names, expected);
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
        QVERIFY(printPostcards(plain, list, settings()));
        QVERIFY(printPostcards(moved, list, settings(xMm, yMm)));
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
