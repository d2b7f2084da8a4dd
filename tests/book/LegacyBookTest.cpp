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
        text += u"\"旧%1\",\"住所%1\",\"番地%1\",\"100-000%2\",\"C%1\",\"%3\"\r\n"_s.arg(i)
                    .arg(i % 10)
                    .arg(i % 6);
    return cp932(text);
}

// The card that old line i becomes: address3 empty.
book::AddressCard convertedCard(int i) {
    return card(u"旧%1"_s.arg(i), u"住所%1"_s.arg(i), u"番地%1"_s.arg(i), {},
                u"100-000%1"_s.arg(i % 10), u"C%1"_s.arg(i), QString::number(i % 6));
}

} // namespace

class LegacyBookTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void detectsLayoutByLine_data();
    void detectsLayoutByLine();
    void fiveOldCardsFailToLoad();
    void sevenOldCardsLoadShiftedButAreDetected();
    void looksCurrent_data();
    void looksCurrent();
    void convertsOldBook();
    void convertsEmptyFileToEmptyFile();
    void refusesToConvertCurrentBook();

  private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void LegacyBookTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void LegacyBookTest::detectsLayoutByLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<FileLayout>("layout");
    QTest::newRow("five old cards, 30 fields") << legacyLines(5) << FileLayout::SixFields;
    QTest::newRow("seven old cards, 42 fields") << legacyLines(7) << FileLayout::SixFields;
    QTest::newRow("current book") << *book::formatBook(numberedCards(6)) << FileLayout::SevenFields;
    QTest::newRow("current, commas in fields")
        << cp932(u"\"a,b\",\"c,d,e\",\"\",\"\",\"\",\"\",\"0\"\n"_s) << FileLayout::SevenFields;
    QTest::newRow("blank lines ignored") << "\r\n" + legacyLines(2) + "\r\n\r\n"
                                         << FileLayout::SixFields;
    QTest::newRow("empty") << QByteArray() << FileLayout::Empty;
    QTest::newRow("only line ends") << QByteArray("\r\n\r\n") << FileLayout::Empty;
    QTest::newRow("mixed six and seven")
        << legacyLines(2) + *book::formatBook(numberedCards(1)) << FileLayout::Other;
    QTest::newRow("five fields") << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\"\r\n")
                                 << FileLayout::Other;
    QTest::newRow("quote open at line end")
        << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\r\n\"\r\n") << FileLayout::Other;
    QTest::newRow("bad encoding") << legacyLines(2) + "\"\xff\"" << FileLayout::Other;
}

void LegacyBookTest::detectsLayoutByLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(FileLayout, layout);
    QCOMPARE(book::detectLayout(bytes), layout);
    const QString file = path(u"book.dat"_s);
    QVERIFY(writeBytes(file, bytes));
    QCOMPARE(book::detectLayout(file), layout);
}

void LegacyBookTest::fiveOldCardsFailToLoad() {
    const QString file = path(u"old.dat"_s);
    QVERIFY(writeBytes(file, legacyLines(5)));
    const book::LoadResult loaded = book::loadBook(file);
    QCOMPARE(int(loaded.error.kind), int(ReadError::Truncated));
    QCOMPARE(loaded.error.card, 5);
    QCOMPARE(loaded.cards.size(), 4);
    // Field 7 of card 1 is old card 2's address1: not a number, so the file converts.
    QVERIFY(!book::partialLoadLooksCurrent(loaded.cards));
}

void LegacyBookTest::sevenOldCardsLoadShiftedButAreDetected() {
    const QString file = path(u"old.dat"_s);
    QVERIFY(writeBytes(file, legacyLines(7)));
    const book::LoadResult loaded = book::loadBook(file);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.cards.size(), 6);
    QCOMPARE(loaded.cards.at(0).honorific, u"旧2"_s);
    QCOMPARE(book::detectLayout(file), FileLayout::SixFields);

    const book::LoadResult legacy = book::readLegacyBook(file);
    QVERIFY(legacy.ok());
    QCOMPARE(legacy.cards.size(), 7);
    QCOMPARE(legacy.cards.at(6), convertedCard(7));
}

void LegacyBookTest::looksCurrent_data() {
    QTest::addColumn<QStringList>("honorifics");
    QTest::addColumn<bool>("current");
    QTest::newRow("three numbered") << QStringList{u"0"_s, u"x"_s, u"5"_s} << true;
    QTest::newRow("blanks around numbers") << QStringList{u" 3 "_s, u""_s, u"-1"_s} << true;
    QTest::newRow("card 3 empty") << QStringList{u"0"_s, u"0"_s, u""_s} << false;
    QTest::newRow("card 1 text") << QStringList{u"港区"_s, u"0"_s, u"0"_s} << false;
    QTest::newRow("leading number only") << QStringList{u"0"_s, u"0"_s, u"12abc"_s} << false;
    QTest::newRow("two cards") << QStringList{u"0"_s, u"0"_s} << false;
    QTest::newRow("no cards") << QStringList{} << false;
}

void LegacyBookTest::looksCurrent() {
    QFETCH(QStringList, honorifics);
    QFETCH(bool, current);
    CardList cards;
    for (const QString& honorific : honorifics)
        cards.append(card(u"名"_s, {}, {}, {}, {}, {}, honorific));
    QCOMPARE(book::partialLoadLooksCurrent(cards), current);
}

void LegacyBookTest::convertsOldBook() {
    const QString file = path(u"old.dat"_s);
    QVERIFY(writeBytes(file, legacyLines(5)));
    const book::ConvertResult converted = book::convertLegacyBook(file);
    QVERIFY2(converted.ok(), qPrintable(converted.describe()));
    CardList expected;
    for (int i = 1; i <= 5; ++i)
        expected.append(convertedCard(i));
    QCOMPARE(converted.cards, expected);
    QCOMPARE(book::detectLayout(file), FileLayout::SevenFields);
    const QByteArray firstLine =
        cp932(u"\"旧1\",\"住所1\",\"番地1\",\"\",\"100-0001\",\"C1\",\"1\"\r\n"_s);
    QCOMPARE(readBytes(file).left(firstLine.size()), firstLine);
    const book::LoadResult loaded = book::loadBook(file);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.cards, expected);
}

void LegacyBookTest::convertsEmptyFileToEmptyFile() {
    const QString file = path(u"empty.dat"_s);
    QVERIFY(writeBytes(file, QByteArray()));
    const book::ConvertResult converted = book::convertLegacyBook(file);
    QVERIFY(converted.ok());
    QCOMPARE(converted.cards.size(), 0);
    QCOMPARE(readBytes(file), QByteArray());
}

void LegacyBookTest::refusesToConvertCurrentBook() {
    // A current book of six cards read six fields at a time would come out
    // as seven shifted cards; converting it would destroy the book.
    const QString file = path(u"book.dat"_s);
    const QByteArray current = *book::formatBook(numberedCards(6));
    QVERIFY(writeBytes(file, current));
    const book::ConvertResult converted = book::convertLegacyBook(file);
    QVERIFY(!converted.ok());
    QCOMPARE(int(converted.readError.kind), int(ReadError::WrongLayout));
    QCOMPARE(readBytes(file), current);
}

QTEST_GUILESS_MAIN(LegacyBookTest)
#include "LegacyBookTest.moc"
