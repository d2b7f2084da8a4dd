#include "printing/OffsetsFile.h"
#include "printing/PositionMarker.h"

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
        QTest::newRow("words are no offset") << QByteArray("\"abc\",\"\",\"x\"\r\n") << u"1200|480|x"_s;
        QTest::newRow("number then text kept") << QByteArray("\"1260mm\",\"-5\",\"0\"\r\n") << u"1260mm|-5|0"_s;
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
};

QTEST_GUILESS_MAIN(OffsetsFileTest)
#include "OffsetsFileTest.moc"
