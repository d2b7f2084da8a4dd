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
    QString out, err;
};

Run tagora(const QString& home, const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TAGORA_BINARY), QStringList{u"--home"_s, home, u"labels"_s} + arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
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
        const Run run = tagora(dir.path(), {Sample, u"--start"_s, u"5"_s, u"-o"_s, pdf});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, u"3\n"_s);
        const pdftext::Document document = pdftext::read(pdf);
        QCOMPARE(document.pages, 3);
        // Label 5's postal line, 1 mm right of where the PDF test finds it: (1500 + 55 + 240) twips.
        const auto label5 = std::find_if(document.words.begin(), document.words.end(), [](const auto& word) {
            return word.page == 1 && word.text.startsWith(u"〒"_s) && qAbs(word.yMin - 311.0) < 1.0 && word.xMin < 200;
        });
        QVERIFY(label5 != document.words.end());
        QVERIFY2(qAbs(label5->xMin - 89.75) < 1.0, qPrintable(QString::number(label5->xMin)));
    }

    void refusesWhatCannotBePrinted_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("start 13") << QStringList{Sample, u"--start"_s, u"13"_s} << u"start label"_s;
        QTest::newRow("more than 300") << QStringList{Sample, u"--cards"_s, QStringList(11, u"1-30"_s).join(u',')}
                                       << u"at most 300"_s;
    }

    void refusesWhatCannotBePrinted() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"out.pdf"_s);
        const Run run = tagora(dir.path(), arguments + QStringList{u"-o"_s, pdf});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith(u"tagora: "_s) && run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_APPLESS_MAIN(LabelsCommandTest)
#include "LabelsCommandTest.moc"
