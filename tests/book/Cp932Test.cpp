#include "book/Cp932.h"

#include <QTest>

using namespace Qt::StringLiterals;

class Cp932Test : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        // The Microsoft table: ～ is 0x8160 (plain Shift_JIS would give 〜), the
        // NEC and IBM extensions hold ①, ㈱ and 髙; backslash stays a backslash.
        QTest::newRow("wave dash") << u"～"_s << QByteArray("\x81\x60");
        QTest::newRow("NEC and IBM") << u"①㈱髙"_s << QByteArray("\x87\x40\x87\x8a\xfb\xfc");
        QTest::newRow("half-width ga") << u"ｶﾞ"_s << QByteArray("\xb6\xde");
        QTest::newRow("ascii path")
            << u"C:\\住所\\a~b.dat"_s << QByteArray("C:\\\x8f\x5a\x8f\x8a\\a~b.dat");
    }

    void roundTrip() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(book::encodeCp932(text), std::optional<QByteArray>(bytes));
        QCOMPARE(book::decodeCp932(bytes), std::optional<QString>(text));
        QCOMPARE(book::firstUnencodable(text), std::nullopt);
    }

    void refusesWhatItCannotHold_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<uint>("character");
        QTest::newRow("emoji, first of two") << u"山田😀様😀"_s << 2 << 0x1f600u;
        QTest::newRow("yen sign, best fit only") << u"100¥"_s << 3 << 0xa5u;
        QTest::newRow("lone surrogate") << u"ab"_s + QChar(0xd800) << 2 << 0xd800u;
    }

    void refusesWhatItCannotHold() {
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(uint, character);
        book::EncodeError error;
        QCOMPARE(book::encodeCp932(text, &error), std::nullopt);
        QCOMPARE(error.index, index);
        QCOMPARE(uint(error.character), character);
        QCOMPARE(book::firstUnencodable(text), std::optional<char32_t>(character));
        QVERIFY(!book::isCp932Encodable(character));
    }

    void rejectsBadBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unassigned pair")
            << QByteArray("ab\x85\x40") << u"invalid byte sequence 0x85 0x40 at byte offset 2"_s;
        QTest::newRow("bad trail byte") << QByteArray("\x82\xa0\x82\x20")
                                        << u"invalid byte sequence 0x82 0x20 at byte offset 2"_s;
        QTest::newRow("undefined single byte")
            << QByteArray("abc\xff") << u"invalid byte sequence 0xFF at byte offset 3"_s;
        QTest::newRow("lead byte cut off")
            << QByteArray("abc\x82")
            << u"lead byte 0x82 at byte offset 3 is cut off by the end of the data"_s;
        QTest::newRow("NUL") << QByteArray("a\"b\0c", 5) << u"NUL byte at byte offset 3"_s;
        // Long data is checked in blocks of about 4 KB cut between characters;
        // the offsets stay those of the bytes themselves.
        const QByteArray a4095 = QByteArray(4095, 'a');
        QTest::newRow("valid pair across a block edge, bad byte later")
            << a4095 + "\x82\xa0" + QByteArray(5000, 'b') + "\xff"
            << u"invalid byte sequence 0xFF at byte offset 9097"_s;
        QTest::newRow("bad pair across a block edge")
            << a4095 + "\x82\x20" << u"invalid byte sequence 0x82 0x20 at byte offset 4095"_s;
        QTest::newRow("NUL first in the second block")
            << a4095 + "a" + QByteArray(1, '\0') + "a" << u"NUL byte at byte offset 4096"_s;
        QTest::newRow("lead byte cut off after 1 MB")
            << QByteArray(1 << 20, 'a') + "\x82"
            << u"lead byte 0x82 at byte offset 1048576 is cut off by the end of the data"_s;
        QTest::newRow("bad byte after 5 MB of kana")
            << QByteArray("\x82\xa0").repeated(5 << 19) + "\xff"
            << u"invalid byte sequence 0xFF at byte offset 5242880"_s;
    }

    void rejectsBadBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        book::DecodeError error;
        QCOMPARE(book::decodeCp932(bytes, &error), std::nullopt);
        QCOMPARE(error.reason, reason);
    }
};

QTEST_GUILESS_MAIN(Cp932Test)
#include "Cp932Test.moc"
