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
        QTest::newRow("quote open at line end")
            << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\r\n\"\r\n") << FileLayout::Other;
        QTest::newRow("bad encoding") << legacyLines(2) + "\"\xff\"" << FileLayout::Other;
    }

    void detectsLayoutByLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(FileLayout, layout);
        QCOMPARE(book::detectLayout(bytes), layout);
    }

    void looksCurrent_data() {
        QTest::addColumn<QStringList>("honorifics");
        QTest::addColumn<bool>("current");
        QTest::newRow("cards 1 and 3 numbered") << QStringList{u"0"_s, u"x"_s, u"5"_s} << true;
        QTest::newRow("blanks, sign") << QStringList{u" 3 "_s, u""_s, u"-1"_s} << true;
        QTest::newRow("card 3 empty") << QStringList{u"0"_s, u"0"_s, u""_s} << false;
        QTest::newRow("leading number only") << QStringList{u"0"_s, u"0"_s, u"12abc"_s} << false;
        QTest::newRow("two cards") << QStringList{u"0"_s, u"0"_s} << false;
    }

    void looksCurrent() {
        QFETCH(QStringList, honorifics);
        QFETCH(bool, current);
        CardList cards;
        for (const QString& honorific : honorifics)
            cards.append(card(u"名"_s, {}, {}, {}, {}, {}, honorific));
        QCOMPARE(book::partialLoadLooksCurrent(cards), current);
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
