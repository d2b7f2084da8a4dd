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

    QString path(const QString& name) const { return m_dir->filePath(name); }
    // Hidden names too: a temporary beside the book starts with a dot.
    QStringList files() const {
        return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // Two cards pin the bytes; then each awkward text in each of the seven
    // positions reads back unchanged and writes back the same bytes.
    void roundTripKeepsEveryField() {
        CardList cards{
            card(u"山田　花子"_s, u"東京都千代田区"_s, {}, {}, u"100-0013"_s, {}, u"0"_s),
            card(u"㈱髙橋"_s, u"大阪府"_s, u"梅田,２"_s, u"ビル"_s, u"530-0001"_s, u"取引先"_s,
                 u"2"_s)};
        const QByteArray start = cp932(
            u"\"山田　花子\",\"東京都千代田区\",\"\",\"\",\"100-0013\",\"\",\"0\"\r\n"
            u"\"㈱髙橋\",\"大阪府\",\"梅田,２\",\"ビル\",\"530-0001\",\"取引先\",\"2\"\r\n"_s);
        for (const QString& text : {QString(), u"銀座４－５－６, 銀座ビル,,"_s, u"～①㈱髙ｶﾞ№"_s,
                                    u"  　先頭と末尾の空白　 \t"_s}) {
            for (int field = 1; field <= AddressCard::FieldCount; ++field) {
                AddressCard c = card(u"名前"_s, u"住所"_s, u"二"_s, u"三"_s, u"100-0013"_s, u"C"_s);
                c.field(field) = text;
                cards.append(c);
            }
        }
        const QString file = path(u"book.dat"_s);
        QVERIFY(book::writeBook(file, cards).ok());
        const QByteArray first = readBytes(file);
        QVERIFY(first.startsWith(start));
        const book::LoadResult loaded = book::loadBook(file);
        QVERIFY2(loaded.ok(), qPrintable(loaded.error.describe()));
        QCOMPARE(loaded.cards, cards);
        QVERIFY(book::writeBook(file, loaded.cards).ok());
        QCOMPARE(readBytes(file), first);
        // An empty book replaces the old contents with nothing at all.
        QVERIFY(book::writeBook(file, {}).ok());
        QCOMPARE(readBytes(file), QByteArray());
    }

    // A failure keeps the cards read before it: the start window decides on
    // conversion from them.
    void readingRules_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<CardList>("cards");
        QTest::addColumn<QString>("failure");
        const AddressCard a =
            card(u"山田"_s, u"東京都"_s, u"港区"_s, {}, u"105-0011"_s, {}, u"0"_s);
        const AddressCard b = card(u"佐藤"_s, u"北海道"_s, {}, {}, u"060-0001"_s, u"X"_s, u"1"_s);
        const QByteArray lineA =
            cp932(u"\"山田\",\"東京都\",\"港区\",\"\",\"105-0011\",\"\",\"0\""_s);
        const QByteArray lineB = cp932(u"\"佐藤\",\"北海道\",\"\",\"\",\"060-0001\",\"X\",\"1\""_s);

        QTest::newRow("CR LF, trailing blank lines") << lineA + "\r\n" + lineB + "\r\n\r\n  \r\n"
                                                     << CardList{a, b} << QString();
        QTest::newRow("LF, no final line end")
            << lineA + "\n" + lineB << CardList{a, b} << QString();
        QTest::newRow("fields across lines")
            << cp932(
                   u"\"山田\",\"東京都\"\r\n\"港区\"\r\n\"\",\"105-0011\",\"\"\r\n\"0\",\"佐藤\",\"北海道\",\"\",\"\",\"060-0001\",\"X\",\"1\"\r\n"_s)
            << CardList{a, b} << QString();
        QTest::newRow("unquoted trimmed, text after a closing quote skipped")
            << cp932(u"  山田 ,\t東京都\t,\"港区\"丁目 ,,105-0011 ,,0\r\n"_s) << CardList{a}
            << QString();
        QTest::newRow("trailing comma is an empty field")
            << cp932(u"山田,東京都,港区,,105-0011,0,"_s)
            << CardList{card(u"山田"_s, u"東京都"_s, u"港区"_s, {}, u"105-0011"_s, u"0"_s, {})}
            << QString();
        QTest::newRow("runs out mid-card")
            << lineA + "\r\n\"a\",\"b\",\"c\"\r\n"
            << CardList{a} << u"line 2, card 2: the data ends after field 3 of 7"_s;
        QTest::newRow("invalid Shift-JIS")
            << lineA + "\r\n" + lineA + "\r\n\"\x85\x40\"" << CardList{a, a}
            << u"line 3, card 3: invalid byte sequence 0x85 0x40 at byte offset %1"_s.arg(
                   2 * lineA.size() + 5);
    }

    void readingRules() {
        QFETCH(QByteArray, bytes);
        QFETCH(CardList, cards);
        QFETCH(QString, failure);
        const QString file = path(u"book.dat"_s);
        QVERIFY(writeBytes(file, bytes));
        const book::LoadResult loaded = book::loadBook(file);
        QCOMPARE(loaded.ok() ? QString() : loaded.error.describe(),
                 failure.isEmpty() ? QString() : file + u": "_s + failure);
        QCOMPARE(loaded.cards, cards);
    }

    void missingAndUnreadable() {
        const book::LoadResult missing = book::loadBook(path(u"nothing.dat"_s));
        QCOMPARE(int(missing.error.kind), int(ReadError::Missing));
        QCOMPARE(missing.error.describe(), path(u"nothing.dat"_s) + u": no such file"_s);
    }

    // 300 cards save and load; a 301st is refused both ways.
    void capacity() {
        const CardList cards = numberedCards(301);
        const QString file = path(u"book.dat"_s);
        QVERIFY(book::writeBook(file, cards.first(book::BookCapacity)).ok());
        QVERIFY(writeBytes(file, readBytes(file) + *book::formatBook({cards.last()})));
        const book::LoadResult loaded = book::loadBook(file);
        QCOMPARE(int(loaded.error.kind), int(ReadError::TooManyCards));
        QCOMPARE(loaded.error.card, 301);
        QCOMPARE(loaded.error.line, 301);
        QCOMPARE(loaded.cards, cards.first(book::BookCapacity));
        const QByteArray before = readBytes(file);
        QCOMPARE(int(book::writeBook(file, cards).error.kind), int(WriteError::TooManyCards));
        QCOMPARE(readBytes(file), before);
    }

    void refusedFieldLeavesOldFile_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("tsuchi-yoshi before a quote")
            << 4 << u"𠮷\""_s << int(WriteError::Unencodable)
            << u"card 3, field 4 (住所3): U+20BB7 「𠮷」 cannot be written in code page 932"_s;
        QTest::newRow("quote before an emoji")
            << 6 << u"\"😀"_s << int(WriteError::Quote)
            << u"card 3, field 6 (コード): a double quote cannot be stored: it would end the field when the file is read"_s;
        QTest::newRow("NUL in honorific")
            << 7 << u"0"_s + QChar(0) << int(WriteError::Unencodable)
            << u"card 3, field 7 (敬称): a NUL character (U+0000) cannot be stored in the file"_s;
    }

    void refusedFieldLeavesOldFile() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, message);
        const QString file = path(u"book.dat"_s);
        QVERIFY(book::writeBook(file, numberedCards(5)).ok());
        const QByteArray before = readBytes(file);
        CardList cards = numberedCards(5);
        cards[2].field(field) = text;
        const book::WriteResult written = book::writeBook(file, cards);
        QCOMPARE(int(written.error.kind), kind);
        QCOMPARE(written.error.describe(), file + u": "_s + message);
        QCOMPARE(readBytes(file), before);
        QCOMPARE(files(), QStringList{u"book.dat"_s});
    }

    void failedSaveLeavesOldBytes() {
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
        QCOMPARE(written.error.describe(),
                 file + u": cannot be written: "_s + qt_error_string(EFBIG));
        QCOMPARE(readBytes(file), before);
        QCOMPARE(files(), QStringList{u"book.dat"_s});
#else
        QSKIP("needs a file-size limit");
#endif
    }
};

QTEST_GUILESS_MAIN(AddressFileTest)
#include "AddressFileTest.moc"
