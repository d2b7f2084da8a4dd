#include "SheetFiles.h"

#include "labels/LabelSheets.h"
#include "labels/SheetLibrary.h"
#include "labels/SheetTestPage.h"
#include "platform/RecordingPrinter.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace sheetfiles;

class SheetPrintingTest : public QObject {
    Q_OBJECT

private slots:
    // The test page outlines every label where the job takes it to be,
    // rounded corners included, and rules millimetres from the paper's edges;
    // the trims move it all.
    void testPageOutlinesAndRules() {
        labels::SheetTemplate sheet = labels::standardSheet();
        const auto lineTo = [](double x1, double y1, double x2, double y2,
                               printing::OffsetsTwips by = {}) {
            return u"line %1,%2 %3,%4"_s.arg(labels::pagePositionTwips(x1) + by.xTwips)
                .arg(labels::pagePositionTwips(y1) + by.yTwips)
                .arg(labels::pagePositionTwips(x2) + by.xTwips)
                .arg(labels::pagePositionTwips(y2) + by.yTwips);
        };
        platform::RecordingPrinter square;
        labels::drawSheetTestPage(square, sheet);
        // Label 12's bottom edge, the 100 mm tick of the ruler across (4 mm), the 55 mm one (2.5
        // mm).
        QVERIFY(square.calls().contains(lineTo(191.4, 275.4, 105, 275.4)));
        QVERIFY(square.calls().contains(lineTo(100, 8, 100, 12)));
        QVERIFY(square.calls().contains(lineTo(55, 8, 55, 10.5)));
        QVERIFY(square.calls().contains(lineTo(8, 100, 12, 100)));
        QVERIFY(
            square.calls().contains(lineTo(185, 277, 195, 277))); // the cross at the bottom right
        const printing::OffsetsTwips trims{-550, 605};
        platform::RecordingPrinter moved;
        labels::drawSheetTestPage(moved, sheet, trims);
        QVERIFY(moved.calls().contains(lineTo(191.4, 275.4, 105, 275.4, trims)));
        QCOMPARE(moved.printed().first().text, u"1"_s);

        sheet.cornerRadiusMm = 3;
        platform::RecordingPrinter round;
        labels::drawSheetTestPage(round, sheet);
        // Each corner in six steps: 28 strokes a label instead of 4.
        const auto strokes = [](const platform::RecordingPrinter& printer) {
            return std::count_if(printer.calls().begin(), printer.calls().end(),
                                 [](const QString& call) { return call.startsWith(u"line "_s); });
        };
        QCOMPARE(strokes(round) - strokes(square), 12 * (28 - 4));
    }

    // Used labels anywhere on the first sheet stay empty; the entries fill
    // the other labels in order, then whole sheets.
    void usedLabelsStayEmpty_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("used");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QList<int>>("filled"); // labels of sheet 1 with entries 0, 1, …
        QTest::addColumn<int>("sheets");
        QTest::newRow("scattered")
            << 1 << QList<int>{1, 2, 5} << 5 << QList<int>{3, 4, 6, 7, 8} << 1;
        QTest::newRow("with a start label")
            << 4 << QList<int>{2, 6, 12, 99} << 3 << QList<int>{4, 5, 7} << 1;
        QTest::newRow("onto a second sheet")
            << 1 << QList<int>{2} << 13 << QList<int>{1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12} << 2;
        QTest::newRow("none used, as before") << 11 << QList<int>{} << 3 << QList<int>{11, 12} << 2;
    }

    void usedLabelsStayEmpty() {
        QFETCH(int, start);
        QFETCH(QList<int>, used);
        QFETCH(int, entries);
        QFETCH(QList<int>, filled);
        QFETCH(int, sheets);
        book::CardList cards;
        for (int i = 0; i < entries; ++i)
            cards << book::AddressCard{
                u"名前"_s + QString::number(i), u"東京都"_s, {}, {}, u"1000001"_s, {}, u"0"_s};
        labels::LabelSheets job(cards, start, u"IPAexMincho"_s, {});
        job.setUsedLabels(used);
        QCOMPARE(job.sheetCount(), sheets);
        platform::RecordingPrinter printer;
        QVERIFY(printer.begin(platform::PaperSize::A4));
        QVERIFY(job.drawJob(printer));
        QCOMPARE(printer.pageCount(), sheets);
        const labels::SheetLayout& layout = job.layout();
        for (qsizetype entry = 0; entry < cards.size(); ++entry) {
            const auto name = std::find_if(
                printer.printed().begin(), printer.printed().end(),
                [&](const auto& text) { return text.text.startsWith(cards[entry].name); });
            QVERIFY(name != printer.printed().end());
            const int page = entry < filled.size() ? 1 : 2;
            const int label =
                entry < filled.size() ? filled[entry] : int(entry - filled.size()) + 1;
            QCOMPARE(name->page, page);
            QVERIFY2(layout.cellTwips(label).contains(name->xTwips, name->yTwips),
                     qPrintable(cards[entry].name));
        }
    }

    // On a 24-label sheet the block is scaled by the width ratio (66 / 86.4),
    // sizes too, never below 6 pt; the trims move it unscaled; 30 entries from
    // label 20 take three sheets.
    void otherSheetsScaleTheBlock() {
        QTemporaryDir empty;
        labels::SheetLibrary library(empty.path(), Faulty);
        const labels::SheetTemplate& sheet = *library.find(u"Test GOOD24"_s);
        const labels::SheetLayout layout(sheet);
        QVERIFY(qAbs(layout.textScale() - 66 / 86.4) < 1e-9);
        const QRect cell5 = layout.cellTwips(5); // second row, middle
        QCOMPARE(cell5.left(), labels::pagePositionTwips(72));
        QCOMPARE(cell5.top(), labels::pagePositionTwips(46.8));
        const labels::LinePlacement postal = layout.linePlacement(5, labels::PostalLine, 0, {});
        const labels::LinePlacement code = layout.linePlacement(5, labels::CodeLine, 0, {});
        QVERIFY(cell5.contains(postal.xTwips, postal.yTwips));
        QCOMPARE(code.yTwips - postal.yTwips, qRound(1850 * 66 / 86.4));
        QCOMPARE(code.points, 7.6);
        const labels::LinePlacement moved =
            layout.linePlacement(5, labels::PostalLine, 0, {-550, 605});
        QCOMPARE(moved.xTwips, postal.xTwips - 550);
        QCOMPARE(moved.yTwips, postal.yTwips + 605);

        labels::SheetTemplate tiny = sheet;
        tiny.labelWidthMm = 20;
        tiny.labelHeightMm = 10;
        QCOMPARE(labels::SheetLayout(tiny).linePlacement(1, labels::CodeLine, 0, {}).points, 6.0);

        book::CardList entries;
        for (int i = 0; i < 30; ++i)
            entries << book::AddressCard{
                u"名前"_s + QString::number(i), u"東京都"_s, {}, {}, u"1"_s, {}, u"0"_s};
        QCOMPARE(labels::LabelSheets(entries, 1, u"IPAexMincho"_s, {}, sheet).sheetCount(), 2);
        QCOMPARE(labels::LabelSheets(entries, 20, u"IPAexMincho"_s, {}, sheet).sheetCount(), 3);
        QCOMPARE(labels::LabelSheets(entries, 25, u"IPAexMincho"_s, {}, sheet).startLabel(), 0);
    }
};

QTEST_GUILESS_MAIN(SheetPrintingTest)
#include "SheetPrintingTest.moc"
