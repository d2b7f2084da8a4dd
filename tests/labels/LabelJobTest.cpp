#include "labels/LabelPrintJob.h"
#include "labels/LabelSheets.h"
#include "labels/OffsetsFile.h"
#include "platform/ProgramFolder.h"
#include "platform/TestPlatform.h"

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
        entries << book::AddressCard{u"名前"_s + QString::number(i), u"東京都"_s, u"一丁目"_s, u"ビル"_s,
                                     QString::number(i), u"C"_s, u"0"_s};
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
        const QString entry = text.text.mid(1).normalized(QString::NormalizationForm_KC);
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

RecordingPrinter drawn(const book::CardList& entries, const QString& start, const QString& x = u"0"_s,
                       const QString& y = u"0"_s) {
    RecordingPrinter printer;
    printer.begin(platform::PaperSize::A4);
    labels::LabelSheets(entries, start, Face, x, y).drawAll(printer);
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
    LabelJobResult run(int entries, const QString& start = u"1"_s) {
        labels::LabelPrintJob job(test.platform, labels::OutputChoice{}, QString());
        return job.run(numberedEntries(entries), start, Face, dir.filePath(u"Tagora.opt"_s));
    }
    platform::PrintedText firstPrinted() const { return test.printers.last()->printed().first(); }
};

} // namespace

class LabelJobTest : public QObject {
    Q_OBJECT

private slots:
    // One cell is six lines, each X, Y, face, size, then the text.
    void aCellIsDrawnLineByLine() {
        book::CardList entries = numberedEntries(1);
        entries[0].name = QString(11, u'山'); // with "　様" the line has 13 characters: 400 left
        const RecordingPrinter printer = drawn(entries, u"4"_s, u"1"_s, u"-1"_s);
        const QStringList expected{
            u"begin A4"_s,
            u"x 6505"_s, u"y 3535"_s, u"font ＭＳ 明朝"_s, u"size 11"_s, u"print 〒０"_s,
            u"x 6505"_s, u"y 3935"_s, u"font ＭＳ 明朝"_s, u"size 11"_s, u"print 東京都"_s,
            u"x 6505"_s, u"y 4235"_s, u"font ＭＳ 明朝"_s, u"size 11"_s, u"print 一丁目"_s,
            u"x 6705"_s, u"y 4535"_s, u"font ＭＳ 明朝"_s, u"size 11"_s, u"print ビル"_s,
            u"x 6955"_s, u"y 5035"_s, u"font ＭＳ 明朝"_s, u"size 12"_s, u"print "_s + QString(11, u'山') + u"　様"_s,
            u"x 7555"_s, u"y 5385"_s, u"font ＭＳ 明朝"_s, u"size 10"_s, u"print C"_s,
        };
        QCOMPARE(printer.calls(), expected);
    }

    void entriesGoOnTheRightLabels_data() {
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("placed");
        QTest::newRow("13 from 1") << 13 << u"1"_s << (run(1, 1, 12, 0) + run(2, 1, 1, 12));
        QTest::newRow("11 from 3") << 11 << u"3"_s << (run(1, 3, 12, 0) + run(2, 1, 1, 10));
        QTest::newRow("25 from 12") << 25 << u"12"_s << (run(1, 12, 12, 0) + run(2, 1, 12, 1) + run(3, 1, 12, 13));
    }

    // Which label carries which entry on which page, and no page after the last sheet.
    void entriesGoOnTheRightLabels() {
        QFETCH(int, entries);
        QFETCH(QString, start);
        QFETCH(QStringList, placed);
        const RecordingPrinter printer = drawn(numberedEntries(entries), start);
        QCOMPARE(placedEntries(printer), placed);
        QCOMPARE(printer.calls().count(u"page"_s), placed.last().section(u':', 0, 0).toInt() - 1);
        QVERIFY(printer.calls().last() != u"page"_s);
    }

    void startLabelOutsideTheSheetDrawsNothing() {
        for (const QString& start : {u"0"_s, u"13"_s, u"abc"_s}) {
            RecordingPrinter printer;
            QVERIFY(!labels::LabelSheets(numberedEntries(3), start, Face, u"0"_s, u"0"_s).drawAll(printer));
            QVERIFY(printer.calls().isEmpty());
        }
    }

    // The job reads the offsets file afresh each time and turns 印刷 off once the last
    // sheet is full; the whole-program test prints a sheet and a half from label 5.
    void theJobAsksForTheSheetCountAndReadsTheOffsets() {
        JobBench bench;
        QVERIFY(bench.run(12).printEnabled);
        QCOMPARE(bench.firstPrinted().xTwips, 1500); // no file, no offset
        QVERIFY(labels::writeOffsets(bench.dir.filePath(u"Tagora.opt"_s), {u"1260"_s, u"440"_s, u"0"_s}).ok());
        const LabelJobResult result = bench.run(1, u"12"_s);
        QCOMPARE(bench.test.messages.lastText(), u"シート数は1枚です。"_s);
        QCOMPARE(result.outcome, LabelJobResult::Outcome::Printed);
        QVERIFY(!result.printEnabled);
        QVERIFY(bench.test.printers.last()->ended());
        QCOMPARE(result.yMillimetres, u"-2"_s);
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
};

QTEST_GUILESS_MAIN(LabelJobTest)
#include "LabelJobTest.moc"
