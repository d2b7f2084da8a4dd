#include "book/AddressFile.h"
#include "book/Cp932.h"
#include "exchange/BookSplit.h"
#include "exchange/CsvImport.h"
#include "exchange/Export.h"
#include "exchange/VCardImport.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Cards that test each way a value could be changed on its way out and back.
book::CardList awkwardCards() {
    return {
        {u"山田　太郎"_s, u"東京都世田谷区"_s, u"三軒茶屋１－１１－５"_s, u""_s, u"154-0024"_s,
         u"自宅"_s, u"0"_s},
        {u"A, B; C\\D"_s, u" 先頭の空白"_s, u"末尾の空白 "_s, u"＂引用＂"_s, u"1234567"_s,
         u"x;y,z"_s, u"5"_s},
        {u""_s, u""_s, u""_s, u""_s, u""_s, u"コードだけ"_s, u"-1"_s},
        {u"株式会社　髙橋商事　とても長い名前の会社でございます本当に長い"_s, u"大阪府大阪市北区"_s,
         u"梅田２－４－９①ｶﾞ"_s, u"梅田第一ビル８階"_s, u"530-0001"_s, u""_s, u"3"_s},
        {u"差出人"_s, u"a"_s, u"b"_s, u"c"_s, u"〒１２３－４５６７"_s, u""_s, u"4"_s},
        {u"殿"_s, u"a"_s, u""_s, u""_s, u""_s, u""_s, u"1"_s},
        // What a spreadsheet would run: escaped with an apostrophe on the way out, and back.
        {u"=cmd|' /C calc'!A0"_s, u"@SUM(A1)"_s, u"+81 3"_s, u"'-1"_s, u"-"_s, u"''=x"_s, u"0"_s},
        {u"'quoted"_s, u"a"_s, u"''"_s, u""_s, u""_s, u""_s, u"0"_s},
    };
}

// Cards as phones and postcard programs hold them: a joint name, a company
// addressed 御中, honorifics other than 様, a code, a comma and a semicolon.
book::CardList addressedCards() {
    return {
        {u"山田　太郎／花子／一郎"_s, u"東京都世田谷区"_s, u"三軒茶屋１－１１－５"_s,
         u"グランドメゾン３０１"_s, u"154-0024"_s, u"年賀"_s, u"0"_s},
        {u"株式会社　髙橋商事"_s, u"大阪府大阪市北区"_s, u"梅田２－４－９"_s, u"梅田第一ビル８階"_s,
         u"530-0001"_s, u""_s, u"2"_s},
        {u"佐藤一郎"_s, u"北海道札幌市中央区"_s, u"北一条西２丁目"_s, u""_s, u"060-0001"_s,
         u"a;b,c"_s, u"1"_s},
        {u"鈴木　次郎"_s, u"京都府京都市"_s, u"中京区１"_s, u""_s, u""_s, u""_s, u"5"_s},
        {u"田中　一／二／三／四／五"_s, u"福岡県福岡市"_s, u"博多区２"_s, u""_s, u"812-0011"_s,
         u""_s, u"4"_s},
    };
}

book::CardList sampleCards() {
    return book::loadBook(QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat")).cards;
}

} // namespace

class RoundTripTest : public QObject {
    Q_OBJECT

private slots:
    void exportThenImportGivesTheSameBook_data() {
        QTest::addColumn<book::CardList>("cards");
        QTest::addColumn<bool>("vcard");
        QTest::newRow("sample as CSV") << sampleCards() << false;
        QTest::newRow("sample as vCard") << sampleCards() << true;
        QTest::newRow("awkward as CSV") << awkwardCards() << false;
        QTest::newRow("awkward as vCard") << awkwardCards() << true;
    }

    void exportThenImportGivesTheSameBook() {
        QFETCH(book::CardList, cards);
        QFETCH(bool, vcard);
        QVERIFY(!cards.isEmpty());
        const std::optional<QByteArray> original = book::formatBook(cards);
        QVERIFY(original);
        const QByteArray exported =
            vcard ? exchange::formatVCards(cards) : exchange::formatCsv(cards);
        const exchange::ImportResult back = vcard ? exchange::readVCards(exported, u"x.vcf"_s)
                                                  : exchange::readCsv(exported, u"x.csv"_s);
        QVERIFY2(back.ok(), qPrintable(back.error));
        QVERIFY(back.leftOut.isEmpty());
        const std::optional<QByteArray> again = book::formatBook(back.cards);
        QVERIFY(again);
        QCOMPARE(*again, *original);
        // Exporting what came back gives the same file again.
        QCOMPARE(vcard ? exchange::formatVCards(back.cards) : exchange::formatCsv(back.cards),
                 exported);
    }

    // vCard 3.0 for phones and the postcard programs' CSV are read back as the same cards.
    void otherProgramsFormatsReadBack_data() {
        QTest::addColumn<book::CardList>("cards");
        QTest::addColumn<exchange::ExportFormat>("format");
        for (const auto& [name, format] :
             {std::pair{"vCard 3.0", exchange::ExportFormat::VCard3},
              std::pair{"postcard CSV", exchange::ExportFormat::PostcardCsv}}) {
            QTest::newRow(name) << addressedCards() << format;
        }
    }

    void otherProgramsFormatsReadBack() {
        QFETCH(book::CardList, cards);
        QFETCH(exchange::ExportFormat, format);
        const std::optional<QByteArray> exported = exchange::formatExport(format, cards);
        QVERIFY(exported);
        const bool vcard = format == exchange::ExportFormat::VCard3;
        if (vcard) {
            QVERIFY(exported->startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
            QVERIFY(!exported->contains("X-TAGORA-HONORIFIC"));
            for (const QByteArray& line : exported->split('\n'))
                QVERIFY2(line.size() <= 76, line.constData());
        } else {
            // Code page 932, not UTF-8: postcard programs read nothing else.
            QVERIFY(exported->startsWith(book::encodeCp932(u"氏名,敬称,郵便番号"_s).value()));
        }
        const exchange::ImportResult back = vcard ? exchange::readVCards(*exported, u"x.vcf"_s)
                                                  : exchange::readCsv(*exported, u"x.csv"_s);
        QVERIFY2(back.ok(), qPrintable(back.error));
        QVERIFY(back.leftOut.isEmpty());
        QCOMPARE(back.cards, cards);
    }

    void csvExportIsWhatSpreadsheetsRead() {
        const QByteArray csv = exchange::formatCsv({awkwardCards().at(1), awkwardCards().at(3)});
        QCOMPARE(
            csv,
            QByteArray("\xEF\xBB\xBF") +
                u"宛名,住所1,住所2,住所3,郵便番号,コード,敬称\r\n"
                u"\"A, B; C\\D\",\" 先頭の空白\",\"末尾の空白 \",＂引用＂,1234567,\"x;y,z\",\r\n"
                u"株式会社　髙橋商事　とても長い名前の会社でございます本当に長い,大阪府大阪市北区,"
                u"梅田２－４－９①ｶﾞ,梅田第一ビル８階,530-0001,,差出\r\n"_s.toUtf8());
    }

    // A field a spreadsheet would take for a formula starts with an apostrophe; others do not.
    void csvExportEscapesFormulas() {
        const QList<QByteArray> lines = exchange::formatCsv(awkwardCards()).split('\n');
        QCOMPARE(lines.at(7),
                 u"'=cmd|' /C calc'!A0,'@SUM(A1),'+81 3,''-1,'-,'''=x,様\r"_s.toUtf8());
        QCOMPARE(lines.at(8), u"'quoted,a,'',,,,様\r"_s.toUtf8());
    }

    // No vCard line is longer than 75 bytes, and folds fall between characters.
    void vCardLinesAreFolded() {
        const QByteArray vcf = exchange::formatVCards(awkwardCards());
        for (const QByteArray& line : vcf.split('\n')) {
            QVERIFY2(line.size() <= 76, line.constData()); // 75 bytes and the CR
            QVERIFY(QString::fromUtf8(line).toUtf8() == line);
        }
        QVERIFY(vcf.contains("\r\n "));
    }

    void splitsIntoBooksOf300_data() {
        QTest::addColumn<int>("cards");
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("none") << 0 << QList<int>{};
        QTest::newRow("300") << 300 << QList<int>{300};
        QTest::newRow("301") << 301 << QList<int>{300, 1};
        QTest::newRow("10,000") << 10000 << (QList<int>(33, 300) << 100);
    }

    void splitsIntoBooksOf300() {
        QFETCH(int, cards);
        QFETCH(QList<int>, sizes);
        book::CardList all;
        for (int i = 0; i < cards; ++i)
            all << book::AddressCard{QString::number(i), {}, {}, {}, {}, {}, u"0"_s};
        const QList<book::CardList> books = exchange::splitIntoBooks(all);
        QList<int> actual;
        for (const book::CardList& one : books)
            actual << int(one.size());
        QCOMPARE(actual, sizes);
        if (cards > 300)
            QCOMPARE(books.at(1).first().name, u"300"_s);
    }

    void namesTheBooks_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("one") << u"out/book.dat"_s << QStringList{u"out/book.dat"_s};
        QTest::newRow("three") << u"/tmp/a.b/book.dat"_s
                               << QStringList{u"/tmp/a.b/book.dat"_s, u"/tmp/a.b/book-2.dat"_s,
                                              u"/tmp/a.b/book-3.dat"_s};
        QTest::newRow("no suffix") << u"book"_s << QStringList{u"book"_s, u"book-2.dat"_s};
    }

    void namesTheBooks() {
        QFETCH(QString, path);
        QFETCH(QStringList, paths);
        QCOMPARE(exchange::bookPaths(path, int(paths.size())), paths);
    }
};

QTEST_APPLESS_MAIN(RoundTripTest)
#include "RoundTripTest.moc"
