#include "exchange/VCardImport.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray fixture(const QString& name) {
    QFile file(QStringLiteral(TAGORA_TEST_DATA) + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

book::AddressCard card(const QString& name, const QString& address1, const QString& address2,
                       const QString& address3, const QString& postalCode, const QString& code,
                       const QString& honorific = u"0"_s) {
    return {name, address1, address2, address3, postalCode, code, honorific};
}

QStringList described(const QList<exchange::LeftOut>& leftOut) {
    QStringList lines;
    for (const exchange::LeftOut& one : leftOut)
        lines << one.describe();
    return lines;
}

} // namespace

class VCardImportTest : public QObject {
    Q_OBJECT

private slots:
    // A phone's 3.0 export: the preferred ADR over the first, a folded street
    // with its building split off, an escaped comma, ORG as the code beside a
    // person at home and as the name alone, addressed 御中.
    void readsAPhoneExport() {
        const exchange::ImportResult result =
            exchange::readVCards(fixture(u"phone-contacts-3.0.vcf"_s), u"phone.vcf"_s);
        QVERIFY(result.ok());
        const book::CardList expected{
            card(u"山田　太郎"_s, u"東京都世田谷区"_s, u"三軒茶屋１－１１－５, 奥"_s,
                 u"グランドメゾン３０１号"_s, u"154-0024"_s, u"株式会社山田商店　営業部"_s),
            card(u"有限会社～みどり園芸"_s, u"北海道札幌市中央区"_s, u"北一条西５－６"_s,
                 u"ライラックマンション"_s, u"060-0001"_s, QString(), u"2"_s),
            card(u"鈴木　一郎"_s, u"埼玉県比企郡嵐山町"_s, u"大字菅谷４５６"_s, QString(),
                 u"355-0221"_s, QString()),
        };
        QCOMPARE(result.cards, expected);
        QCOMPARE(described(result.leftOut),
                 (QStringList{
                     u"phone.vcf 2件目: 住所がありません（佐藤　花子）。"_s,
                     u"phone.vcf 4件目 宛名: U+20BB7 「𠮷」は住所録に保存できない文字です。"_s}));
    }

    // A feature phone's 2.1: quoted-printable Shift-JIS with soft line
    // breaks, quoted-printable UTF-8, raw Shift-JIS, bare HOME;PREF types.
    void readsQuotedPrintableShiftJis() {
        const exchange::ImportResult result =
            exchange::readVCards(fixture(u"feature-phone-2.1.vcf"_s), u"old.vcf"_s);
        QVERIFY(result.ok());
        const book::CardList expected{
            card(u"田中　健一"_s, u"大阪府大阪市北区"_s, u"梅田２－４－９"_s, u"髙橋ビル８階"_s,
                 u"530-0001"_s, QString()),
            card(u"伊藤　誠"_s, u"愛知県名古屋市中区"_s, u"栄ハイツ①棟"_s, QString(), u"460-0008"_s,
                 QString()),
        };
        QCOMPARE(result.cards, expected);
        QCOMPARE(described(result.leftOut),
                 QStringList{u"old.vcf 3件目: 住所がありません（中村　由美）。"_s});
    }

    void choosesTheAddress_data() {
        QTest::addColumn<QString>("properties");
        QTest::addColumn<QString>("street");
        QTest::newRow("unlabelled over work")
            << u"ADR;TYPE=work:;;A;;;;\r\nADR:;;B;;;;\r\n"_s << u"B"_s;
        QTest::newRow("first of two unlabelled") << u"ADR:;;A;;;;\r\nADR:;;B;;;;\r\n"_s << u"A"_s;
        QTest::newRow("an organisation's work over home")
            << u"KIND:org\r\nADR;TYPE=home:;;A;;;;\r\nADR;TYPE=work:;;B;;;;\r\n"_s << u"B"_s;
        QTest::newRow("only work") << u"ADR;TYPE=work:;;A;;;;\r\n"_s << u"A"_s;
        QTest::newRow("home over the first")
            << u"ADR;TYPE=work:;;A;;;;\r\nADR;TYPE=home:;;B;;;;\r\n"_s << u"B"_s;
        QTest::newRow("4.0 PREF=1 over home")
            << u"ADR;TYPE=home:;;A;;;;\r\nADR;TYPE=work;PREF=1:;;B;;;;\r\n"_s << u"B"_s;
        QTest::newRow("TYPE list with pref")
            << u"ADR;TYPE=home:;;A;;;;\r\nADR;TYPE=\"work,pref\":;;B;;;;\r\n"_s << u"B"_s;
        QTest::newRow("2.1 bare PREF")
            << u"ADR;HOME:;;A;;;;\r\nADR;WORK;PREF:;;B;;;;\r\n"_s << u"B"_s;
        QTest::newRow("an empty ADR is no address")
            << u"ADR;TYPE=pref:;;;;;;JP\r\nADR:;;B;;;;\r\n"_s << u"B"_s;
    }

    void choosesTheAddress() {
        QFETCH(QString, properties);
        QFETCH(QString, street);
        const QString text =
            u"BEGIN:VCARD\r\nVERSION:4.0\r\nFN:X\r\n"_s + properties + u"END:VCARD\r\n"_s;
        const exchange::ImportResult result = exchange::readVCards(text.toUtf8(), u"t.vcf"_s);
        QCOMPARE(result.cards.size(), 1);
        QCOMPARE(result.cards.first().address2, street);
    }

    void readsValues_data() {
        QTest::addColumn<QString>("properties");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("escapes") << u"N:A\\;B\\\\C\\,D;;;;\r\n"_s << u"name"_s << u"A;B\\C,D"_s;
        QTest::newRow("second street line under the street")
            << u"FN:X\r\nADR:;;1-2\\nビル3;;;;\r\n"_s << u"address3"_s << u"ビル3"_s;
        QTest::newRow("line break in the building")
            << u"FN:X\r\nADR:;A\\nB;1-2;;;;\r\n"_s << u"address3"_s << u"A　B"_s;
        QTest::newRow("tab-folded line")
            << u"FN:X\r\nADR:;;1-2\r\n\t-3;;;;\r\n"_s << u"address2"_s << u"1-2-3"_s;
        QTest::newRow("quote becomes full-width") << u"FN:\"X\"\r\n"_s << u"name"_s << u"＂X＂"_s;
        QTest::newRow("full-width seven digits")
            << u"FN:X\r\nADR:;;x;;;１２３４５６７;\r\n"_s << u"postalCode"_s << u"123-4567"_s;
        QTest::newRow("six digits as given")
            << u"FN:X\r\nADR:;;x;;;123456;\r\n"_s << u"postalCode"_s << u"123456"_s;
        QTest::newRow("family name alone") << u"N:山田;;;;\r\n"_s << u"name"_s << u"山田"_s;
        QTest::newRow("FN without N") << u"FN:山田 太郎\r\n"_s << u"name"_s << u"山田 太郎"_s;
        QTest::newRow("grouped property")
            << u"FN:X\r\nitem1.ADR:;;Z;;;;\r\n"_s << u"address2"_s << u"Z"_s;
    }

    void readsValues() {
        QFETCH(QString, properties);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QString text = u"BEGIN:VCARD\r\nVERSION:3.0\r\n"_s + properties;
        if (!properties.contains(u"ADR"_s))
            text += u"ADR:;;x;;;;\r\n"_s;
        text += u"END:VCARD\r\n"_s;
        const exchange::ImportResult result = exchange::readVCards(text.toUtf8(), u"t.vcf"_s);
        QCOMPARE(result.cards.size(), 1);
        const book::AddressCard& read = result.cards.first();
        const QString actual = field == u"name"_s       ? read.name
                               : field == u"address2"_s ? read.address2
                               : field == u"address3"_s ? read.address3
                                                        : read.postalCode;
        QCOMPARE(actual, expected);
    }

    // Without a CHARSET the encoding is the one most cards read in; a card
    // that does not read in it is left out alone, naming its line.
    void decidesTheEncodingByCards() {
        QByteArray bytes = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + u"山田"_s.toUtf8() + "\r\nADR:;;" +
                           u"本町1"_s.toUtf8() + ";;;;\r\nEND:VCARD\r\n";
        bytes += bytes;
        bytes += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:X\r\nADR:;;\x96\x7b;;;;\r\nEND:VCARD\r\n";
        const exchange::ImportResult result = exchange::readVCards(bytes, u"m.vcf"_s);
        QCOMPARE(result.cards.size(), 2);
        QCOMPARE(result.cards.first().address2, u"本町1"_s);
        QCOMPARE(described(result.leftOut),
                 QStringList{u"m.vcf 3件目: 14行目の ADR が UTF-8 の文字として読めません。"_s});
    }

    void refusesAFileWithoutCards() {
        const exchange::ImportResult result = exchange::readVCards("name,address\r\n", u"x.vcf"_s);
        QVERIFY(!result.ok());
        QVERIFY2(result.error.startsWith(u"x.vcf: "_s), qPrintable(result.error));
    }

    // A value that is not text of its charset is reported, not half-read.
    void reportsAnUndecodableValue() {
        const QByteArray bytes = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN;CHARSET=UTF-8:\xff\xfe\r\nADR:;;"
                                 "x;;;;\r\nEND:VCARD\r\n";
        const exchange::ImportResult result = exchange::readVCards(bytes, u"x.vcf"_s);
        QVERIFY(result.cards.isEmpty());
        QCOMPARE(described(result.leftOut),
                 QStringList{u"x.vcf 1件目: 3行目の FN が UTF-8 の文字として読めません。"_s});
    }
};

QTEST_APPLESS_MAIN(VCardImportTest)
#include "VCardImportTest.moc"
