#include "book/AddressFile.h"
#include "support/RunTagora.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using Run = TagoraRun;

Run tagora(const QString& home, const QStringList& arguments) {
    return runTagora(home, arguments);
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
        QTest::newRow("list --help")
            << QStringList{u"list"_s, u"--help"_s} << 0 << u"Usage: tagora list BOOK"_s;
        QTest::newRow("zip -h") << QStringList{u"zip"_s, u"-h"_s} << 0
                                << u"Usage: tagora zip CODE"_s;
        QTest::newRow("import --help")
            << QStringList{u"import"_s, u"--help"_s} << 0 << u"make books of 300 cards"_s;
        QTest::newRow("list without a book")
            << QStringList{u"list"_s} << 2 << u"usage: tagora list BOOK"_s;
        QTest::newRow("labels, unknown option")
            << QStringList{u"labels"_s, u"b.dat"_s, u"--frob"_s, u"-o"_s, u"x.pdf"_s} << 2
            << u"unknown option"_s;
        QTest::newRow("unknown command")
            << QStringList{u"frobnicate"_s} << 2 << u"unknown command frobnicate"_s;
        QTest::newRow("missing book")
            << QStringList{u"list"_s, u"/no/such.dat"_s} << 1 << u"no such file"_s;
        const QString sample = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");
        QTest::newRow("a PDF and a printer")
            << QStringList{u"labels"_s, sample, u"-o"_s, u"x.pdf"_s, u"--printer"_s, u"q"_s} << 2
            << u"usage: tagora labels"_s;
        QTest::newRow("copies of a PDF")
            << QStringList{u"postcards"_s, sample, u"-o"_s, u"x.pdf"_s, u"--copies"_s, u"2"_s} << 2
            << u"--copies needs --printer"_s;
        QTest::newRow("no copies")
            << QStringList{u"labels"_s, sample, u"--printer"_s, u"q"_s, u"--copies"_s, u"0"_s} << 2
            << u"--copies: the number of copies must be 1 to 999, not 0"_s;
        QTest::newRow("PDF into a missing folder")
            << QStringList{u"postcards"_s, sample, u"-o"_s, u"/no/such/folder/x.pdf"_s} << 1
            << u"tagora: no such folder: /no/such/folder"_s;
        QTest::newRow("postcards, a sender book with no card")
            << QStringList{u"postcards"_s,    sample,  u"--sender"_s,
                           u"/no/such.dat"_s, u"-o"_s, u"x.pdf"_s}
            << 1 << u"/no/such.dat: holds no card to print as the sender"_s;
        QTest::newRow("envelopes, a sender book with no card")
            << QStringList{u"envelopes"_s,    sample,      u"--size"_s,
                           u"naga3"_s,        u"--back"_s, u"--sender"_s,
                           u"/no/such.dat"_s, u"-o"_s,     u"x.pdf"_s}
            << 1 << u"/no/such.dat: holds no card to print as the sender"_s;
        QTest::newRow("printers --help")
            << QStringList{u"printers"_s, u"--help"_s} << 0 << u"Usage: tagora printers"_s;
        QTest::newRow("a sheet name of 100,000 characters")
            << QStringList{u"labels"_s,           sample,  u"--template"_s,
                           QString(100000, u'x'), u"-o"_s, u"x.pdf"_s}
            << 2
            << u"the label sheet name is 100000 characters long; sheet names have at most 200"_s;
        // Every other line a command cannot use is 2 and names its option;
        // what fails on the way is 1.
        const QStringList labels{u"labels"_s, sample, u"-o"_s, u"x.pdf"_s};
        const QStringList postcards{u"postcards"_s, sample, u"-o"_s, u"x.pdf"_s};
        const QStringList list{u"list"_s, sample};
        const struct {
            const char* name;
            QStringList arguments;
            int exitCode;
            QString says;
        } cases[] = {
            {"unknown program option", {u"--frob"_s}, 2, u"unknown option --frob"_s},
            {"start 0", labels + QStringList{u"--start"_s, u"0"_s}, 2,
             u"--start: the start label must be 1 to 12, not 0"_s},
            {"start not a number", labels + QStringList{u"--start=x"_s}, 2, u"--start:"_s},
            {"start without its value", labels + QStringList{u"--start"_s}, 2,
             u"--start needs a value"_s},
            {"unknown template", labels + QStringList{u"--template"_s, u"No Such"_s}, 2,
             u"--template: no label sheet named"_s},
            {"skip past the sheet", labels + QStringList{u"--skip"_s, u"13"_s}, 2,
             u"--skip takes labels 1 to 12"_s},
            {"a card past the book", labels + QStringList{u"--cards"_s, u"999"_s}, 2,
             u"--cards: card 999"_s},
            {"unknown paper", postcards + QStringList{u"--paper"_s, u"b5"_s}, 2,
             u"--paper takes postcard or a4"_s},
            {"unknown size",
             QStringList{u"envelopes"_s, sample, u"--size"_s, u"長5"_s, u"-o"_s, u"x.pdf"_s}, 2,
             u"--size takes"_s},
            {"year out of range", list + QStringList{u"--year"_s, u"27"_s}, 2,
             u"--year: the year must be 1900 to 2999"_s},
            {"unknown filter", list + QStringList{u"--filter"_s, u"sent"_s}, 2,
             u"--filter: unknown filter sent"_s},
            {"two books", list + QStringList{u"more.dat"_s}, 2, u"unexpected argument more.dat"_s},
            {"card past the book",
             QStringList{u"history"_s, sample, u"--card"_s, u"99"_s, u"--set"_s, u"sent"_s}, 2,
             u"--card: the card must be 1 to"_s},
            {"unknown export format",
             QStringList{u"export"_s, sample, u"-o"_s, u"x.csv"_s, u"--format"_s, u"rtf"_s}, 2,
             u"--format: rtf"_s},
            {"unknown encoding",
             QStringList{u"import"_s, sample, u"-o"_s, u"x.dat"_s, u"--encoding"_s, u"latin1"_s}, 2,
             u"--encoding is utf-8 or cp932"_s},
            {"printers takes nothing", QStringList{u"printers"_s, u"all"_s}, 2,
             u"usage: tagora printers"_s},
            {"unknown queue", QStringList{u"labels"_s, sample, u"--printer"_s, u"no-such-queue"_s},
             1, u"no printer named no-such-queue"_s},
            {"export into a missing folder",
             QStringList{u"export"_s, sample, u"-o"_s, u"/no/such/x.csv"_s}, 1, u"/no/such"_s},
        };
        for (const auto& one : cases)
            QTest::newRow(one.name) << one.arguments << one.exitCode << one.says;
    }

    void helpAndExitCodes() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        const Run run = tagora(m_home.path(), arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((exitCode == 0 ? run.out : run.err).contains(says), qPrintable(run.out + run.err));
    }

    void noOutputIsAnInput_data() {
        QTest::addColumn<QStringList>("arguments"); // D/ is the test's folder
        QTest::addColumn<QString>("input");         // the file that must stay as it was
        QTest::addColumn<QString>("says");
        QTest::newRow("the sender book")
            << QStringList{u"postcards"_s,    u"D/book.dat"_s, u"--sender"_s,
                           u"D/sender.dat"_s, u"-o"_s,         u"D/sender.dat"_s}
            << u"sender.dat"_s << u"D/sender.dat is the sender book; choose another output file"_s;
        QTest::newRow("the sender book by a hard link")
            << QStringList{u"postcards"_s,    u"D/book.dat"_s, u"--sender"_s,
                           u"D/sender.dat"_s, u"-o"_s,         u"D/sender.pdf"_s}
            << u"sender.dat"_s << u"D/sender.pdf is the sender book; choose another output file"_s;
        QTest::newRow("export onto a book named .csv")
            << QStringList{u"export"_s, u"D/book.csv"_s, u"-o"_s, u"D/book.csv"_s} << u"book.csv"_s
            << u"D/book.csv is the book being exported; choose another output file"_s;
        QTest::newRow("export onto a link to its book")
            << QStringList{u"export"_s, u"D/book.csv"_s, u"-o"_s, u"D/link.csv"_s} << u"book.csv"_s
            << u"D/link.csv is the book being exported; choose another output file"_s;
        QTest::newRow("import over its CSV, even with --force")
            << QStringList{u"import"_s, u"D/in.csv"_s, u"-o"_s, u"D/in.dat"_s, u"--force"_s}
            << u"in.csv"_s << u"D/in.dat is a file being imported; choose another book name"_s;
    }

    // An output that is one of the command's inputs under any name is refused
    // before anything is written: the input keeps its bytes.
    void noOutputIsAnInput() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, input);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString d = dir.path() + u'/';
        const QString sample = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");
        for (const QString& copy : {u"book.dat"_s, u"sender.dat"_s, u"book.csv"_s})
            QVERIFY(QFile::copy(sample, d + copy));
        QFile csv(d + u"in.csv"_s);
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write(u"氏名,住所1\r\n山田,東京都\r\n"_s.toUtf8());
        csv.close();
        QVERIFY(::link(QFile::encodeName(d + u"sender.dat"_s),
                       QFile::encodeName(d + u"sender.pdf"_s)) == 0);
        QVERIFY(QFile::link(d + u"book.csv"_s, d + u"link.csv"_s));
        QVERIFY(QFile::link(d + u"in.csv"_s, d + u"in.dat"_s));
        const QByteArray before = bytesOf(d + input);

        arguments.replaceInStrings(u"D/"_s, d);
        const Run run = tagora(m_home.path(), arguments);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, u"tagora: "_s + says.replace(u"D/"_s, d) + u'\n');
        QCOMPARE(bytesOf(d + input), before);
    }

    void aFailedStandardOutputFails_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("list") << QStringList{
            u"list"_s, QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat")};
        QTest::newRow("templates") << QStringList{u"templates"_s};
        QTest::newRow("split") << QStringList{u"split"_s, u"東京都千代田区霞が関１－２－３"_s};
        QTest::newRow("--version") << QStringList{u"--version"_s};
    }

    // Standard output on a full disk: the command says so and exits 1, so a
    // script never takes an empty file for the answer.
    void aFailedStandardOutputFails() {
        QFETCH(QStringList, arguments);
        QProcess process;
        process.setStandardOutputFile(u"/dev/full"_s);
        process.start(QStringLiteral(TAGORA_BINARY),
                      QStringList{u"--home"_s, m_home.path()} + arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(
            err.endsWith(u"tagora: cannot write to standard output: No space left on device\n"_s),
            qPrintable(err));
    }

    // A name that is not UTF-8 is read and written under its own bytes: a
    // book exported to a CSV and imported from it, all three so named.
    void namesThatAreNotUtf8PassThrough() {
        QTemporaryDir dir;
        const QByteArray d = QFile::encodeName(dir.path()) + '/';
        const QByteArray book = d + "b\xff.dat", csv = d + "c\xfe.csv", again = d + "d\x8a.dat";
        QVERIFY(QFile::copy(QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat"),
                            dir.filePath(u"sample.dat"_s)));
        QCOMPARE(
            ::link(QFile::encodeName(dir.filePath(u"sample.dat"_s)).constData(), book.constData()),
            0);
        // Raw bytes reach the program through the shell, as a user's would.
        const QString script =
            u"set -e; b=$(printf 'b\\377.dat'); c=$(printf 'c\\376.csv'); d=$(printf 'd\\212.dat');"
            u"\"$0\" --home \"$1\" export \"$b\" -o \"$c\";"
            u"\"$0\" --home \"$1\" import \"$c\" -o \"$d\""_s;
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(u"sh"_s, {u"-c"_s, script, QStringLiteral(TAGORA_BINARY), m_home.path()});
        QVERIFY(process.waitForFinished(60000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
        struct stat info {};
        QCOMPARE(::stat(csv.constData(), &info), 0);
        QByteArray back;
        if (FILE* file = std::fopen(again.constData(), "rb")) {
            char buffer[65536];
            for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
                back.append(buffer, qsizetype(n));
            std::fclose(file);
        }
        QCOMPARE(back, bytesOf(dir.filePath(u"sample.dat"_s)));
    }

    // Control characters in a field are escaped: one card is one line, and nothing reaches the
    // terminal raw.
    void listKeepsOneCardOnOneLine() {
        const QString path = m_home.filePath(u"odd.dat"_s);
        const book::AddressCard odd{u"a\tb"_s, u"c\r\nd"_s, u"e\u001b[2Jf"_s, u"g\\h"_s, {},
                                    {},        u"0"_s};
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
