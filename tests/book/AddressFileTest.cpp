#include "BookFiles.h"

#include "book/AddressFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;
using namespace bookfiles;
using book::AddressCard;
using book::CardList;
using book::ReadError;
using book::WriteError;

class AddressFileTest : public QObject {
    Q_OBJECT

  private slots:
    void init();

    void roundTripKeepsEveryField_data();
    void roundTripKeepsEveryField();
    void writesExactBytes();
    void emptyBookIsZeroBytes();
    void csvAndDatAreIdentical();

    void readingRules_data();
    void readingRules();
    void readFailures_data();
    void readFailures();
    void badEncodingKeepsEarlierCards();
    void missingAndUnreadable();

    void capacity_data();
    void capacity();

    void refusedFieldLeavesOldFile_data();
    void refusedFieldLeavesOldFile();
    void failedSaveReportsIo();
    void failedWriteLeavesOldBytes();

  private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void AddressFileTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void AddressFileTest::roundTripKeepsEveryField_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("commas") << u"東京都中央区銀座４－５－６, 銀座ビル,,"_s;
    QTest::newRow("long") << u"長谷川"_s.repeated(40);
    QTest::newRow("cp932 extensions") << u"～①㈱髙ｶﾞ№"_s;
    QTest::newRow("edge blanks") << u"  先頭と末尾の空白  \t"_s;
    QTest::newRow("ideographic space") << u"　山田　花子　"_s;
    QTest::newRow("backslash path") << u"C:\\Tagora\\住所録.dat"_s;
    QTest::newRow("sender honorific text") << u" 差出"_s;
}

void AddressFileTest::roundTripKeepsEveryField() {
    QFETCH(QString, text);
    // The text in every one of the seven positions, between ordinary cards.
    CardList cards{card(u"前"_s)};
    for (int field = 1; field <= AddressCard::FieldCount; ++field) {
        AddressCard c = card(u"名前"_s, u"住所"_s, u"二"_s, u"三"_s, u"100-0013"_s, u"C"_s, u"0"_s);
        c.field(field) = text;
        cards.append(c);
    }
    cards.append(card(u"後"_s));
    const QString file = path(u"book.dat"_s);
    QVERIFY(book::writeBook(file, cards).ok());
    const QByteArray first = readBytes(file);

    const book::LoadResult loaded = book::loadBook(file);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error.describe()));
    QCOMPARE(loaded.cards, cards);

    QVERIFY(book::writeBook(file, loaded.cards).ok());
    QCOMPARE(readBytes(file), first);
}

void AddressFileTest::writesExactBytes() {
    const CardList cards{
        card(u"山田　花子"_s, u"東京都千代田区"_s, {}, {}, u"100-0013"_s, {}, u"0"_s),
        card(u"㈱髙橋"_s, u"大阪府"_s, u"梅田,２"_s, u"ビル"_s, u"530-0001"_s, u"取引先"_s, u"2"_s),
    };
    const QByteArray expected =
        cp932(u"\"山田　花子\",\"東京都千代田区\",\"\",\"\",\"100-0013\",\"\",\"0\"\r\n"
              u"\"㈱髙橋\",\"大阪府\",\"梅田,２\",\"ビル\",\"530-0001\",\"取引先\",\"2\"\r\n"_s);
    QCOMPARE(book::formatBook(cards), std::optional<QByteArray>(expected));

    const QString file = path(u"book.dat"_s);
    QVERIFY(book::writeBook(file, cards).ok());
    QCOMPARE(readBytes(file), expected);
}

void AddressFileTest::emptyBookIsZeroBytes() {
    const QString file = path(u"empty.dat"_s);
    QVERIFY(writeBytes(file, "old contents"));
    QVERIFY(book::writeBook(file, {}).ok());
    QCOMPARE(readBytes(file), QByteArray());
    const book::LoadResult loaded = book::loadBook(file);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.cards.size(), 0);
}

void AddressFileTest::csvAndDatAreIdentical() {
    const CardList cards = numberedCards(12);
    QVERIFY(book::writeBook(path(u"book.dat"_s), cards).ok());
    QVERIFY(book::writeBook(path(u"book.csv"_s), cards).ok());
    QCOMPARE(readBytes(path(u"book.csv"_s)), readBytes(path(u"book.dat"_s)));
}

void AddressFileTest::readingRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<CardList>("cards");
    const AddressCard a = card(u"山田"_s, u"東京都"_s, u"港区"_s, {}, u"105-0011"_s, {}, u"0"_s);
    const AddressCard b = card(u"佐藤"_s, u"北海道"_s, {}, {}, u"060-0001"_s, u"X"_s, u"1"_s);
    const QString lineA = u"\"山田\",\"東京都\",\"港区\",\"\",\"105-0011\",\"\",\"0\""_s;
    const QString lineB = u"\"佐藤\",\"北海道\",\"\",\"\",\"060-0001\",\"X\",\"1\""_s;

    QTest::newRow("CR LF") << lineA + u"\r\n"_s + lineB + u"\r\n"_s << CardList{a, b};
    QTest::newRow("LF only") << lineA + u"\n"_s + lineB + u"\n"_s << CardList{a, b};
    QTest::newRow("no final line end") << lineA + u"\r\n"_s + lineB << CardList{a, b};
    QTest::newRow("trailing blank lines") << lineA + u"\r\n\r\n  \r\n"_s << CardList{a};
    QTest::newRow("fields across lines")
        << u"\"山田\",\"東京都\"\r\n\"港区\"\r\n\"\",\"105-0011\",\"\"\r\n\"0\",\"佐藤\",\"北海道\",\"\",\"\",\"060-0001\",\"X\",\"1\"\r\n"_s
        << CardList{a, b};
    QTest::newRow("unquoted, trimmed")
        << u"  山田 ,\t東京都\t, 港区,,105-0011 ,,0\r\n"_s << CardList{a};
    QTest::newRow("text after closing quote skipped")
        << u"\"山田\"様,\"東京都\" ,\"港区\",\"\",\"105-0011\",\"\",\"0\"\r\n"_s << CardList{a};
    QTest::newRow("comma inside quotes")
        << u"\"山田, 花子\",\"東京都\",\"港区\",\"\",\"105-0011\",\"\",\"0\"\r\n"_s
        << CardList{card(u"山田, 花子"_s, u"東京都"_s, u"港区"_s, {}, u"105-0011"_s, {}, u"0"_s)};
    QTest::newRow("trailing comma is an empty field")
        << u"山田,東京都,港区,,105-0011,0,"_s
        << CardList{card(u"山田"_s, u"東京都"_s, u"港区"_s, {}, u"105-0011"_s, u"0"_s, {})};
    QTest::newRow("empty file") << QString() << CardList{};
}

void AddressFileTest::readingRules() {
    QFETCH(QString, text);
    QFETCH(CardList, cards);
    const QString file = path(u"book.dat"_s);
    QVERIFY(writeBytes(file, cp932(text)));
    const book::LoadResult loaded = book::loadBook(file);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error.describe()));
    QCOMPARE(loaded.cards, cards);
}

void AddressFileTest::readFailures_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("card");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("cardsKept");
    const QByteArray good = cp932(u"\"山田\",\"東京都\",\"\",\"\",\"100-0013\",\"\",\"0\"\r\n"_s);

    QTest::newRow("runs out mid-card")
        << good + "\"a\",\"b\",\"c\"\r\n"
        << int(ReadError::Truncated) << 2 << 2 << u"the data ends after field 3 of 7"_s << 1;
    QTest::newRow("quote never closed")
        << good + "\"a\",\"b\r\n"
        << int(ReadError::Truncated) << 2 << 2
        << u"a quoted field has no closing quote after field 1 of 7"_s << 1;
    QTest::newRow("invalid Shift-JIS")
        << good + good + "\"\x85\x40\"" << int(ReadError::BadEncoding) << 3 << 3
        << u"invalid byte sequence 0x85 0x40 at byte offset %1"_s.arg(2 * good.size() + 1) << 2;
    QTest::newRow("NUL byte") << good + QByteArray("\"a\0b\"", 5) << int(ReadError::BadEncoding)
                              << 2 << 2 << u"NUL byte at byte offset %1"_s.arg(good.size() + 2)
                              << 1;
    QTest::newRow("lead byte cut off at the end")
        << good + "\"a\",\"\x82" << int(ReadError::BadEncoding) << 2 << 2
        << u"lead byte 0x82 at byte offset %1 is cut off by the end of the data"_s.arg(good.size() +
                                                                                       5)
        << 1;
}

void AddressFileTest::readFailures() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(int, line);
    QFETCH(int, card);
    QFETCH(QString, reason);
    QFETCH(int, cardsKept);
    const QString file = path(u"bad.dat"_s);
    QVERIFY(writeBytes(file, bytes));
    const book::LoadResult loaded = book::loadBook(file);
    QVERIFY(!loaded.ok());
    QCOMPARE(int(loaded.error.kind), kind);
    QCOMPARE(loaded.error.line, line);
    QCOMPARE(loaded.error.card, card);
    QCOMPARE(loaded.error.reason, reason);
    QCOMPARE(loaded.cards.size(), cardsKept);
    QCOMPARE(loaded.error.describe(),
             u"%1: line %2, card %3: %4"_s.arg(file).arg(line).arg(card).arg(reason));
}

void AddressFileTest::badEncodingKeepsEarlierCards() {
    // The start window decides on conversion from cards 1 and 3 of a failed
    // load, so the cards before a bad byte must come back intact.
    QByteArray bytes = *book::formatBook(numberedCards(4));
    bytes += "\"\xff\"";
    const QString file = path(u"bad.dat"_s);
    QVERIFY(writeBytes(file, bytes));
    const book::LoadResult loaded = book::loadBook(file);
    QCOMPARE(int(loaded.error.kind), int(ReadError::BadEncoding));
    QCOMPARE(loaded.cards, numberedCards(4));
}

void AddressFileTest::missingAndUnreadable() {
    const book::LoadResult missing = book::loadBook(path(u"nothing.dat"_s));
    QCOMPARE(int(missing.error.kind), int(ReadError::Missing));
    QCOMPARE(missing.error.describe(), path(u"nothing.dat"_s) + u": no such file"_s);

    QVERIFY(QDir(m_dir->path()).mkdir(u"folder.dat"_s));
    const book::LoadResult folder = book::loadBook(path(u"folder.dat"_s));
    QCOMPARE(int(folder.error.kind), int(ReadError::Unreadable));
}

void AddressFileTest::capacity_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("1 card") << 1;
    QTest::newRow("300 cards") << 300;
    QTest::newRow("301 cards") << 301;
}

void AddressFileTest::capacity() {
    QFETCH(int, count);
    const CardList cards = numberedCards(count);
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += *book::formatBook({cards.at(i)});
    const QString file = path(u"book.dat"_s);
    QVERIFY(writeBytes(file, bytes));
    const book::LoadResult loaded = book::loadBook(file);
    if (count <= book::BookCapacity) {
        QVERIFY(loaded.ok());
        QCOMPARE(loaded.cards, cards);
        return;
    }
    QCOMPARE(int(loaded.error.kind), int(ReadError::TooManyCards));
    QCOMPARE(loaded.error.card, 301);
    QCOMPARE(loaded.error.line, 301);
    QCOMPARE(loaded.cards, cards.first(book::BookCapacity));

    // Nor may a save produce a book that cannot be opened again.
    QVERIFY(writeBytes(file, "old"));
    const book::WriteResult written = book::writeBook(file, cards);
    QCOMPARE(int(written.error.kind), int(WriteError::TooManyCards));
    QCOMPARE(readBytes(file), QByteArray("old"));
}

void AddressFileTest::refusedFieldLeavesOldFile_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<uint>("character");
    QTest::addColumn<QString>("message");
    QTest::newRow("quote in name")
        << 1 << u"山田\"花子"_s << int(WriteError::Quote) << uint('"')
        << u"card 3, field 1 (宛名): a double quote cannot be stored: it would end the field when the file is read"_s;
    QTest::newRow("emoji in address1")
        << 2 << u"港区😀"_s << int(WriteError::Unencodable) << 0x1f600u
        << u"card 3, field 2 (住所１): U+1F600 「😀」 cannot be written in code page 932"_s;
    QTest::newRow("tsuchi-yoshi before a quote")
        << 4 << u"𠮷\""_s << int(WriteError::Unencodable) << 0x20bb7u
        << u"card 3, field 4 (住所3): U+20BB7 「𠮷」 cannot be written in code page 932"_s;
    QTest::newRow("quote before an emoji")
        << 6 << u"\"😀"_s << int(WriteError::Quote) << uint('"')
        << u"card 3, field 6 (コード): a double quote cannot be stored: it would end the field when the file is read"_s;
    QTest::newRow("NUL in honorific")
        << 7 << u"0"_s + QChar(0) << int(WriteError::Unencodable) << 0u
        << u"card 3, field 7 (敬称): a NUL character (U+0000) cannot be stored in the file"_s;
}

void AddressFileTest::refusedFieldLeavesOldFile() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(uint, character);
    QFETCH(QString, message);
    const QString file = path(u"book.dat"_s);
    QVERIFY(book::writeBook(file, numberedCards(5)).ok());
    const QByteArray before = readBytes(file);

    CardList cards = numberedCards(5);
    cards[2].field(field) = text;
    const book::WriteResult written = book::writeBook(file, cards);
    QVERIFY(!written.ok());
    QCOMPARE(int(written.error.kind), kind);
    QCOMPARE(written.error.card, 3);
    QCOMPARE(written.error.field, field);
    QCOMPARE(uint(written.error.character), character);
    QCOMPARE(written.error.describe(), file + u": "_s + message);
    QCOMPARE(readBytes(file), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"book.dat"_s});
}

void AddressFileTest::failedSaveReportsIo() {
    // Permissions do not stop root, so the target's folder is a plain file.
    QVERIFY(writeBytes(path(u"notafolder"_s), "x"));
    const QString file = path(u"notafolder/book.dat"_s);
    const book::WriteResult written = book::writeBook(file, numberedCards(2));
    QCOMPARE(int(written.error.kind), int(WriteError::Io));
    QCOMPARE(written.error.path, file);
    QVERIFY(written.error.describe().startsWith(file + u": cannot be created"_s));

    const book::WriteResult missingFolder = book::writeBook(path(u"no/such/book.dat"_s), {});
    QCOMPARE(int(missingFolder.error.kind), int(WriteError::Io));
}

void AddressFileTest::failedWriteLeavesOldBytes() {
#ifdef Q_OS_UNIX
    // A file-size limit makes the disk fail half-way through the save, even for root.
    const QString file = path(u"book.dat"_s);
    QVERIFY(book::writeBook(file, numberedCards(3)).ok());
    const QByteArray before = readBytes(file);

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const book::WriteResult written = book::writeBook(file, numberedCards(300));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(int(written.error.kind), int(WriteError::Io));
    // The user is told why: the system's reason for the refused write.
    QCOMPARE(written.error.describe(), file + u": cannot be written: "_s + qt_error_string(EFBIG));
    QCOMPARE(readBytes(file), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"book.dat"_s});
#else
    QSKIP("needs a file-size limit");
#endif
}

QTEST_GUILESS_MAIN(AddressFileTest)
#include "AddressFileTest.moc"
