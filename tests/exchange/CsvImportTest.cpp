#include "exchange/CsvImport.h"
#include "exchange/CsvText.h"
#include "exchange/ImportPreview.h"

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
                       const QString& honorific) {
    return {name, address1, address2, address3, postalCode, code, honorific};
}

QStringList described(const QList<exchange::LeftOut>& leftOut) {
    QStringList lines;
    for (const exchange::LeftOut& one : leftOut)
        lines << one.describe();
    return lines;
}

using Rows = QList<QStringList>;

} // namespace

class CsvImportTest : public QObject {
    Q_OBJECT

private slots:
    void parsesRecords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Rows>("cells");
        QTest::addColumn<QList<int>>("rowNumbers");
        QTest::newRow("CR LF, no last line end")
            << u"a,b\r\nc,d"_s << Rows{{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}} << QList<int>{1, 2};
        QTest::newRow("LF and CR")
            << u"a\nb\rc\n"_s << Rows{{u"a"_s}, {u"b"_s}, {u"c"_s}} << QList<int>{1, 2, 3};
        QTest::newRow("doubled quotes and a comma")
            << u"\"x \"\"y\"\", z\",w\r\n"_s << Rows{{u"x \"y\", z"_s, u"w"_s}} << QList<int>{1};
        QTest::newRow("line break in quotes")
            << u"\"a\r\nb\",c\r\nd\r\n"_s << Rows{{u"a\r\nb"_s, u"c"_s}, {u"d"_s}}
            << QList<int>{1, 2};
        QTest::newRow("empty last field")
            << u"a,\r\n,\r\n"_s << Rows{{u"a"_s, u""_s}, {u""_s, u""_s}} << QList<int>{1, 2};
        QTest::newRow("empty lines count as rows")
            << u"a\r\n\r\n\r\nb\r\n"_s << Rows{{u"a"_s}, {u"b"_s}} << QList<int>{1, 4};
        QTest::newRow("quote inside an unquoted cell")
            << u"a\"b,c\r\n"_s << Rows{{u"a\"b"_s, u"c"_s}} << QList<int>{1};
    }

    void parsesRecords() {
        QFETCH(QString, text);
        QFETCH(Rows, cells);
        QFETCH(QList<int>, rowNumbers);
        const exchange::CsvRecords records = exchange::parseCsv(text);
        QVERIFY(records.error.isEmpty());
        const QList<exchange::CsvRow>& rows = records.rows;
        Rows actualCells;
        QList<int> actualRows;
        for (const exchange::CsvRow& row : rows) {
            actualCells << row.cells;
            actualRows << row.row;
        }
        QCOMPARE(actualCells, cells);
        QCOMPARE(actualRows, rowNumbers);
    }

    // A spreadsheet's UTF-8 file with a byte-order mark: quoted commas,
    // doubled quotes, a line break inside a cell, an empty line, honorific
    // texts (先生 kept with the name, an empty cell as 様), a row with no
    // address and a row a book cannot hold.
    void readsAJapaneseHeaderedFile() {
        const exchange::ImportResult result =
            exchange::readCsv(fixture(u"addresses-utf8-bom.csv"_s), u"a.csv"_s);
        QVERIFY(result.ok());
        const book::CardList expected{
            card(u"山田　花子"_s, u"東京都千代田区"_s, u"霞が関１－２－３"_s, QString(),
                 u"100-0013"_s, QString(), u"0"_s),
            card(u"株式会社　髙橋商事"_s, u"大阪府大阪市北区"_s, u"梅田２－４－９, 北館"_s,
                 u"梅田第一ビル８階"_s, u"530-0001"_s, u"取引先"_s, u"2"_s),
            card(u"渡辺 ＂みさき＂ 美咲"_s, u"埼玉県比企郡嵐山町"_s, u"大字菅谷　４５６"_s,
                 QString(), u"355-0221"_s, QString(), u"1"_s),
            card(u"伊藤　誠　先生"_s, u"愛知県名古屋市中区"_s, u"栄３－１５－２"_s,
                 u"栄ハイツ①棟２０１"_s, u"460-0008"_s, QString(), u"5"_s),
            card(u"小林　大輔"_s, u"福岡県福岡市博多区"_s, u"博多駅前２－１～３"_s, QString(),
                 u"812-0011"_s, QString(), u"0"_s),
        };
        QCOMPARE(result.cards, expected);
        QCOMPARE(described(result.leftOut),
                 (QStringList{u"a.csv 6行目 宛名: U+BBFC 「민」は住所録に保存できない文字です。"_s,
                              u"a.csv 8行目: 住所がありません（中村　由美）。"_s}));
        QVERIFY(result.unusedColumns.isEmpty());
    }

    void readsCp932WithAMapping() {
        const QByteArray bytes = fixture(u"legacy-cp932-noheader.csv"_s);
        exchange::CsvOptions options;
        options.mapping = u"code=1,name=2,zip=3,address1=4,address2=5"_s;
        const exchange::ImportResult result = exchange::readCsv(bytes, u"old.csv"_s, options);
        QVERIFY2(result.ok(), qPrintable(result.error));
        const book::CardList expected{
            card(u"佐藤　健一"_s, u"北海道札幌市中央区"_s, u"北一条西５－６"_s, QString(),
                 u"060-0001"_s, u"A001"_s, u"0"_s),
            card(u"鈴木　一郎"_s, u"神奈川県横浜市中区"_s, u"山下町１２３"_s, QString(),
                 u"231-0023"_s, u"A002"_s, u"0"_s),
            card(u"株式会社　ﾀﾅｶ"_s, u"大阪府大阪市北区"_s, u"梅田２－４－９"_s, QString(),
                 u"530-0001"_s, u"A003"_s, u"0"_s),
        };
        QCOMPARE(result.cards, expected);
        QVERIFY(result.leftOut.isEmpty());

        // Without the mapping the first row names nothing; forced UTF-8 does not decode.
        QVERIFY(exchange::readCsv(bytes, u"old.csv"_s).error.contains(u"header"_s));
        options.encoding = exchange::TextEncoding::Utf8;
        const QString error = exchange::readCsv(bytes, u"old.csv"_s, options).error;
        QVERIFY2(error.startsWith(u"old.csv: not valid UTF-8 at byte offset 8"_s),
                 qPrintable(error));
    }

    void readsAContactsServiceExport() {
        const exchange::ImportResult result =
            exchange::readCsv(fixture(u"contacts-service.csv"_s), u"g.csv"_s);
        QVERIFY2(result.ok(), qPrintable(result.error));
        const book::CardList expected{
            card(u"山田 太郎"_s, u"東京都千代田区"_s, u"丸の内１－１"_s, u"丸の内ビル１２階"_s,
                 u"100-0005"_s, QString(), u"0"_s),
            card(u"佐藤　花子"_s, u"東京都世田谷区"_s, u"三軒茶屋１－１１－５"_s, QString(),
                 u"154-0024"_s, u"株式会社サトウ"_s, u"0"_s),
            card(u"株式会社　髙橋商事"_s, u"大阪府大阪市北区"_s, u"梅田２－４－９"_s, QString(),
                 u"530-0001"_s, QString(), u"2"_s),
        };
        QCOMPARE(result.cards, expected);
        QCOMPARE(described(result.leftOut),
                 QStringList{u"g.csv 5行目: 住所がありません（Kim Min-su）。"_s});
    }

    void matchesHeaders_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("姓 + 名, parts of the address")
            << u"姓,名,〒,都道府県,市区町村,番地,建物名,コード\r\n田中,健一,1,大阪府,大阪市,梅田1,ビル,C\r\n"_s
            << QStringList{
                   u"田中　健一"_s, u"大阪府大阪市"_s, u"梅田1"_s, u"ビル"_s, u"1"_s, u"C"_s,
                   u"0"_s};
        QTest::newRow("住所 alone, full-width digits, 宛名")
            << u"宛名,住所,住所２,敬称\r\nX,A,B, 差出\r\n"_s
            << QStringList{u"X"_s, u"A"_s, u"B"_s, QString(), QString(), QString(), u"3"_s};
        QTest::newRow("住所1 wins over 都道府県")
            << u"名前,都道府県,住所1\r\nX,P,A\r\n"_s
            << QStringList{u"X"_s, u"A"_s, QString(), QString(), QString(), QString(), u"0"_s};
        QTest::newRow("a company already in the name is not doubled")
            << u"氏名,会社名,住所\r\n株式会社X　山田,株式会社X,A\r\n"_s
            << QStringList{u"株式会社X　山田"_s,
                           u"A"_s,
                           QString(),
                           QString(),
                           QString(),
                           QString(),
                           u"0"_s};
        QTest::newRow("honorific index kept, なし is none")
            << u"氏名,住所1,敬称\r\nX,A,-1\r\nY,B,なし\r\n"_s
            << QStringList{u"X"_s, u"A"_s, QString(), QString(), QString(), QString(), u"-1"_s,
                           u"Y"_s, u"B"_s, QString(), QString(), QString(), QString(), u"5"_s};
    }

    void matchesHeaders() {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        const exchange::ImportResult result = exchange::readCsv(text.toUtf8(), u"h.csv"_s);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QStringList actual;
        for (const book::AddressCard& read : result.cards)
            for (int field = 1; field <= book::AddressCard::FieldCount; ++field)
                actual << read.field(field);
        QCOMPARE(actual, fields);
    }

    void refusesBadMappings_data() {
        QTest::addColumn<QString>("mapping");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown key") << u"name=1,phone=2"_s << u"unknown mapping key \"phone\""_s;
        QTest::newRow("column 0") << u"name=0"_s << u"needs column numbers from 1"_s;
        QTest::newRow("not a number") << u"name=x"_s << u"needs column numbers from 1"_s;
        QTest::newRow("a join with nothing after +")
            << u"name=1+"_s << u"needs column numbers from 1"_s;
        QTest::newRow("twice") << u"name=1,name=2"_s << u"given twice"_s;
        QTest::newRow("only a code") << u"code=1"_s << u"names no name"_s;
    }

    void refusesBadMappings() {
        QFETCH(QString, mapping);
        QFETCH(QString, message);
        exchange::CsvOptions options;
        options.mapping = mapping;
        const exchange::ImportResult result = exchange::readCsv("a,b\r\n", u"m.csv"_s, options);
        QVERIFY2(result.error.contains(message), qPrintable(result.error));
    }

    // A quote that never closes would swallow the rows after it into one
    // field: nothing is imported, and the error names the row it opens in,
    // for the command line and the import window alike.
    void anUnclosedQuoteNamesItsRow() {
        const QByteArray bytes =
            u"氏名,住所1\r\n山田,東京都\r\n\"木村,大阪府\r\n佐藤,京都府\r\n"_s.toUtf8();
        const QString message =
            u"u.csv: row 3: a quoted field opens here and is never closed; the rows after it would run into it"_s;
        const exchange::ImportResult result = exchange::readCsv(bytes, u"u.csv"_s);
        QCOMPARE(result.error, message);
        QVERIFY(result.cards.isEmpty());
        const exchange::ImportPreview preview =
            exchange::ImportPreview::fromBytes(bytes, u"/d/u.csv"_s);
        QCOMPARE(preview.error(), message);
        QVERIFY(preview.cards().isEmpty());
    }
};

QTEST_APPLESS_MAIN(CsvImportTest)
#include "CsvImportTest.moc"
