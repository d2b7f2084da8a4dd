#include "platform/UnprintableText.h"
#include "platform/RecordingPrinter.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

class UnprintableTextTest : public QObject {
    Q_OBJECT

  private slots:
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
