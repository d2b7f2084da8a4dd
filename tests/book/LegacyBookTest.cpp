#include "BookFiles.h"

#include "book/AddressFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace bookfiles;
using book::CardList;
using book::FileLayout;
using book::ReadError;

Q_DECLARE_METATYPE(FileLayout)

namespace {

// n old-layout lines of six quoted fields: name, address1, address2, postal code, code, honorific.
QByteArray legacyLines(int n) {
    QString text;
    for (int i = 1; i <= n; ++i)
        text +=
            u"\"旧%1\",\"住所%1\",\"番地%1\",\"100-000%1\",\"C%1\",\"%2\"\r\n"_s.arg(i).arg(i % 6);
    return cp932(text);
}

} // namespace

// The start window tests convert old books of 0, 5 and 7 cards on open; these
// are the rules that decide whether a file is converted at all.
class LegacyBookTest : public QObject {
    Q_OBJECT

private slots:
    void detectsLayoutByLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<FileLayout>("layout");
        QTest::newRow("old book") << "\r\n" + legacyLines(5) + "\r\n\r\n" << FileLayout::SixFields;
        QTest::newRow("current, commas in fields")
            << cp932(u"\"a,b\",\"c,d,e\",\"\",\"\",\"\",\"\",\"0\"\n"_s) << FileLayout::SevenFields;
        QTest::newRow("only line ends") << QByteArray("\r\n\r\n") << FileLayout::Empty;
        QTest::newRow("mixed six and seven")
            << legacyLines(2) + *book::formatBook(numberedCards(1)) << FileLayout::Other;
        // A quoted field may hold a line break: the record still has its six fields.
        QTest::newRow("line break in a quoted field")
            << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\r\n\"\r\n") << FileLayout::SixFields;
        QTest::newRow("current, line break in a quoted field")
            << QByteArray("\"a\",\"b\r\nc\",\"\",\"\",\"\",\"\",\"0\"\r\n\"d\",\"\",\"\",\"\",\"\","
                          "\"\",\"1\"\r\n")
            << FileLayout::SevenFields;
        QTest::newRow("quote never closed")
            << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\r\n") << FileLayout::Other;
        QTest::newRow("bad encoding") << legacyLines(2) + "\"\xff\"" << FileLayout::Other;
    }

    void detectsLayoutByLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(FileLayout, layout);
        QCOMPARE(book::detectLayout(bytes), layout);
    }

    void honorificIndexTellsABook_data() {
        QTest::addColumn<QStringList>("honorifics");
        QTest::addColumn<int>("foreign");
        QTest::newRow("indexes, blanks, sign, empty")
            << QStringList{u"0"_s, u" 3 "_s, u"-1"_s, u""_s} << 0;
        QTest::newRow("a header row") << QStringList{u"敬称"_s, u"0"_s} << 1;
        QTest::newRow("leading number only") << QStringList{u"0"_s, u"0"_s, u"12abc"_s} << 3;
    }

    // A spreadsheet's header row reads as a card whose honorific is a word.
    void honorificIndexTellsABook() {
        QFETCH(QStringList, honorifics);
        CardList cards;
        for (const QString& honorific : honorifics)
            cards.append(card(u"名"_s, {}, {}, {}, {}, {}, honorific));
        QTEST(book::firstCardWithoutHonorificIndex(cards), "foreign");
    }

    void convertibleOldBook_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("convertible");
        QTest::newRow("quoted fields")
            << QByteArray("\"a\",\"b\",\"c\",\"100-0001\",\"\",\"0\"\r\n") << true;
        QTest::newRow("bare honorific, blank line")
            << QByteArray(
                   "\"a\", \"b\",\"c\",\"\",\"\",3\r\n\r\n\"d\",\"e\",\"f\",\"\",\"\",\"1\"\r\n")
            << true;
        QTest::newRow("doubled quote")
            << QByteArray("\"a\"\"x\",\"b\",\"c\",\"\",\"\",\"0\"\r\n") << false;
        QTest::newRow("unquoted header") << QByteArray("name,a1,a2,zip,code,title\r\n") << false;
        QTest::newRow("word as honorific")
            << QByteArray("\"a\",\"b\",\"c\",\"\",\"\",\"x\"\r\n") << false;
        QTest::newRow("seven fields")
            << QByteArray("\"a\",\"b\",\"c\",\"d\",\"\",\"\",\"0\"\r\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    // Only what the old program wrote is converted: nothing can be cut off or shifted.
    void convertibleOldBook() {
        QFETCH(QByteArray, bytes);
        QTEST(book::isConvertibleLegacyBook(bytes), "convertible");
    }

    void refusesToConvertCurrentBook() {
        // A current book of six cards read six fields at a time would come out
        // as seven shifted cards; converting it would destroy the book.
        QTemporaryDir dir;
        const QString file = dir.filePath(u"book.dat"_s);
        const QByteArray current = *book::formatBook(numberedCards(6));
        QVERIFY(writeBytes(file, current));
        const book::ConvertResult converted = book::convertLegacyBook(file);
        QCOMPARE(int(converted.readError.kind), int(ReadError::WrongLayout));
        QCOMPARE(readBytes(file), current);
    }
};

QTEST_GUILESS_MAIN(LegacyBookTest)
#include "LegacyBookTest.moc"
