#include "platform/UnprintableText.h"
#include "platform/RecordingPrinter.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(platform::PaperSize)

class UnprintableTextTest : public QObject {
    Q_OBJECT

private slots:
    // A 12 pt character (240 twips square) whose top-left corner is at x, y
    // paper twips, on a printer with 360-twip margins: each paper's own far
    // edges count. B5 is 9978 x 14173 twips, A5 8391 x 11906, letter
    // 12240 x 15840.
    void warningKnowsEachPapersEdges_data() {
        QTest::addColumn<platform::PaperSize>("paper");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("warning");
        const QString text = u"プリンタの印刷できない範囲に文字がかかります"_s;
        using platform::PaperSize;
        QTest::newRow("B5 corner inside") << PaperSize::B5 << 9378 << 13573 << QString();
        QTest::newRow("B5 right") << PaperSize::B5 << 9379 << 1000 << text + u"（右）"_s;
        QTest::newRow("B5 bottom") << PaperSize::B5 << 1000 << 13574 << text + u"（下）"_s;
        QTest::newRow("A5 corner inside") << PaperSize::A5 << 7791 << 11306 << QString();
        QTest::newRow("A5 right") << PaperSize::A5 << 7792 << 1000 << text + u"（右）"_s;
        QTest::newRow("A5 bottom") << PaperSize::A5 << 1000 << 11307 << text + u"（下）"_s;
        QTest::newRow("letter corner inside") << PaperSize::Letter << 11640 << 15000 << QString();
        QTest::newRow("letter right") << PaperSize::Letter << 11641 << 1000 << text + u"（右）"_s;
        QTest::newRow("letter bottom") << PaperSize::Letter << 1000 << 15241 << text + u"（下）"_s;
    }

    void warningKnowsEachPapersEdges() {
        QFETCH(platform::PaperSize, paper);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, warning);
        platform::RecordingPrinter printer;
        printer.setUnprintableTwips({360, 360, 360, 360});
        const auto draw = [x, y](platform::Printer& p) {
            p.setFontSize(12);
            p.setCurrentX(x - platform::PageOriginInsetTwips);
            p.setCurrentY(y - platform::PageOriginInsetTwips);
            p.printVertical(u"様"_s);
        };
        QCOMPARE(platform::unprintableTextWarning(printer, paper, draw), warning);
    }

    // Which sides a text box on A4 reaches into, for 18 pt (360 twips) margins.
    void warningNamesEverySideTheTextReaches_data() {
        QTest::addColumn<QRect>("extent"); // paper twips
        QTest::addColumn<QString>("warning");
        const QString text = u"プリンタの印刷できない範囲に文字がかかります"_s;
        QTest::newRow("inside") << QRect(360, 360, 11906 - 720, 16838 - 720) << QString();
        QTest::newRow("top") << QRect(1000, 359, 100, 100) << text + u"（上）"_s;
        QTest::newRow("bottom") << QRect(1000, 16000, 100, 479) << text + u"（下）"_s;
        QTest::newRow("left") << QRect(300, 1000, 100, 100) << text + u"（左）"_s;
        QTest::newRow("right") << QRect(11000, 1000, 547, 100) << text + u"（右）"_s;
        QTest::newRow("up to the right edge") << QRect(11000, 1000, 546, 100) << QString();
        QTest::newRow("everywhere") << QRect(0, 0, 11906, 16838) << text + u"（上・下・左・右）"_s;
        QTest::newRow("nothing printed") << QRect() << QString();
    }

    void warningNamesEverySideTheTextReaches() {
        QFETCH(QRect, extent);
        QFETCH(QString, warning);
        QCOMPARE(platform::unprintableTextWarning(QMargins(360, 360, 360, 360), QSize(11906, 16838),
                                                  extent),
                 warning);
    }

    // The job is measured without drawing: from the page origin 240 twips in,
    // a line as tall as its size and as wide as the printer sets it, stretched.
    void theExtentIsWhereTheJobsTextFalls() {
        platform::RecordingPrinter measuring;
        platform::TextExtentPrinter extent(measuring);
        extent.setFontName(u"ＭＳ 明朝"_s);
        extent.setFontSize(10);
        extent.setCurrentX(100);
        extent.setCurrentY(50);
        extent.print(u"  "_s); // blank: no ink
        QVERIFY(extent.extentTwips().isNull());
        extent.print(u"山田"_s);
        extent.setFontStretch(50);
        extent.setCurrentY(5000);
        extent.print(u"山田山田"_s);
        const double width = measuring.textWidth(u"山田"_s);
        QCOMPARE(extent.extentTwips(), QRect(340, 290, int(std::ceil(width)), 5000 + 200 - 50));
        QVERIFY(measuring.printed().isEmpty());
    }

    // A PDF has no margins: nothing is measured and nothing said.
    void aPdfNeedsNoWarning() {
        platform::RecordingPrinter pdf;
        bool drawn = false;
        QCOMPARE(platform::unprintableTextWarning(pdf, platform::PaperSize::A4,
                                                  [&drawn](platform::Printer&) { drawn = true; }),
                 QString());
        QVERIFY(!drawn);
        platform::RecordingPrinter printer;
        printer.setUnprintableTwips({360, 360, 360, 360});
        const QString warning = platform::unprintableTextWarning(
            printer, platform::PaperSize::Postcard, [](platform::Printer& p) {
                p.setFontSize(12);
                p.setCurrentX(5669 - 240 - 100);
                p.setCurrentY(1000);
                p.print(u"様"_s);
            });
        QCOMPARE(warning, u"プリンタの印刷できない範囲に文字がかかります（右）"_s);
    }
};

QTEST_GUILESS_MAIN(UnprintableTextTest)
#include "UnprintableTextTest.moc"
