#include "printing/OffsetsFile.h"
#include "support/PdfText.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QString out, err;
};

Run tagora(const QString& home, const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TAGORA_BINARY),
                  QStringList{u"--home"_s, home, u"labels"_s} + arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString Sample = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");
const QString Hisago = u"/usr/share/libglabels-3.0/templates/hisago-templates.xml"_s;

// The program with the label-template library in libraryFolder.
Run tagoraWithLibrary(const QString& home, const QString& libraryFolder,
                      const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"TAGORA_TEMPLATE_DIR"_s, libraryFolder);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TAGORA_BINARY), QStringList{u"--home"_s, home} + arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Hisago ELM012 from the template's numbers: 3 × 8 labels of 66 × 33.9 mm
// from (6, 12.9) mm, in points from the paper's top-left corner.
QList<QRectF> elm012Labels() {
    constexpr double PointsPerMm = 72 / 25.4;
    QList<QRectF> rects;
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 3; ++column)
            rects << QRectF((6 + 66 * column) * PointsPerMm, (12.9 + 33.9 * row) * PointsPerMm,
                            66 * PointsPerMm, 33.9 * PointsPerMm);
    return rects;
}

// The label each word lies wholly inside, -1 for none.
int labelOf(const pdftext::Word& word, const QList<QRectF>& labels) {
    for (qsizetype i = 0; i < labels.size(); ++i)
        if (labels[i]
                .adjusted(-0.5, -0.5, 0.5, 0.5)
                .contains(
                    QRectF(word.xMin, word.yMin, word.xMax - word.xMin, word.yMax - word.yMin)))
            return int(i);
    return -1;
}

} // namespace

class LabelsCommandTest : public QObject {
    Q_OBJECT

private slots:
    // The sample's 30 cards from label 5: three sheets, the count alone on stdout.
    void printsTheBookAndTheSheetCount() {
        QTemporaryDir dir;
        QVERIFY(printing::writeOffsets(dir.filePath(u"Tagora.opt"_s), {u"1220"_s, u"480"_s, u"0"_s})
                    .ok()); // 1 mm right
        const QString pdf = dir.filePath(u"out.pdf"_s);
        const Run run = tagora(dir.path(), {Sample, u"--start"_s, u"5"_s, u"-o"_s, pdf});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, u"3\n"_s);
        const pdftext::Document document = pdftext::read(pdf);
        QCOMPARE(document.pages, 3);
        // Label 5's postal line, 1 mm right of where the PDF test finds it: (1500 + 55 + 240)
        // twips.
        const auto label5 =
            std::find_if(document.words.begin(), document.words.end(), [](const auto& word) {
                return word.page == 1 && word.text.startsWith(u"〒"_s) &&
                       qAbs(word.yMin - 311.0) < 1.0 && word.xMin < 200;
            });
        QVERIFY(label5 != document.words.end());
        QVERIFY2(qAbs(label5->xMin - 89.75) < 1.0, qPrintable(QString::number(label5->xMin)));
    }

    // --no-code leaves the free code line out; the card with no address is
    // left out and named on stderr either way.
    void theCodeLineIsAChoice() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"out.pdf"_s);
        for (const bool printCode : {true, false}) {
            QStringList arguments{Sample, u"-o"_s, pdf};
            if (!printCode)
                arguments << u"--no-code"_s;
            const Run run = tagora(dir.path(), arguments);
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(run.err.contains(u"印刷しません: 後藤　聡（住所がありません）"_s),
                     qPrintable(run.err));
            QCOMPARE(pdftext::read(pdf).find(u"取引先"_s).isEmpty(), !printCode);
        }
    }

    // The sample's 30 cards on the 24-label Hisago sheet: two sheets, every
    // word inside a label, one card a label (one postal line each).
    void printsOnALibrarySheet() {
        if (!QFile::exists(Hisago))
            QSKIP("glabels-data is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"out.pdf"_s);
        const Run run =
            tagora(dir.path(), {Sample, u"--template"_s, u"hisago elm012"_s, u"-o"_s, pdf});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, u"2\n"_s);
        const pdftext::Document document = pdftext::read(pdf);
        QCOMPARE(document.pages, 2);
        const QList<QRectF> labels = elm012Labels();
        QList<int> postalLines(2 * 24, 0);
        for (const pdftext::Word& word : document.words) {
            const int label = labelOf(word, labels);
            QVERIFY2(label >= 0,
                     qPrintable(
                         u"%1 at %2,%3 page %4"_s.arg(word.text).arg(word.xMin).arg(word.yMin).arg(
                             word.page)));
            if (word.text.startsWith(u"〒"_s))
                ++postalLines[(word.page - 1) * 24 + label];
        }
        // The sample's card with no address is left out: 29 labels, 1 to 24 then 1 to 5.
        QCOMPARE(postalLines.count(1), 29);
        QCOMPARE(postalLines.mid(0, 29).count(1), 29);

        const Run fromTwenty = tagora(dir.path(), {Sample, u"--template"_s, u"Hisago ELM012"_s,
                                                   u"--start"_s, u"20"_s, u"-o"_s, pdf});
        QCOMPARE(fromTwenty.out, u"2\n"_s); // 29 cards: labels 20 to 24, then 24 on sheet 2
        QCOMPARE(pdftext::read(pdf).pages, 2);
        const Run past = tagora(dir.path(), {Sample, u"--template"_s, u"Hisago ELM012"_s,
                                             u"--start"_s, u"25"_s, u"-o"_s, pdf});
        QCOMPARE(past.exitCode, 2);
        QVERIFY2(past.err.contains(u"1 to 24"_s), qPrintable(past.err));
    }

    // A name not in the library: exit 2 and the nearest names; with no library
    // installed only the standard sheet and the user's file are listed, and said so.
    void unknownSheetsAndNoLibrary() {
        QTemporaryDir dir;
        QTemporaryDir empty;
        const QString pdf = dir.filePath(u"out.pdf"_s);
        QFile mine(dir.filePath(u"Tagora-sheets.xml"_s));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write(
            "<Glabels-templates><Template brand=\"Mine\" part=\"M18\" size=\"A4\">"
            "<Label-rectangle width=\"70mm\" height=\"42mm\"><Layout nx=\"3\" ny=\"6\" x0=\"0\" "
            "y0=\"22.5mm\" dx=\"70mm\" "
            "dy=\"42mm\"/></Label-rectangle></Template></Glabels-templates>");
        mine.close();
        const Run unknown =
            tagoraWithLibrary(dir.path(), empty.path(),
                              {u"labels"_s, Sample, u"--template"_s, u"Mine M81"_s, u"-o"_s, pdf});
        QCOMPARE(unknown.exitCode, 2);
        QVERIFY2(unknown.err.contains(u"nearest: Mine M18"_s), qPrintable(unknown.err));
        QVERIFY(!QFile::exists(pdf));

        const Run listed =
            tagoraWithLibrary(dir.path(), empty.path(), {u"templates"_s, u"--all"_s});
        QCOMPARE(listed.exitCode, 0);
        QCOMPARE(listed.out, u"標準 12面 — A4, 12 labels of 86.4 × 42.3 mm\n"
                             u"Mine M18 — A4, 18 labels of 70 × 42 mm\n"
                             u"2 sheets; 0 templates skipped\n"_s);
        QVERIFY2(listed.err.contains(u"install glabels-data"_s), qPrintable(listed.err));

        const Run printed =
            tagoraWithLibrary(dir.path(), empty.path(),
                              {u"labels"_s, Sample, u"--template"_s, u"mine m18"_s, u"-o"_s, pdf});
        QCOMPARE(printed.out, u"2\n"_s);
    }

    // --all says why each skipped template was left out; a sheet whose
    // labels lie off its paper is listed with the reason and refused.
    void skippedAndFaultySheetsSayWhy() {
        if (!QFile::exists(Hisago))
            QSKIP("glabels-data is not installed");
        QTemporaryDir dir;
        QTemporaryDir library;
        QVERIFY(QFile::copy(Hisago, library.filePath(u"hisago-templates.xml"_s)));
        QVERIFY(QFile::copy(QStringLiteral(TAGORA_SOURCE_DIR "/tests/data/sheets-faulty.xml"),
                            library.filePath(u"test-templates.xml"_s)));
        const Run listed =
            tagoraWithLibrary(dir.path(), library.path(), {u"templates"_s, u"--all"_s});
        QCOMPARE(listed.exitCode, 0);
        for (const QString& line :
             {u"skipped Test CD: CD labels\n"_s, u"skipped Test A3: A3 paper, larger than A4\n"_s,
              u"Hisago ELM024 — A4, 8 labels of 63 × 120 mm — cannot be printed on: 縦の間隔"_s})
            QVERIFY2(listed.out.contains(line), qPrintable(line));
        // The library's faulty templates: one log line each, on stderr.
        QCOMPARE(listed.err.count(u"(template left out)"_s), 2);

        const QString pdf = dir.filePath(u"out.pdf"_s);
        const Run refused = tagoraWithLibrary(
            dir.path(), library.path(),
            {u"labels"_s, Sample, u"--template"_s, u"Hisago ELM024"_s, u"-o"_s, pdf});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains(u"8 面のうち 4 面が A4 の用紙からはみ出します"_s),
                 qPrintable(refused.err));
        QVERIFY(!QFile::exists(pdf));
    }

    void refusesWhatCannotBePrinted_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("exitCode"); // 2 for a command line out of range
        QTest::newRow("start 13") << QStringList{Sample, u"--start"_s, u"13"_s} << u"start label"_s
                                  << 2;
        QTest::newRow("start 99999") << QStringList{Sample, u"--start"_s, u"99999"_s}
                                     << u"the start label must be 1 to 12, not 99999"_s << 2;
        QTest::newRow("skip past the sheet")
            << QStringList{Sample, u"--skip"_s, u"2,13"_s} << u"--skip takes labels 1 to 12"_s << 2;
        QTest::newRow("every label skipped")
            << QStringList{Sample, u"--start"_s, u"3"_s, u"--skip"_s, u"1-12"_s}
            << u"every label of the first sheet"_s << 1;
        QTest::newRow("more than 300")
            << QStringList{Sample, u"--cards"_s, QStringList(11, u"1-30"_s).join(u',')}
            << u"at most 300"_s << 1;
    }

    void refusesWhatCannotBePrinted() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"out.pdf"_s);
        const Run run = tagora(dir.path(), arguments + QStringList{u"-o"_s, pdf});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.startsWith(u"tagora: "_s) && run.err.contains(message),
                 qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_APPLESS_MAIN(LabelsCommandTest)
#include "LabelsCommandTest.moc"
