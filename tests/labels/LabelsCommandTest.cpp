#include "labels/OffsetsFile.h"
#include "support/PdfText.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run tagora(const QString& home, const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TAGORA_BINARY), QStringList{u"--home"_s, home} + arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const QString Sample = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");

} // namespace

class LabelsCommandTest : public QObject {
    Q_OBJECT

private slots:
    // The sample's 30 cards from label 5: three sheets, the count alone on stdout.
    void printsTheBookAndTheSheetCount() {
        QTemporaryDir dir;
        QVERIFY(labels::writeOffsets(dir.filePath(u"Tagora.opt"_s), {u"1220"_s, u"480"_s, u"0"_s}).ok()); // 1 mm right
        const QString pdf = dir.filePath(u"out.pdf"_s);
        const Run run = tagora(dir.path(), {u"labels"_s, Sample, u"--start"_s, u"5"_s, u"-o"_s, pdf});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, u"3\n"_s);
        const pdftext::Document document = pdftext::read(pdf);
        QCOMPARE(document.pages, 3);
        // Label 5's postal line: (1500 + 55 + 240) and (5980 + 240) twips.
        bool found = false;
        for (const pdftext::Word& word : document.words) {
            if (word.page == 1 && word.text.startsWith(u"〒"_s.normalized(QString::NormalizationForm_KC))
                && qAbs(word.yMin - 311.0) < 1.0 && word.xMin < 200)
                found = qAbs(word.xMin - 89.75) < 1.0;
        }
        QVERIFY(found);
    }

    void refusesWhatCannotBePrinted_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("start 13") << QStringList{Sample, u"--start"_s, u"13"_s} << u"start label"_s;
        QTest::newRow("more than 300") << QStringList{Sample, u"--cards"_s,
                                                      QStringList(11, u"1-30"_s).join(u',')}
                                       << u"at most 300"_s;
    }

    void refusesWhatCannotBePrinted() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"out.pdf"_s);
        const Run run = tagora(dir.path(), QStringList{u"labels"_s} + arguments + QStringList{u"-o"_s, pdf});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith(u"tagora: "_s) && run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_APPLESS_MAIN(LabelsCommandTest)
#include "LabelsCommandTest.moc"
