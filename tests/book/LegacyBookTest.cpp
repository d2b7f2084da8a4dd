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

// The cards that old lines 1 to n become: address3 empty.
CardList convertedCards(int n) {
    CardList cards;
    for (int i = 1; i <= n; ++i)
        cards.append(card(u"旧%1"_s.arg(i), u"住所%1"_s.arg(i), u"番地%1"_s.arg(i), {},
                          u"100-000%1"_s.arg(i % 10), u"C%1"_s.arg(i), QString::number(i % 6)));
    return cards;
}

// n old-layout lines of six quoted fields: no address3.
QByteArray legacyLines(int n) {
    QString text;
    for (const book::AddressCard& c : convertedCards(n))
        text += u"\"%1\",\"%2\",\"%3\",\"%4\",\"%5\",\"%6\"\r\n"_s.arg(
            c.name, c.address1, c.address2, c.postalCode, c.code, c.honorific);
    return cp932(text);
}

} // namespace

class LegacyBookTest : public QObject {
    Q_OBJECT

    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;

  private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void detectsLayoutByLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<FileLayout>("layout");
        QTest::newRow("old book") << "\r\n" + legacyLines(5) + "\r\n\r\n" << FileLayout::SixFields;
        QTest::newRow("current, commas in fields")
            << cp932(u"\"a,b\",\"c,d,e\",\"\",\"\",\"\",\"\",\"0\"\n"_s) << FileLayout::SevenFields;
        QTest::newRow("only line ends") << QByteArray("\r\n\r\n") << FileLayout::Empty;
        QTest::newRow("mixed six and seven")
            << legacyLines(2) + *book::formatBook(numberedCards(1)) << FileLayout::Other;
        QTest::newRow("five fields")
            << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\"\r\n") << FileLayout::Other;
        QTest::newRow("quote open at line end")
            << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\r\n\"\r\n") << FileLayout::Other;
        QTest::newRow("bad encoding") << legacyLines(2) + "\"\xff\"" << FileLayout::Other;
    }

    void detectsLayoutByLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(FileLayout, layout);
        const QString file = path(u"book.dat"_s);
        QVERIFY(writeBytes(file, bytes));
        QCOMPARE(book::detectLayout(file), layout);
    }

    // 42 old fields make six shifted current cards: only the layout test sees it.
    void sevenOldCardsLoadShiftedButAreDetected() {
        const QString file = path(u"old.dat"_s);
        QVERIFY(writeBytes(file, legacyLines(7)));
        const book::LoadResult loaded = book::loadBook(file);
        QVERIFY(loaded.ok());
        QCOMPARE(loaded.cards.size(), 6);
        QCOMPARE(book::detectLayout(file), FileLayout::SixFields);
        QCOMPARE(book::readLegacyBook(file).cards, convertedCards(7));
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

    // Five old cards fail to load as current ones, and field 7 of card 1 (old
    // card 2's address1) is not a number, so the start window offers conversion.
    void convertsOldBook() {
        const QString file = path(u"old.dat"_s);
        QVERIFY(writeBytes(file, legacyLines(5)));
        const book::LoadResult loaded = book::loadBook(file);
        QCOMPARE(int(loaded.error.kind), int(ReadError::Truncated));
        QCOMPARE(loaded.error.card, 5);
        QVERIFY(!book::partialLoadLooksCurrent(loaded.cards));
        const book::ConvertResult converted = book::convertLegacyBook(file);
        QVERIFY2(converted.ok(), qPrintable(converted.describe()));
        QCOMPARE(converted.cards, convertedCards(5));
        QCOMPARE(readBytes(file), *book::formatBook(convertedCards(5)));

        QVERIFY(writeBytes(file, QByteArray()));
        QVERIFY(book::convertLegacyBook(file).ok());
        QCOMPARE(readBytes(file), QByteArray());
    }

    void refusesToConvertCurrentBook() {
        // A current book of six cards read six fields at a time would come out
        // as seven shifted cards; converting it would destroy the book.
        const QString file = path(u"book.dat"_s);
        const QByteArray current = *book::formatBook(numberedCards(6));
        QVERIFY(writeBytes(file, current));
        const book::ConvertResult converted = book::convertLegacyBook(file);
        QCOMPARE(int(converted.readError.kind), int(ReadError::WrongLayout));
        QCOMPARE(readBytes(file), current);
    }
};

QTEST_GUILESS_MAIN(LegacyBookTest)
#include "LegacyBookTest.moc"
