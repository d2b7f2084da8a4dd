#include "labels/LabelPrintJob.h"
#include "labels/LabelSheets.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/TestPlatform.h"
#include "printing/LineFit.h"
#include "printing/OffsetsFile.h"
#include "support/PrintedPages.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using labels::LabelJobResult;
using platform::RecordingPrinter;

namespace {

const QString Face = u"ＭＳ 明朝"_s;

// Entry i is card "名前i" with postal code i, so every printed postal line tells its entry.
book::CardList numberedEntries(int count) {
    book::CardList entries;
    for (int i = 0; i < count; ++i)
        entries << book::AddressCard{
            u"名前"_s + QString::number(i),        u"東京都"_s, u"一丁目"_s, u"ビル"_s,
            u"100%1"_s.arg(i, 4, 10, QChar(u'0')), u"C"_s,      u"0"_s};
    return entries;
}

// "page:label:entry" for every postal line printed, read back from its position.
QStringList placedEntries(const RecordingPrinter& printer) {
    QStringList placed;
    for (const platform::PrintedText& text : printer.printed()) {
        if (!text.text.startsWith(u"〒"_s))
            continue;
        const int row = (text.yTwips - 1200) / 2390 + 1;
        const int label = 2 * row - (text.xTwips == 1500 ? 1 : 0);
        // The code's last four digits number the entry: 〒１００－００１２ is entry 12.
        const int entry = text.text.normalized(QString::NormalizationForm_KC).right(4).toInt();
        placed << u"%1:%2:%3"_s.arg(text.page).arg(label).arg(entry);
    }
    return placed;
}

QStringList run(int page, int firstLabel, int lastLabel, int firstEntry) {
    QStringList expected;
    for (int label = firstLabel; label <= lastLabel; ++label)
        expected << u"%1:%2:%3"_s.arg(page).arg(label).arg(firstEntry + label - firstLabel);
    return expected;
}

RecordingPrinter drawn(const book::CardList& entries, int start, printing::Trims trims = {}) {
    RecordingPrinter printer;
    printer.begin(platform::PaperSize::A4);
    labels::LabelSheets(entries, start, Face, trims).drawJob(printer);
    return printer;
}

// A print job in a program folder of its own, with one printer unless told otherwise.
struct JobBench {
    QTemporaryDir dir;
    platform::TestPlatform test;

    explicit JobBench(bool withPrinter = true) {
        platform::ProgramFolder::choose(dir.path());
        if (withPrinter)
            test.printers.setPrinters({u"Office"_s}, u"Office"_s);
    }
    LabelJobResult run(int entries, int start = 1) {
        labels::LabelPrintJob job(test.platform, printing::OutputChoice{}, QString());
        return job.run(numberedEntries(entries), start, Face, dir.filePath(u"Tagora.opt"_s));
    }
    platform::PrintedText firstPrinted() const { return test.printers.last()->printed().first(); }
};

} // namespace

class LabelJobTest : public QObject {
    Q_OBJECT

private slots:
    // One cell is six lines, each in its place, face and size; the trims move them all.
    void aCellPutsItsSixLinesInPlace() {
        book::CardList entries = numberedEntries(1);
        entries[0].name = QString(11, u'山'); // with "　様" the line has 13 characters: 400 left
        const RecordingPrinter printer = drawn(entries, 4, {1, -1});
        const QStringList expected = inPageOrder({
            printedLine(1, Face, 11, 6505, 3535, u"〒１００－００００"_s),
            printedLine(1, Face, 11, 6505, 3935, u"東京都"_s),
            printedLine(1, Face, 11, 6505, 4235, u"一丁目"_s),
            printedLine(1, Face, 11, 6705, 4535, u"ビル"_s),
            printedLine(1, Face, 12, 6955, 5035, QString(11, u'山') + u"　様"_s),
            printedLine(1, Face, 10, 7555, 5385, u"C"_s),
        });
        QCOMPARE(printedPages(printer), expected);
        QCOMPARE(printer.pageCount(), 1);
    }

    // Only a line that would pass its label's edge is condensed, just enough
    // and never below half width, and the stretch is put back after it.
    void longLinesAreCondensedToTheirLabel() {
        QCOMPARE(printing::fittingStretch(1000, 1000), 100);
        QCOMPARE(printing::fittingStretch(1000, 999), 99);
        QCOMPARE(printing::fittingStretch(1000, 400), printing::NarrowestStretchPercent);
        QCOMPARE(printing::fittingStretch(1000, -5), printing::NarrowestStretchPercent);

        const QString longAddress = u"東京都千代田区霞が関一丁目二番三号中央合同庁舎第五号館"_s;
        // Every address line is taken, so the long one has no line to break onto.
        const book::CardList entries{
            {u"山田　太郎"_s, longAddress, u"一丁目"_s, u"ビル"_s, u"100-0013"_s, {}, u"0"_s},
            {u"佐藤　花子"_s, u"東京都"_s, longAddress, u"ビル"_s, u"100-0013"_s, {}, u"0"_s}};
        const labels::SheetLayout standardSheet(labels::standardSheet());
        for (const printing::Trims& trims : {printing::Trims{}, printing::Trims{-10, 5}}) {
            RecordingPrinter printer;
            printer.begin(platform::PaperSize::A4);
            labels::LabelSheets sheets(entries, 1, Face, trims);
            QVERIFY(sheets.drawJob(printer));
            const int dx = trims.twips().xTwips;
            for (const platform::PrintedText& line : printer.printed()) {
                const int label = line.xTwips - dx < labels::RightColumnXTwips - 500 ? 1 : 2;
                const double room = standardSheet.rightEdgeTwips(label) -
                                    printing::EdgeMarginTwips - (line.xTwips - dx);
                const double natural = platform::textWidthTwips(line.face, line.points, line.text);
                if (line.text == longAddress) {
                    QVERIFY2(line.stretch < 100, qPrintable(line.text));
                    QVERIFY(natural * line.stretch / 100.0 <= room);
                    QVERIFY(natural * (line.stretch + 1) / 100.0 > room);
                } else {
                    QCOMPARE(line.stretch, 100);
                }
            }
            QCOMPARE(printer.calls().count(u"stretch 100"_s), 2);
        }
    }

    void entriesGoOnTheRightLabels_data() {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("start");
        QTest::addColumn<QStringList>("placed");
        QTest::newRow("13 from 1") << 13 << 1 << (run(1, 1, 12, 0) + run(2, 1, 1, 12));
        QTest::newRow("11 from 3") << 11 << 3 << (run(1, 3, 12, 0) + run(2, 1, 1, 10));
        QTest::newRow("8 from 5 fill one sheet") << 8 << 5 << run(1, 5, 12, 0);
        QTest::newRow("9 from 5 start a second") << 9 << 5 << (run(1, 5, 12, 0) + run(2, 1, 1, 8));
        QTest::newRow("25 from 12")
            << 25 << 12 << (run(1, 12, 12, 0) + run(2, 1, 12, 1) + run(3, 1, 12, 13));
    }

    // Which label carries which entry on which page, and no page after the last sheet.
    void entriesGoOnTheRightLabels() {
        QFETCH(int, entries);
        QFETCH(int, start);
        QFETCH(QStringList, placed);
        const RecordingPrinter printer = drawn(numberedEntries(entries), start);
        QCOMPARE(placedEntries(printer), placed);
        QCOMPARE(printer.calls().count(u"page"_s), placed.last().section(u':', 0, 0).toInt() - 1);
        QVERIFY(printer.calls().last() != u"page"_s);
    }

    void startLabelOutsideTheSheetDrawsNothing_data() {
        QTest::addColumn<int>("start");
        QTest::newRow("0") << 0;
        QTest::newRow("13") << 13;
        QTest::newRow("negative") << -1;
    }

    void startLabelOutsideTheSheetDrawsNothing() {
        QFETCH(int, start);
        RecordingPrinter printer;
        QVERIFY(!labels::LabelSheets(numberedEntries(3), start, Face, {}).drawJob(printer));
        QVERIFY(printer.calls().isEmpty());
    }

    // The job reads the offsets file afresh each time and turns 印刷 off once the last
    // sheet is full; the whole-program test prints a sheet and a half from label 5.
    void theJobAsksForTheSheetCountAndReadsTheOffsets() {
        JobBench bench;
        QVERIFY(bench.run(12).printEnabled);
        QCOMPARE(bench.firstPrinted().xTwips, 1500); // no file, no offset
        QVERIFY(printing::writeOffsets(bench.dir.filePath(u"Tagora.opt"_s),
                                       {u"1260"_s, u"440"_s, u"0"_s})
                    .ok());
        const LabelJobResult result = bench.run(1, 12);
        QCOMPARE(bench.test.messages.lastText(), u"シート数は1枚です。"_s);
        QCOMPARE(result.outcome, LabelJobResult::Outcome::Printed);
        QVERIFY(!result.printEnabled);
        QVERIFY(bench.test.printers.last()->ended());
        QCOMPARE(result.trims, (printing::Trims{3, -2}));
        QCOMPARE(result.sheetCount, 1);
        QCOMPARE(bench.firstPrinted().xTwips, 6450 + 165); // label 12
        QCOMPARE(bench.firstPrinted().yTwips, 13150 - 110);
    }

    // Without a printer the job asks for a file, but only after an OK to the sheet question.
    void withoutPrinterTheJobAsksForAPdf() {
        JobBench bench(false);
        bench.test.messages.answer(platform::Answer::Cancel);
        QCOMPARE(bench.run(2).outcome, LabelJobResult::Outcome::Cancelled);
        QVERIFY(bench.test.dialogs.requests().isEmpty());
        const QString pdf = bench.dir.filePath(u"out"_s);
        bench.test.dialogs.answer(pdf);
        LabelJobResult result = bench.run(2);
        QCOMPARE(result.outcome, LabelJobResult::Outcome::Printed);
        QCOMPARE(bench.test.printers.destinations().first().pdfPath, pdf + u".pdf"_s);

        // Cancelling the save dialog prints nothing and leaves 印刷 usable.
        result = bench.run(2);
        QCOMPARE(result.outcome, LabelJobResult::Outcome::NoDestination);
        QVERIFY(result.printEnabled);
        QCOMPARE(bench.test.printers.openCount(), 1);
    }

    // Before the sheet question, one message names the cards left out and the
    // odd codes; Cancel there prints nothing, OK prints the rest.
    void theJobSaysOnceWhatItCannotPrintRight() {
        JobBench bench;
        book::CardList entries = numberedEntries(3);
        entries << book::AddressCard{u"後藤　聡"_s, {}, {}, {}, u"1000001"_s, {}, u"0"_s}
                << book::AddressCard{u"木村"_s, u"東京都"_s, {}, {}, u"100-00"_s, {}, u"0"_s};
        labels::LabelPrintJob job(bench.test.platform, printing::OutputChoice{}, QString());
        const QString offsets = bench.dir.filePath(u"Tagora.opt"_s);

        bench.test.messages.answer(platform::Answer::Cancel);
        QCOMPARE(job.run(entries, 1, Face, offsets).outcome, LabelJobResult::Outcome::Cancelled);
        QCOMPARE(bench.test.printers.openCount(), 0);
        const QString review = bench.test.messages.lastText();
        QVERIFY2(review.contains(u"後藤　聡（住所がありません）"_s) &&
                     review.contains(u"木村（100-00）"_s),
                 qPrintable(review));

        QCOMPARE(job.run(entries, 1, Face, offsets).outcome, LabelJobResult::Outcome::Printed);
        QCOMPARE(bench.test.messages.texts().mid(1),
                 QStringList({review, u"シート数は1枚です。"_s}));
        QStringList printed;
        for (const platform::PrintedText& text : bench.test.printers.last()->printed())
            printed << text.text;
        QVERIFY(!printed.join(u'|').contains(u"後藤"_s));
        QVERIFY(printed.contains(u"〒１００－００"_s)); // as typed, nothing guessed
        QCOMPARE(bench.test.printers.destinations().last().jobTitle, u"Tagora ラベル 4件"_s);
    }

    // A printer that cannot print where the text is: one warning naming the
    // sides, after the sheet question, and the whole job printed unmoved,
    // under the job's title.
    void textInThePrintersMarginIsPrintedAfterOneWarning_data() {
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<QString>("warning");
        QTest::newRow("18 pt all round") << QMargins(360, 360, 360, 360) << QString();
        QTest::newRow("deep top") << QMargins(360, 1500, 360, 360) << u"（上）"_s;
        QTest::newRow("deep left and top") << QMargins(1800, 1500, 0, 0) << u"（上・左）"_s;
    }

    void textInThePrintersMarginIsPrintedAfterOneWarning() {
        QFETCH(QMargins, margins);
        QFETCH(QString, warning);
        JobBench bench;
        bench.test.printers.setPrinterMargins(margins);
        QCOMPARE(bench.run(30).outcome, LabelJobResult::Outcome::Printed);
        QStringList expected{u"シート数は3枚です。"_s};
        if (!warning.isEmpty())
            expected << u"プリンタの印刷できない範囲に文字がかかります"_s + warning;
        QCOMPARE(bench.test.messages.texts(), expected);
        QCOMPARE(bench.test.printers.destinations().last().jobTitle, u"Tagora ラベル 30件"_s);
        const RecordingPrinter& printer = *bench.test.printers.last();
        QVERIFY(printer.ended());
        QCOMPARE(printedPages(printer), printedPages(drawn(numberedEntries(30), 1)));
    }
};

QTEST_GUILESS_MAIN(LabelJobTest)
#include "LabelJobTest.moc"
