#include "book/AddressFile.h"
#include "exchange/Export.h"
#include "support/RunTagora.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Run = TagoraRun;

Run tagora(const QString& home, const QStringList& arguments) {
    return runTagora(home, arguments);
}

QString fixture(const QString& name) {
    return QStringLiteral(TAGORA_TEST_DATA) + u'/' + name;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A UTF-8 CSV of count numbered rows under a Japanese header.
QString writeRows(const QTemporaryDir& dir, int count) {
    QByteArray csv = u"氏名,郵便番号,住所1,住所2,敬称\r\n"_s.toUtf8();
    for (int i = 1; i <= count; ++i)
        csv += u"山田　太郎%1,154-0024,東京都世田谷区,三軒茶屋１－%1,様\r\n"_s.arg(i).toUtf8();
    const QString path = dir.filePath(u"rows-%1.csv"_s.arg(count));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size())
        return QString();
    return path;
}

} // namespace

class ImportCommandTest : public QObject {
    Q_OBJECT

private slots:
    // Three files at once; every left-out card and every CSV's unused
    // columns on a line of their own.
    void importsAndReportsWhatWasLeftOut() {
        QTemporaryDir dir;
        const QString out = dir.filePath(u"book.dat"_s);
        const QString vcf = fixture(u"phone-contacts-3.0.vcf"_s);
        const QString csv = fixture(u"addresses-utf8-bom.csv"_s);
        const QString postcards = fixture(u"import/postcard-program-b.csv"_s);
        const Run run = tagora(dir.path(), {u"import"_s, vcf, csv, postcards, u"-o"_s, out});
        QCOMPARE(run.exitCode, 0);
        const QString leftOut = u"left out: "_s;
        QCOMPARE(
            run.out.split(u'\n'),
            (QStringList{
                leftOut + vcf + u" 2件目: 住所がありません（佐藤　花子）。"_s,
                leftOut + vcf + u" 4件目 宛名: U+20BB7 「𠮷」は住所録に保存できない文字です。"_s,
                leftOut + csv + u" 6行目 宛名: U+BBFC 「민」は住所録に保存できない文字です。"_s,
                leftOut + csv + u" 8行目: 住所がありません（中村　由美）。"_s,
                postcards + u": 使わなかった列: グループ"_s,
                u"wrote "_s + out + u" (10 cards)"_s,
                u"imported 10 cards, left out 4 cards"_s,
                QString(),
            }));
        const book::LoadResult loaded = book::loadBook(out);
        QVERIFY(loaded.ok());
        QCOMPARE(loaded.cards.size(), 10);
        QCOMPARE(loaded.cards.at(3).name, u"山田　花子"_s);
    }

    void splitsIntoBooksOf300_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("books");
        QTest::newRow("301 rows") << 301 << 2;
        QTest::newRow("10,000 rows") << 10000 << 34;
    }

    void splitsIntoBooksOf300() {
        QFETCH(int, rows);
        QFETCH(int, books);
        QTemporaryDir dir;
        const QString csv = writeRows(dir, rows);
        QVERIFY(!csv.isEmpty());
        const Run run = tagora(dir.path(), {u"import"_s, csv, u"-o"_s, dir.filePath(u"big.dat"_s)});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.endsWith(u"imported %1 cards, left out 0 cards\n"_s.arg(rows)),
                 qPrintable(run.out));
        int total = 0;
        for (int i = 1; i <= books; ++i) {
            const QString path = dir.filePath(i == 1 ? u"big.dat"_s : u"big-%1.dat"_s.arg(i));
            const book::LoadResult loaded = book::loadBook(path);
            QVERIFY2(loaded.ok(), qPrintable(path));
            QCOMPARE(loaded.cards.size(), i < books ? 300 : rows - 300 * (books - 1));
            QCOMPARE(loaded.cards.first().name, u"山田　太郎%1"_s.arg(total + 1));
            total += int(loaded.cards.size());
        }
        QCOMPARE(total, rows);
        QVERIFY(!QFile::exists(dir.filePath(u"big-%1.dat"_s.arg(books + 1))));
    }

    // An existing book is kept unless --force; nothing imported is exit 1 and no file.
    void keepsExistingBooks() {
        QTemporaryDir dir;
        const QString out = dir.filePath(u"book.dat"_s);
        const QString csv = writeRows(dir, 301);
        QFile second(dir.filePath(u"book-2.dat"_s));
        QVERIFY(second.open(QIODevice::WriteOnly));
        second.write("\"old\",\"\",\"\",\"\",\"\",\"\",\"0\"\r\n");
        second.close();
        Run run = tagora(dir.path(), {u"import"_s, csv, u"-o"_s, out});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(u"book-2.dat already exists; give --force"_s),
                 qPrintable(run.err));
        QVERIFY(!QFile::exists(out));
        run = tagora(dir.path(), {u"import"_s, csv, u"-o"_s, out, u"--force"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(book::loadBook(dir.filePath(u"book-2.dat"_s)).cards.first().name,
                 u"山田　太郎301"_s);

        // Not even --force writes over a file being imported.
        QFile input(csv);
        QVERIFY(input.open(QIODevice::ReadOnly));
        const QByteArray before = input.readAll();
        input.close();
        run = tagora(dir.path(), {u"import"_s, csv, u"-o"_s, csv, u"--force"_s});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(u"is a file being imported"_s), qPrintable(run.err));
        QVERIFY(input.open(QIODevice::ReadOnly));
        QCOMPARE(input.readAll(), before);
    }

    void refusesWhatItCannotImport_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no output")
            << QStringList{fixture(u"contacts-service.csv"_s)} << u"usage: tagora import"_s;
        QTest::newRow("bad encoding")
            << QStringList{fixture(u"contacts-service.csv"_s), u"--encoding"_s, u"latin1"_s}
            << u"--encoding is utf-8 or cp932"_s;
        QTest::newRow("no header, no map")
            << QStringList{fixture(u"legacy-cp932-noheader.csv"_s)} << u"give a column mapping"_s;
        QTest::newRow("missing file") << QStringList{fixture(u"no-such.csv"_s)} << u"no-such.csv"_s;
    }

    void refusesWhatItCannotImport() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString out = dir.filePath(u"book.dat"_s);
        QStringList all = QStringList{u"import"_s} + arguments;
        if (!message.startsWith(u"usage"_s))
            all << u"-o"_s << out;
        const Run run = tagora(dir.path(), all);
        // A command line the command cannot use is exit code 2, a file it cannot use 1.
        const bool usage = message.startsWith(u"usage"_s) || message.startsWith(u"--"_s);
        QCOMPARE(run.exitCode, usage ? 2 : 1);
        QVERIFY2(run.err.startsWith(u"tagora: "_s) && run.err.contains(message),
                 qPrintable(run.err));
        QVERIFY(!QFile::exists(out));
    }

    void nothingImportedIsAFailure() {
        QTemporaryDir dir;
        const QString vcf = dir.filePath(u"none.vcf"_s);
        QFile file(vcf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:X\r\nEND:VCARD\r\n");
        file.close();
        const QString out = dir.filePath(u"book.dat"_s);
        const Run run = tagora(dir.path(), {u"import"_s, vcf, u"-o"_s, out});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(u"1件目: 住所がありません（X）。"_s), qPrintable(run.out));
        QVERIFY(!QFile::exists(out));
    }

    // The books written are checked as tagora check checks a book: its very
    // lines, on stderr after the summary, and the import still succeeds.
    void importChecksThePostalCodes() {
        QTemporaryDir dir;
        const QString csv = dir.filePath(u"codes.csv"_s);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(u"氏名,郵便番号,住所1,住所2,敬称\r\n"
                   u"山田　太郎,154-0024,東京都世田谷区,三軒茶屋１－１,様\r\n"
                   u"鈴木　花子,100-0001,大阪府大阪市北区,梅田１－１,様\r\n"_s.toUtf8());
        file.close();
        const QString out = dir.filePath(u"book.dat"_s);
        const Run imported = tagora(dir.path(), {u"import"_s, csv, u"-o"_s, out});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY(imported.out.endsWith(u"imported 2 cards, left out 0 cards\n"_s));
        const Run checked = tagora(dir.path(), {u"check"_s, out});
        QCOMPARE(checked.exitCode, 1);
        QVERIFY2(checked.out.startsWith(u"2 鈴木　花子: "_s), qPrintable(checked.out));
        QCOMPARE(imported.err, checked.out);
    }

    // The sample book out as CSV and as vCard, and back: the same bytes.
    void exportThenImportIsByteIdentical_data() {
        QTest::addColumn<QString>("exported");
        QTest::newRow("csv") << u"sample.csv"_s;
        QTest::newRow("vcf") << u"sample.vcf"_s;
    }

    void exportThenImportIsByteIdentical() {
        QFETCH(QString, exported);
        QTemporaryDir dir;
        const QString sample = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");
        const QString file = dir.filePath(exported);
        Run run = tagora(dir.path(), {u"export"_s, sample, u"-o"_s, file});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.startsWith(u"exported 30 cards to "_s), qPrintable(run.out));
        const QString back = dir.filePath(u"back.dat"_s);
        run = tagora(dir.path(), {u"import"_s, file, u"-o"_s, back});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(bytesOf(back), bytesOf(sample));
    }

    // --format writes what it names whatever the suffix, and leaves the book as it was.
    void exportWritesTheNamedFormat_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<exchange::ExportFormat>("expected");
        QTest::newRow("vcard3") << u"vcard3"_s << exchange::ExportFormat::VCard3;
        QTest::newRow("postcard") << u"postcard"_s << exchange::ExportFormat::PostcardCsv;
        QTest::newRow("csv in a .vcf") << u"csv"_s << exchange::ExportFormat::Csv;
    }

    void exportWritesTheNamedFormat() {
        QFETCH(QString, format);
        QFETCH(exchange::ExportFormat, expected);
        QTemporaryDir dir;
        const QString book = dir.filePath(u"book.dat"_s);
        QVERIFY(QFile::copy(QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat"), book));
        const QByteArray before = bytesOf(book);
        const QString file = dir.filePath(u"out.vcf"_s);
        const Run run =
            tagora(dir.path(), {u"export"_s, book, u"-o"_s, file, u"--format"_s, format});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(bytesOf(file),
                 exchange::formatExport(expected, book::loadBook(book).cards).value());
        QCOMPARE(bytesOf(book), before);
        QVERIFY(tagora(dir.path(), {u"export"_s, book, u"-o"_s, file, u"--format"_s, u"pdf"_s})
                    .exitCode != 0);
    }

    void listsTheCommandsInHelp() {
        const Run run = tagora(QDir::tempPath(), {u"--help"_s});
        QVERIFY(run.out.contains(u"  import FILE... -o BOOK.dat"_s));
        QVERIFY(run.out.contains(u"  export BOOK -o FILE.csv|FILE.vcf"_s));
    }
};

QTEST_APPLESS_MAIN(ImportCommandTest)
#include "ImportCommandTest.moc"
