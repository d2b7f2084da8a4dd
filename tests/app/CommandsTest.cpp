#include "book/AddressFile.h"
#include "support/RunTagora.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Run = TagoraRun;

Run tagora(const QString& home, const QStringList& arguments) { return runTagora(home, arguments); }

} // namespace

// What every command shares: its own help, and exit codes a script can tell apart.
class CommandsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;

private slots:
    void helpAndExitCodes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says"); // on stdout for 0, else on stderr
        QTest::newRow("list --help") << QStringList{u"list"_s, u"--help"_s} << 0 << u"Usage: tagora list BOOK"_s;
        QTest::newRow("zip -h") << QStringList{u"zip"_s, u"-h"_s} << 0 << u"Usage: tagora zip CODE"_s;
        QTest::newRow("import --help")
            << QStringList{u"import"_s, u"--help"_s} << 0 << u"from vCard (.vcf) and CSV files"_s;
        QTest::newRow("list without a book") << QStringList{u"list"_s} << 2 << u"usage: tagora list BOOK"_s;
        QTest::newRow("labels, unknown option")
            << QStringList{u"labels"_s, u"b.dat"_s, u"--frob"_s, u"-o"_s, u"x.pdf"_s} << 2 << u"unknown option"_s;
        QTest::newRow("unknown command") << QStringList{u"frobnicate"_s} << 2 << u"unknown command frobnicate"_s;
        QTest::newRow("missing book") << QStringList{u"list"_s, u"/no/such.dat"_s} << 1 << u"no such file"_s;
        const QString sample = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");
        QTest::newRow("a PDF and a printer")
            << QStringList{u"labels"_s, sample, u"-o"_s, u"x.pdf"_s, u"--printer"_s, u"q"_s} << 2
            << u"usage: tagora labels"_s;
        QTest::newRow("copies of a PDF")
            << QStringList{u"postcards"_s, sample, u"-o"_s, u"x.pdf"_s, u"--copies"_s, u"2"_s} << 2
            << u"--copies needs --printer"_s;
        QTest::newRow("no copies")
            << QStringList{u"labels"_s, sample, u"--printer"_s, u"q"_s, u"--copies"_s, u"0"_s} << 1
            << u"the number of copies must be 1 to 999, not 0"_s;
        QTest::newRow("PDF into a missing folder")
            << QStringList{u"postcards"_s, sample, u"-o"_s, u"/no/such/folder/x.pdf"_s} << 1
            << u"tagora: no such folder: /no/such/folder"_s;
        QTest::newRow("printers --help") << QStringList{u"printers"_s, u"--help"_s} << 0
                                         << u"Usage: tagora printers"_s;
    }

    void helpAndExitCodes() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        const Run run = tagora(m_home.path(), arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((exitCode == 0 ? run.out : run.err).contains(says), qPrintable(run.out + run.err));
    }

    // Control characters in a field are escaped: one card is one line, and nothing reaches the terminal raw.
    void listKeepsOneCardOnOneLine() {
        const QString path = m_home.filePath(u"odd.dat"_s);
        const book::AddressCard odd{u"a\tb"_s, u"c\r\nd"_s, u"e\u001b[2Jf"_s, u"g\\h"_s, {}, {}, u"0"_s};
        QVERIFY(book::writeBook(path, {odd, {u"次"_s, {}, {}, {}, {}, {}, u"0"_s}}).ok());
        const Run run = tagora(m_home.path(), {u"list"_s, path});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.first(), u"1\ta\\tb\tc\\r\\nd\te\\x1b[2Jf\tg\\\\h\t\t\t0"_s);
    }
};

QTEST_GUILESS_MAIN(CommandsTest)
#include "CommandsTest.moc"
