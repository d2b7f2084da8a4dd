#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QString out, err;
};

// tagora COMMAND BOOK -o OUTPUT in folder, through sh so that a test can set
// a limit first (shellSetup, e.g. "ulimit -f 16").
Run tagora(const QString& folder, const QString& command, const QString& book,
           const QString& output, const QString& shellSetup = u"true"_s) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(u"sh"_s,
                  {u"-c"_s, shellSetup + u"; exec \"$0\" \"$@\""_s, QStringLiteral(TAGORA_BINARY),
                   u"--home"_s, folder, command, book, u"-o"_s, output});
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
}

const QString Sample = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");

void commandRows() {
    QTest::addColumn<QString>("command");
    for (const QString& command : {u"labels"_s, u"postcards"_s})
        QTest::newRow(qPrintable(command)) << command;
}

} // namespace

// Both print commands, asked to write where a PDF does not belong or cannot fit.
class PrintOutputTest : public QObject {
    Q_OBJECT

private slots:
    void theBookIsNeverTheOutput_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("output");
        for (const QString& command : {u"labels"_s, u"postcards"_s}) {
            for (const QString& spelling :
                 {u"book.dat"_s, u"./book.dat"_s, u"ABSOLUTE"_s, u"link.pdf"_s, u"hard.dat"_s})
                QTest::addRow("%s %s", qPrintable(command), qPrintable(spelling))
                    << command << spelling;
        }
    }

    // Every spelling of the book is refused before anything is drawn, naming the output.
    void theBookIsNeverTheOutput() {
        QFETCH(QString, command);
        QFETCH(QString, output);
        QTemporaryDir dir;
        const QString book = dir.filePath(u"book.dat"_s);
        QVERIFY(QFile::copy(Sample, book));
        QVERIFY(QFile::link(u"book.dat"_s, dir.filePath(u"link.pdf"_s)));
        QVERIFY(::link(QFile::encodeName(book).constData(),
                       QFile::encodeName(dir.filePath(u"hard.dat"_s))) == 0);
        if (output == u"ABSOLUTE"_s)
            output = book;
        const QByteArray before = bytesOf(book);

        const Run run = tagora(dir.path(), command, u"book.dat"_s, output);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(
            run.err,
            u"tagora: %1 is the book being printed; choose another output file\n"_s.arg(output));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(bytesOf(book), before);
        QVERIFY(QFileInfo(dir.filePath(u"link.pdf"_s)).isSymLink());
    }

    void aFullDeviceFails_data() { commandRows(); }

    // /dev/full takes the bytes themselves: the write fails and stays a device.
    void aFullDeviceFails() {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const Run run = tagora(dir.path(), command, Sample, u"/dev/full"_s);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.endsWith(
                     u"\ntagora: /dev/full: cannot be written: No space left on device\n"_s),
                 qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFileInfo(u"/dev/full"_s).isFile());
    }

    void aSizeLimitKeepsTheOldPdf_data() { commandRows(); }

    // 16 blocks of 512 bytes hold none of the PDF: the old one stays, no temporary is left.
    void aSizeLimitKeepsTheOldPdf() {
        QFETCH(QString, command);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"out.pdf"_s);
        const Run first = tagora(dir.path(), command, Sample, pdf);
        QCOMPARE(first.exitCode, 0);
        const QByteArray before = bytesOf(pdf);
        QVERIFY(before.size() > 16 * 512);
        const QStringList files = filesIn(dir.path());

        const Run run = tagora(dir.path(), command, Sample, pdf, u"ulimit -f 16; trap '' XFSZ"_s);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.endsWith(u"tagora: %1: cannot be written: File too large\n"_s.arg(pdf)),
                 qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(bytesOf(pdf), before);
        QCOMPARE(filesIn(dir.path()), files);
    }
};

QTEST_APPLESS_MAIN(PrintOutputTest)
#include "PrintOutputTest.moc"
