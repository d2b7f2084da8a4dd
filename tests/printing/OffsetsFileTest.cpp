#include "printing/OffsetsFile.h"
#include "printing/PositionMarker.h"
#include "printing/PrinterTrims.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using printing::MarkerDirection;
using printing::MarkerPosition;

namespace {

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

MarkerPosition pressed(MarkerPosition position, MarkerDirection direction, int times) {
    for (int i = 0; i < times; ++i)
        position = printing::steppedMarker(position, direction);
    return position;
}

} // namespace

class OffsetsFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsWithOrWithoutQuotes_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("read"); // X|Y|extra
        QTest::newRow("quoted") << QByteArray("\"1260\",\"440\",\"7\"\r\n") << u"1260|440|7"_s;
        QTest::newRow("bare") << QByteArray("1260,440,abc\r\n") << u"1260|440|abc"_s;
        QTest::newRow("short file") << QByteArray("\"1260\"\r\n") << u"1260|480|0"_s;
        QTest::newRow("words are no offset")
            << QByteArray("\"abc\",\"\",\"x\"\r\n") << u"1200|480|x"_s;
        QTest::newRow("number then text kept")
            << QByteArray("\"1260mm\",\"-5\",\"0\"\r\n") << u"1260mm|-5|0"_s;
        QTest::newRow("missing file") << QByteArray() << u"1200|480|0"_s;
    }

    void readsWithOrWithoutQuotes() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tagora1.opt"_s);
        if (!content.isNull())
            writeAll(path, content);
        const MarkerPosition read = printing::readOffsets(path);
        QTEST(QStringList({read.xPoint, read.yPoint, read.extra}).join(u'|'), "read");
    }

    // A step is 1 mm (20 in the file); X stops at 1000 and 1400, Y at 260 and 700.
    void stepsStopAtTheLimits() {
        const MarkerPosition neutral;
        QCOMPARE(pressed(neutral, MarkerDirection::Left, 11).xPoint, u"1000"_s);
        QCOMPARE(pressed(neutral, MarkerDirection::Right, 15).xPoint, u"1400"_s);
        QCOMPARE(pressed(neutral, MarkerDirection::Up, 20).yPoint, u"260"_s);
        QCOMPARE(pressed(neutral, MarkerDirection::Down, 12).yPoint, u"700"_s);
        const MarkerPosition offGrid{u"1510"_s, u"480"_s, u"keep me"_s};
        QCOMPARE(pressed(offGrid, MarkerDirection::Right, 1).xPoint, u"1510"_s);
        QCOMPARE(pressed(offGrid, MarkerDirection::Left, 1).xPoint, u"1490"_s);
        QCOMPARE(pressed(offGrid, MarkerDirection::Up, 3).extra, u"keep me"_s);
    }

    // Each printer queue keeps its trims per sheet: chosen by queue and
    // sheet, replaced in place, the others kept byte for byte; a printer or
    // sheet with none, or a PDF (no queue), takes Tagora.opt.
    void trimsPerPrinterAndSheet_data() {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("medium");
        QTest::addColumn<double>("xMm");
        QTest::addColumn<double>("yMm");
        QTest::newRow("own record") << u"Canon_TS8430"_s << u"Hisago ELM012"_s << 1.0 << -2.0;
        QTest::newRow("same queue, other sheet")
            << u"Canon_TS8430"_s << u"標準 12面"_s << 3.0 << 0.0;
        QTest::newRow("replaced in place")
            << u"EPSON_EW-M752T"_s << u"Hisago ELM012"_s << -1.5 << 4.0;
        QTest::newRow("no record: Tagora.opt") << u"Brother"_s << u"Hisago ELM012"_s << 2.0 << 1.0;
        QTest::newRow("a PDF: Tagora.opt") << QString() << u"Hisago ELM012"_s << 2.0 << 1.0;
    }

    void trimsPerPrinterAndSheet() {
        QFETCH(QString, printer);
        QFETCH(QString, medium);
        QTemporaryDir dir;
        const QString offsets = dir.filePath(u"Tagora.opt"_s);
        const QString trims = printing::printerTrimsPathBeside(offsets);
        QCOMPARE(trims, dir.filePath(u"Tagora-trims.opt"_s));
        writeAll(offsets, "\"1240\",\"500\",\"0\"\r\n");
        QVERIFY(printing::writePrinterTrims(
                    trims, {u"Canon_TS8430"_s, u"Hisago ELM012"_s, {u"1220"_s, u"440"_s}})
                    .ok());
        QVERIFY(printing::writePrinterTrims(
                    trims, {u"EPSON_EW-M752T"_s, u"Hisago ELM012"_s, {u"1200"_s, u"480"_s}})
                    .ok());
        QVERIFY(printing::writePrinterTrims(
                    trims, {u"Canon_TS8430"_s, u"標準 12面"_s, {u"1260"_s, u"480"_s}})
                    .ok());
        QVERIFY(printing::writePrinterTrims(
                    trims, {u"EPSON_EW-M752T"_s, u"Hisago ELM012"_s, {u"1170"_s, u"560"_s}})
                    .ok());
        QFile file(trims);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 4); // three records, each ending in CR LF
        QCOMPARE(lines[1], QByteArray("\"EPSON_EW-M752T\",\"Hisago ELM012\",\"1170\",\"560\"\r"));
        const printing::Trims got = printing::jobTrims(offsets, printer, medium);
        QTEST(got.xMm, "xMm");
        QTEST(got.yMm, "yMm");
    }
};

QTEST_GUILESS_MAIN(OffsetsFileTest)
#include "OffsetsFileTest.moc"
