// Jobs sent to a real CUPS queue with 18 pt hardware margins land where the
// direct PDF puts them. The test binary starts a private cupsd once (its own
// configuration, spool, logs and socket in a temporary folder, a cups-pdf
// queue writing into that folder), points the program at it with
// CUPS_SERVER, and stops it at the end.

#include "support/PdfInk.h"
#include "support/PdfText.h"
#include "support/RunTagora.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString Sample = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");
const QString CupsScript = QStringLiteral(TAGORA_SOURCE_DIR "/tests/support/private-cups.sh");

// Every word of the direct PDF (pdftotext -bbox) has its ink at the same
// place on the printer's pages, within 1 pt. The printer's PDF went through
// PostScript, which leaves its text unreadable, so its words are found by
// their ink: the ink inside each direct word's box, widened by 3 pt, on both.
void compareWords(const QString& printedPdf, const QString& directPdf) {
    const pdftext::Document direct = pdftext::read(directPdf);
    const pdftext::Document printed = pdftext::read(printedPdf);
    QCOMPARE(printed.pages, direct.pages);
    // The printer's paper is the PPD's, in whole points: 283 by 420 for 100 by 148 mm.
    QVERIFY2(qAbs(printed.pageWidth - direct.pageWidth) <= 1 &&
                 qAbs(printed.pageHeight - direct.pageHeight) <= 1,
             qPrintable(u"paper %1 x %2, direct %3 x %4"_s.arg(printed.pageWidth)
                            .arg(printed.pageHeight)
                            .arg(direct.pageWidth)
                            .arg(direct.pageHeight)));
    QVERIFY(!direct.words.isEmpty());
    const pdfink::Pages directInk = pdfink::render(directPdf, 288);
    const pdfink::Pages printedInk = pdfink::render(printedPdf, 288);
    QCOMPARE(printedInk.images.size(), direct.pages);
    for (const pdftext::Word& word : direct.words) {
        const QRectF region = QRectF(QPointF(word.xMin, word.yMin), QPointF(word.xMax, word.yMax))
                                  .adjusted(-3, -3, 3, 3);
        const QRectF a = printedInk.inkBox(word.page, region);
        const QRectF b = directInk.inkBox(word.page, region);
        const QString where =
            u"\"%1\" on page %2: printed ink (%3, %4)-(%5, %6), direct (%7, %8)-(%9, %10)"_s
                .arg(word.text)
                .arg(word.page)
                .arg(a.left())
                .arg(a.top())
                .arg(a.right())
                .arg(a.bottom())
                .arg(b.left())
                .arg(b.top())
                .arg(b.right())
                .arg(b.bottom());
        QVERIFY2(!b.isNull() && !a.isNull(), qPrintable(where));
        QVERIFY2(qAbs(a.left() - b.left()) <= 1 && qAbs(a.top() - b.top()) <= 1 &&
                     qAbs(a.right() - b.right()) <= 1 && qAbs(a.bottom() - b.bottom()) <= 1,
                 qPrintable(where));
    }
}

// cups-pdf names its file after the job's title, each byte outside ASCII
// written as "_" and three octal digits, a space as "_".
QString titleOfPrintedFile(const QString& fileName) {
    QByteArray bytes;
    const QByteArray name = QFile::encodeName(fileName.section(u"-job_"_s, 0, 0));
    for (qsizetype i = 0; i < name.size(); ++i) {
        const bool octal =
            name[i] == '_' && i + 3 < name.size() && name.mid(i + 1, 3).toInt(nullptr, 8) > 127;
        if (octal) {
            bytes += char(name.mid(i + 1, 3).toInt(nullptr, 8));
            i += 3;
        } else {
            bytes += name[i] == '_' ? ' ' : name[i];
        }
    }
    return QString::fromUtf8(bytes);
}

} // namespace

class PrinterQueueTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir{u"/tmp/tagora-cups-XXXXXX"_s};
    QString m_queue = u"tagora-test-%1"_s.arg(getpid());
    bool m_started = false;

    QString outFolder() const { return m_dir.filePath(u"out"_s); }

    // The PDF cups-pdf writes for the next job, once it is complete.
    QString waitForPrintedPdf(const QStringList& before) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 60000) {
            QDir out(outFolder());
            for (const QFileInfo& file : out.entryInfoList({u"*.pdf"_s}, QDir::Files))
                if (!before.contains(file.fileName())) {
                    // cups-pdf renames nothing: wait until ghostscript has let go of the file.
                    const qint64 size = file.size();
                    QThread::msleep(300);
                    if (size > 0 && QFileInfo(file.filePath()).size() == size && !jobsPending())
                        return file.filePath();
                }
            QThread::msleep(100);
        }
        return {};
    }

    bool jobsPending() const {
        QProcess lpstat;
        lpstat.start(u"lpstat"_s, {u"-o"_s, m_queue});
        lpstat.waitForFinished(10000);
        return !lpstat.readAllStandardOutput().trimmed().isEmpty();
    }

    QStringList printedNames() const {
        return QDir(outFolder()).entryList({u"*.pdf"_s}, QDir::Files);
    }

    QString cupsLog() const {
        QFile log(m_dir.filePath(u"log/error_log"_s));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll().right(3000))
                                             : QString();
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QProcess start;
        start.start(u"sh"_s, {CupsScript, u"start"_s, m_dir.path(), m_queue});
        QVERIFY(start.waitForFinished(60000));
        const QString said =
            QString::fromUtf8(start.readAllStandardOutput() + start.readAllStandardError());
        if (start.exitCode() == 77)
            QSKIP(qPrintable(said.trimmed()));
        m_started = true;
        QVERIFY2(start.exitCode() == 0, qPrintable(said));
        qputenv("CUPS_SERVER", QFile::encodeName(m_dir.filePath(u"cups.sock"_s)));
    }

    void cleanupTestCase() {
        if (!m_started)
            return;
        QProcess stop;
        stop.start(u"sh"_s, {CupsScript, u"stop"_s, m_dir.path(), m_queue});
        stop.waitForFinished(30000);
    }

    void printersListsTheQueueAndTheDefault() {
        const TagoraRun run = runTagora(m_dir.path(), {u"printers"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, m_queue + u"\tdefault\n"_s);
    }

    void anUnknownQueueNamesTheQueuesThereAre() {
        const QString pdfsBefore = printedNames().join(u',');
        const TagoraRun run =
            runTagora(m_dir.path(), {u"labels"_s, Sample, u"--printer"_s, u"no-such-queue"_s});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.endsWith(u"tagora: no printer named no-such-queue; the printers are: "_s +
                                 m_queue + u'\n'));
        QCOMPARE(run.out, QString());
        QCOMPARE(printedNames().join(u','), pdfsBefore);
    }

    // The paper's corner is the origin on the printer as in the PDF: a label
    // job from label 3 and a postcard job, word by word.
    void jobsLandWhereTheDirectPdfPutsThem_data() {
        QTest::addColumn<QStringList>("job");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("warning");
        QTest::newRow("labels from label 3")
            << QStringList{u"labels"_s, Sample, u"--start"_s, u"3"_s, u"--cards"_s, u"1-14"_s}
            << u"ラベル 14件"_s << QString();
        // Some of the sample's long lines reach into the printer's right margin.
        QTest::newRow("postcards")
            << QStringList{u"postcards"_s, Sample} << u"はがき 29件"_s
            << u"tagora: プリンタの印刷できない範囲に文字がかかります（右）\n"_s;
        QTest::newRow("postcards on A4")
            << QStringList{u"postcards"_s, Sample, u"--cards"_s, u"2"_s, u"--paper"_s, u"a4"_s}
            << u"はがき 1件"_s << QString();
        QTest::newRow("長3 envelopes with their backs")
            << QStringList{u"envelopes"_s,  Sample,      u"--size"_s,   u"長3"_s,
                           u"--vertical"_s, u"--back"_s, u"--sender"_s, Sample,
                           u"--cards"_s,    u"3,4"_s}
            << u"封筒 2件"_s << QString();
    }

    void jobsLandWhereTheDirectPdfPutsThem() {
        QFETCH(QStringList, job);
        QFETCH(QString, title);
        QFETCH(QString, warning);
        const QString direct = m_dir.filePath(u"direct.pdf"_s);
        const TagoraRun written = runTagora(m_dir.path(), job + QStringList{u"-o"_s, direct});
        QCOMPARE(written.exitCode, 0);

        const QStringList before = printedNames();
        const TagoraRun sent = runTagora(m_dir.path(), job + QStringList{u"--printer"_s, m_queue});
        QCOMPARE(sent.exitCode, 0);
        QCOMPARE(sent.err, written.err + warning);
        QCOMPARE(sent.out, written.out);
        const QString printed = waitForPrintedPdf(before);
        QVERIFY2(!printed.isEmpty(), qPrintable(u"no PDF from cups-pdf; its log:\n"_s + cupsLog()));
        QCOMPARE(titleOfPrintedFile(QFileInfo(printed).fileName()), u"Tagora "_s + title);
        compareWords(printed, direct);
    }

    // A 洋2 envelope written across is drawn sideways; the queue gets it on
    // the envelope fed short edge first (114 by 162 mm, upright), turned a
    // quarter counter-clockwise: every word's ink where the direct PDF's
    // lands once turned, within 1 pt.
    void aSidewaysEnvelopeIsTurnedForTheShortEdgeFeed() {
        const QStringList job{u"envelopes"_s, Sample, u"--size"_s, u"you2"_s, u"--cards"_s, u"4"_s};
        const QString direct = m_dir.filePath(u"sideways.pdf"_s);
        QCOMPARE(runTagora(m_dir.path(), job + QStringList{u"-o"_s, direct}).exitCode, 0);
        const QStringList before = printedNames();
        QCOMPARE(runTagora(m_dir.path(), job + QStringList{u"--printer"_s, m_queue}).exitCode, 0);
        const QString printed = waitForPrintedPdf(before);
        QVERIFY2(!printed.isEmpty(), qPrintable(cupsLog()));

        const pdftext::Document drawn = pdftext::read(direct);
        const pdftext::Document fed = pdftext::read(printed);
        QCOMPARE(qRound(drawn.pageWidth), 459);
        QCOMPARE(qRound(drawn.pageHeight), 323);
        QCOMPARE(qRound(fed.pageWidth), 323);
        QCOMPARE(qRound(fed.pageHeight), 459);
        const pdfink::Pages drawnInk = pdfink::render(direct, 288);
        const pdfink::Pages fedInk = pdfink::render(printed, 288);
        QVERIFY(!drawn.words.isEmpty());
        for (const pdftext::Word& word : drawn.words) {
            const QRectF region =
                QRectF(QPointF(word.xMin, word.yMin), QPointF(word.xMax, word.yMax))
                    .adjusted(-3, -3, 3, 3);
            // (x, y) across the sideways page is (y, width - x) on the upright one.
            auto turned = [&](const QRectF& r) {
                return QRectF(QPointF(r.top(), drawn.pageWidth - r.right()),
                              QPointF(r.bottom(), drawn.pageWidth - r.left()));
            };
            const QRectF expected = turned(drawnInk.inkBox(1, region));
            const QRectF found = fedInk.inkBox(1, turned(region));
            QVERIFY2(!found.isNull() && qAbs(found.left() - expected.left()) <= 1 &&
                         qAbs(found.top() - expected.top()) <= 1 &&
                         qAbs(found.right() - expected.right()) <= 1 &&
                         qAbs(found.bottom() - expected.bottom()) <= 1,
                     qPrintable(word.text));
        }
    }

    void copiesPrintTheWholeJobAgain() {
        const QStringList before = printedNames();
        const TagoraRun sent =
            runTagora(m_dir.path(), {u"postcards"_s, Sample, u"--cards"_s, u"4,5"_s, u"--printer"_s,
                                     m_queue, u"--copies"_s, u"3"_s});
        QCOMPARE(sent.exitCode, 0);
        const QString printed = waitForPrintedPdf(before);
        QVERIFY2(!printed.isEmpty(), qPrintable(cupsLog()));
        QCOMPARE(pdftext::read(printed).pages, 6);
    }
};

QTEST_GUILESS_MAIN(PrinterQueueTest)
#include "PrinterQueueTest.moc"
