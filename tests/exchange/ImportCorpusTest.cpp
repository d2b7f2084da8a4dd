#include "exchange/CsvImport.h"
#include "exchange/ImportPreview.h"
#include "exchange/VCardImport.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray corpusFile(const QString& name) {
    QFile file(QStringLiteral(TAGORA_TEST_DATA) + u"/import/"_s + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A card as one line: name|address1|address2|address3|postal code|code|honorific.
QString cardLine(const book::AddressCard& card) {
    QStringList fields;
    for (int field = 1; field <= book::AddressCard::FieldCount; ++field)
        fields << card.field(field);
    return fields.join(u'|');
}

QStringList described(const QList<exchange::LeftOut>& list) {
    QStringList lines;
    for (const exchange::LeftOut& one : list)
        lines << one.describe();
    return lines;
}

} // namespace

// Address files as phones, mail programs, contacts services, office suites,
// postcard programs and a business-card service write them (the encoding
// each uses), with the cards a Japanese user expects from each, written
// down by hand: the fields of every card, the contacts left out and why,
// what to check, and the columns not used.
class ImportCorpusTest : public QObject {
    Q_OBJECT

private slots:
    void readsEachLayout_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("cards");
        QTest::addColumn<QStringList>("leftOut");
        QTest::addColumn<QStringList>("remarks");
        QTest::addColumn<QStringList>("unused");

        // Home over work with the building under the street; an
        // organisation's own card gets 御中; a person at work under the company.
        QTest::newRow("phone vCard 3.0, UTF-8")
            << u"phone-3.0.vcf"_s
            << QStringList{u"山田　太郎|東京都世田谷区|三軒茶屋1-11-5|グランドメゾン301|154-0024|株式会社山田商店　営業部|0"_s,
                           u"有限会社みどり園芸|北海道札幌市中央区|北一条西5-6|ライラックマンション|060-0001||2"_s,
                           u"株式会社鈴木製作所　総務部　鈴木　一郎|神奈川県横浜市中区|山下町123||231-0023||0"_s}
            << QStringList{u"phone-3.0.vcf 4件目: 住所がありません（佐藤　花子）。"_s}
            << QStringList() << QStringList();
        QTest::newRow("smartphone vCard 2.1, quoted-printable UTF-8")
            << u"android-2.1.vcf"_s
            << QStringList{u"田中　健一|大阪府大阪市北区|梅田2-4-9|梅田ハイツ805|530-0001||0"_s,
                           u"伊藤　誠|愛知県名古屋市中区|栄3-15-2||460-0008||0"_s,
                           u"中村　由美|東京都渋谷区|神宮前1-2-3|原宿マンション201|||0"_s}
            << QStringList() << QStringList() << QStringList();
        QTest::newRow("feature phone vCard 2.1, code page 932")
            << u"feature-phone.vcf"_s
            << QStringList{u"渡辺　美咲|東京都千代田区|霞が関1-2-3||100-0013||0"_s,
                           u"小林　大輔|福岡県福岡市博多区|博多駅前2-1-1|博多ビル3F|812-0011||0"_s,
                           u"高橋　三郎|北海道札幌市中央区|北一条西5-6||060-0001||0"_s}
            << QStringList() << QStringList() << QStringList();
        // A fold inside a character is joined before decoding; a fold that
        // lost its space spoils its own card only.
        QTest::newRow("mail program vCard 4.0, folded")
            << u"mail-4.0.vcf"_s
            << QStringList{u"株式会社髙橋商事　経理部|大阪府大阪市北区|梅田2-4-9||530-0001||2"_s,
                           u"森　さくら|東京都世田谷区|三軒茶屋1-11-5|グランドメゾン三軒茶屋301|154-0024||0"_s,
                           u"石井　美穂|大阪府大阪市中央区|本町2丁目3番4号|サンライズ本町1102|541-0053||0"_s}
            << QStringList{u"mail-4.0.vcf 3件目: 18行目の FN が UTF-8 の文字として読めません。"_s}
            << QStringList() << QStringList();
        QTest::newRow("contacts service CSV, newer layout")
            << u"contacts-service-new.csv"_s
            << QStringList{u"山田　太郎|東京都世田谷区|三軒茶屋1-11-5|グランドメゾン301|154-0024|株式会社山田商店　営業部|0"_s,
                           u"佐藤　花子|東京都世田谷区|三軒茶屋1-11-5|グランドメゾン301|154-0024||0"_s,
                           u"株式会社髙橋商事|大阪府大阪市北区|梅田2-4-9||530-0001||2"_s}
            << QStringList{u"contacts-service-new.csv 5行目: 住所がありません（Kim　Min-su）。"_s}
            << QStringList()
            << QStringList{
                   u"Phonetic First Name"_s, u"Phonetic Last Name"_s,    u"Labels"_s,
                   u"E-mail 1 - Label"_s,    u"E-mail 1 - Value"_s,      u"Address 1 - Formatted"_s,
                   u"Address 1 - Country"_s, u"Address 2 - Formatted"_s, u"Address 2 - Country"_s};
        QTest::newRow("contacts service CSV, older layout in UTF-16")
            << u"contacts-service-old.csv"_s
            << QStringList{u"山田 太郎|東京都世田谷区|三軒茶屋1-11-5|グランドメゾン301|154-0024|株式会社山田商店|0"_s,
                           u"株式会社鈴木製作所　鈴木 一郎|神奈川県横浜市中区|山下町123||231-0023||0"_s}
            << QStringList() << QStringList()
            << QStringList{u"Group Membership"_s, u"E-mail 1 - Type"_s, u"E-mail 1 - Value"_s,
                           u"Address 1 - Country"_s, u"Address 2 - Country"_s};
        QTest::newRow("mail program CSV, 自宅 and 勤務先, code page 932")
            << u"mail-program.csv"_s
            << QStringList{u"鈴木　一郎|埼玉県比企郡嵐山町|大字菅谷456||355-0221|同窓会　株式会社鈴木製作所　総務部|0"_s,
                           u"株式会社サトウ　総務課　課長　佐藤　花子|東京都千代田区|霞が関1-2-3|中央合同庁舎4号館|100-0013||0"_s}
            << QStringList{u"mail-program.csv 4行目: 住所がありません（高橋　三郎）。"_s}
            << QStringList()
            << QStringList{u"表示名"_s, u"電子メール"_s, u"勤務先電話番号"_s, u"自宅の国"_s,
                           u"勤務先の国"_s};
        QTest::newRow("office suite CSV, code page 932")
            << u"office-suite.csv"_s
            << QStringList{u"渡辺　美咲|東京都千代田区|霞が関1-2-3||100-0013|株式会社ワタナベ|0"_s,
                           u"有限会社木村工務店　営業部　部長　木村　健|大阪府大阪市中央区|本町2丁目3番4号|木村ビル5階|541-0053||0"_s,
                           u"医療法人さくら会|北海道札幌市中央区|北1条西5丁目2番地|さくらビル|060-0001||2"_s}
            << QStringList{u"office-suite.csv 5行目: 宛名がありません。"_s} << QStringList()
            << QStringList{u"勤務先 国/地域"_s, u"自宅 国/地域"_s, u"電子メール アドレス"_s,
                           u"携帯電話"_s};
        // Honorifics the index has no place for stay with the name.
        QTest::newRow("postcard program CSV, 住所1 whole, 連名1-3")
            << u"postcard-program-a.csv"_s
            << QStringList{u"山田　太郎／花子／一郎|東京都世田谷区|三軒茶屋1-11-5|グランドメゾン301|154-0024||0"_s,
                           u"佐藤　恵子　先生|宮城県仙台市青葉区|一番町3-1-1||980-0811||5"_s,
                           u"鈴木　次郎　様方|東京都千代田区|千代田1-1||100-0001||5"_s,
                           u"株式会社髙橋商事　各位|大阪府大阪市北区|梅田2-4-9||530-0001||5"_s,
                           u"小林　健太　君|福岡県福岡市博多区|博多駅前2-1-1|博多ビル3F|812-0011||5"_s,
                           u"中村　由美|埼玉県比企郡|嵐山町大字菅谷456||12345||0"_s}
            << QStringList{u"postcard-program-a.csv 7行目: 住所がありません（伊藤　誠）。"_s}
            << QStringList{u"postcard-program-a.csv 8行目 〒: 「12345」は7桁の郵便番号として読めないので、書かれたとおりに入れました。"_s}
            << QStringList();
        QTest::newRow("postcard program CSV, 姓1 名1 名2, マンション名 部屋番号")
            << u"postcard-program-b.csv"_s
            << QStringList{u"高橋　三郎／洋子|北海道札幌市中央区|北一条西5-6|ライラックマンション　1205|060-0001||0"_s,
                           u"森　さくら|東京都千代田区|千代田1-1||100-0001||0"_s}
            << QStringList() << QStringList() << QStringList{u"グループ"_s};
        QTest::newRow("postcard program CSV, 名前（姓）, 連名, 建物名等, 方書")
            << u"postcard-program-c.csv"_s
            << QStringList{u"中村　由美／健二|埼玉県比企郡嵐山町|大字菅谷456||355-0221||0"_s,
                           u"伊藤　誠|愛知県名古屋市中区|栄3-15-2|栄ハイツ201　山本様方|460-0008||0"_s}
            << QStringList() << QStringList() << QStringList();
        QTest::newRow("business-card service CSV, UTF-8 with BOM")
            << u"business-cards.csv"_s
            << QStringList{u"株式会社山田商店　営業部　課長　山田　太郎|東京都千代田区|丸の内1-1-1|丸の内ビル12階|100-0005||0"_s,
                           u"株式会社ABC企画|東京都渋谷区|神宮前1-2-3|ABCビル|150-0001||2"_s}
            << QStringList{u"business-cards.csv 4行目: 住所がありません（株式会社トミタ　開発部　富田　修）。"_s}
            << QStringList() << QStringList{u"電話番号"_s, u"メールアドレス"_s, u"名刺交換日"_s};
    }

    void readsEachLayout() {
        QFETCH(QString, file);
        QFETCH(QStringList, cards);
        QFETCH(QStringList, leftOut);
        QFETCH(QStringList, remarks);
        QFETCH(QStringList, unused);
        const QByteArray bytes = corpusFile(file);
        QVERIFY2(!bytes.isEmpty(), qPrintable(file));
        const exchange::ImportResult result = exchange::isVCardFile(file, bytes)
                                                  ? exchange::readVCards(bytes, file)
                                                  : exchange::readCsv(bytes, file);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QStringList read;
        for (const book::AddressCard& card : result.cards)
            read << cardLine(card);
        QCOMPARE(read, cards);
        QCOMPARE(described(result.leftOut), leftOut);
        QCOMPARE(described(result.remarks), remarks);
        QCOMPARE(result.unusedColumns, unused);

        // The preview shows what the command line makes, and names the same columns.
        const exchange::ImportPreview preview =
            exchange::ImportPreview::fromBytes(bytes, u"/in/"_s + file);
        QCOMPARE(preview.cards(), result.cards);
        QCOMPARE(preview.unusedColumns(), unused);
    }

    void splitsTheBuildingOffTheStreet_data() {
        QTest::addColumn<QString>("street");
        QTest::addColumn<QString>(
            "expected"); // "street|building", or the street alone when nothing is split
        QTest::newRow("space after the block")
            << u"三軒茶屋1-11-5 グランドメゾン301"_s << u"三軒茶屋1-11-5|グランドメゾン301"_s;
        QTest::newRow("ideographic space")
            << u"丸の内１－１－１　丸の内ビル１２階"_s << u"丸の内１－１－１|丸の内ビル１２階"_s;
        QTest::newRow("katakana right after 号")
            << u"本町2丁目3番4号サンライズ本町1102"_s << u"本町2丁目3番4号|サンライズ本町1102"_s;
        QTest::newRow("Latin name") << u"神宮前1-2-3ABCビル"_s << u"神宮前1-2-3|ABCビル"_s;
        QTest::newRow("after a comma") << u"梅田２－４－９, 北館"_s << u"梅田２－４－９|北館"_s;
        QTest::newRow("a later block, not 1条")
            << u"北1条西5-6 ライラック"_s << u"北1条西5-6|ライラック"_s;
        QTest::newRow("floor after a space") << u"博多駅前2-1-1 3F"_s << u"博多駅前2-1-1|3F"_s;
        QTest::newRow("kanji after the number stays")
            << u"北1条西5丁目2番地"_s << u"北1条西5丁目2番地"_s;
        QTest::newRow("番地の") << u"字中山123番地の4"_s << u"字中山123番地の4"_s;
        QTest::newRow("long vowel mark as dash") << u"三軒茶屋1ー11ー5"_s << u"三軒茶屋1ー11ー5"_s;
        QTest::newRow("one letter is a floor or wing") << u"梅田2-4-9F"_s << u"梅田2-4-9F"_s;
        QTest::newRow("no number") << u"銀座四丁目 和光ビル"_s << u"銀座四丁目 和光ビル"_s;
        QTest::newRow("room number only") << u"大手町1-2-3-101"_s << u"大手町1-2-3-101"_s;
    }

    void splitsTheBuildingOffTheStreet() {
        QFETCH(QString, street);
        QFETCH(QString, expected);
        const std::optional<exchange::StreetAndBuilding> split = exchange::splitBuilding(street);
        QCOMPARE(split ? split->street + u'|' + split->building : street, expected);
    }

    // --map joins columns with "+", for a file without a header.
    void mappingJoinsColumns() {
        const QByteArray bytes =
            u"山田,太郎,東京都,世田谷区,三軒茶屋1-11-5,1540024,花子\r\n"_s.toUtf8();
        exchange::CsvOptions options;
        options.mapping = u"name=1+2,address1=3+4,address2=5,zip=6,joint=7"_s;
        const exchange::ImportResult result = exchange::readCsv(bytes, u"m.csv"_s, options);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.cards.size(), 1);
        QCOMPARE(cardLine(result.cards.first()),
                 u"山田　太郎／花子|東京都世田谷区|三軒茶屋1-11-5||154-0024||0"_s);
        options.mapping = u"name=1+1"_s;
        QVERIFY(exchange::readCsv(bytes, u"m.csv"_s, options).error.contains(u"mapped twice"_s));
    }
};

QTEST_GUILESS_MAIN(ImportCorpusTest)
#include "ImportCorpusTest.moc"
