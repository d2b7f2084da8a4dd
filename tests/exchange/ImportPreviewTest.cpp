#include "exchange/ImportPreview.h"
#include "book/Cp932.h"
#include "exchange/CsvImport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using exchange::CardField;
using exchange::ImportPreview;

namespace {

QByteArray fixture(const QString& name) {
    QFile file(QStringLiteral(TAGORA_TEST_DATA) + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A CSV with a Japanese header in code page 932: four good rows (one with
// 先生, one with a company), one with nothing but an honorific, one blank, one
// without an address, and a column no field takes.
const QString Sample = u"氏名,郵便番号,住所1,住所2,会社名,敬称,電話番号\r\n"
                       u"山田　花子,1000013,東京都千代田区,霞が関1-2-3,,様,03-0000-0000\r\n"
                       u"鈴木　一郎,530-0001,大阪府大阪市北区,梅田2-4-9,鈴木商店,殿,\r\n"
                       u"佐藤　次郎,980-0811,宮城県仙台市青葉区,一番町3-1,,先生,\r\n"
                       u",,,,,様,\r\n"
                       u",,,,,,\r\n"
                       u"高橋　三郎,060-0001,北海道札幌市中央区,北一条西2,,,\r\n"
                       u"伊藤　誠,,,,,様,\r\n"_s;

QByteArray sampleBytes() {
    return book::encodeCp932(Sample).value();
}

QStringList column(const book::CardList& cards, int field) {
    QStringList values;
    for (const book::AddressCard& card : cards)
        values << card.field(field);
    return values;
}

QList<CardField> uses(const ImportPreview& preview) {
    QList<CardField> all;
    for (int i = 0; i < preview.columnCount(); ++i)
        all << preview.columnUse(i);
    return all;
}

} // namespace

class ImportPreviewTest : public QObject {
    Q_OBJECT

private slots:
    // The header names the columns; the cards are what the command line makes.
    void japaneseHeaderChoosesColumns() {
        const ImportPreview preview = ImportPreview::fromBytes(sampleBytes(), u"/x/住所.csv"_s);
        QVERIFY2(preview.ok(), qPrintable(preview.error()));
        QVERIFY(preview.isCsv());
        QCOMPARE(uses(preview),
                 (QList<CardField>{CardField::Name, CardField::PostalCode, CardField::Address1,
                                   CardField::Address2, CardField::Company, CardField::Honorific,
                                   CardField::Unused}));
        QCOMPARE(preview.columnCaption(4), u"会社名"_s);
        QCOMPARE(column(preview.cards(), 1),
                 (QStringList{u"山田　花子"_s, u"鈴木商店　鈴木　一郎"_s, u"佐藤　次郎　先生"_s,
                              u"高橋　三郎"_s}));
        QCOMPARE(column(preview.cards(), 5),
                 (QStringList{u"100-0013"_s, u"530-0001"_s, u"980-0811"_s, u"060-0001"_s}));
        QCOMPARE(column(preview.cards(), 6), QStringList(4, QString()));
        QCOMPARE(column(preview.cards(), 7), (QStringList{u"0"_s, u"1"_s, u"5"_s, u"0"_s}));
        QCOMPARE(preview.unusedColumns(), QStringList{u"電話番号"_s});
        QCOMPARE(preview.cards(), exchange::readCsv(sampleBytes(), u"住所.csv"_s).cards);
    }

    // The fixtures of the command line's tests: the preview before any change
    // gives the same cards and the same left-out lines as `tagora import`.
    void unchangedPreviewMatchesTheReader_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("UTF-8 with BOM, full-width digits") << u"addresses-utf8-bom.csv"_s;
        QTest::newRow("contacts service export") << u"contacts-service.csv"_s;
    }
    void unchangedPreviewMatchesTheReader() {
        QFETCH(QString, file);
        const QByteArray bytes = fixture(file);
        QVERIFY(!bytes.isEmpty());
        const ImportPreview preview = ImportPreview::fromBytes(bytes, file);
        const exchange::ImportResult read = exchange::readCsv(bytes, file);
        QVERIFY(!preview.cards().isEmpty());
        QCOMPARE(preview.cards(), read.cards);
        QCOMPARE(preview.leftOut().size(), read.leftOut.size());
    }

    void leftOutAreCountedWithTheirReasons() {
        const ImportPreview preview = ImportPreview::fromBytes(sampleBytes(), u"住所.csv"_s);
        QCOMPARE(preview.leftOutReport(), u"取り込まないもの 2件\n"
                                          u"住所.csv 5行目: 宛名がありません。\n"
                                          u"住所.csv 8行目: 住所がありません（伊藤　誠）。\n"
                                          u"使わなかった列: 電話番号"_s);
        const QStringList shortened = preview.leftOutReport(1).split(u'\n');
        QCOMPARE(shortened.size(), 4);
        QCOMPARE(shortened.at(2), u"…ほか1件"_s);
    }

    void changingAColumnRereadsTheRows() {
        ImportPreview preview = ImportPreview::fromBytes(sampleBytes(), u"住所.csv"_s);
        // 敬称 unused: the row with 先生 comes in as 様, the honorific-only row stays out.
        preview.setColumnUse(5, CardField::Unused);
        QCOMPARE(preview.cards().size(), 4);
        QCOMPARE(column(preview.cards(), 7), QStringList(4, u"0"_s));
        QCOMPARE(preview.leftOut().size(), 2);
        QCOMPARE(preview.unusedColumns(), (QStringList{u"敬称"_s, u"電話番号"_s}));

        // A second name column joins the first with an ideographic space.
        preview.setColumnUse(4, CardField::Name);
        QCOMPARE(preview.cards().at(1).name, u"鈴木　一郎　鈴木商店"_s);
        QCOMPARE(preview.cards().at(1).code, QString());

        // A field of one column moves: the old postal-code column is no longer used.
        preview.setColumnUse(3, CardField::PostalCode);
        QCOMPARE(preview.columnUse(1), CardField::Unused);
        QCOMPARE(preview.cards().at(0).postalCode, u"霞が関1-2-3"_s);
        QCOMPARE(preview.cards().at(0).address2, QString());

        // A third name column frees the first.
        preview.setColumnUse(5, CardField::Name);
        QCOMPARE(uses(preview).count(CardField::Name), 2);
        QCOMPARE(preview.columnUse(0), CardField::Unused);
        QCOMPARE(preview.cards().at(1).name, u"鈴木商店　殿"_s);
    }

    // Without a header nothing is guessed; once columns are chosen the first row counts.
    void fileWithoutHeaderWaitsForColumns() {
        const QByteArray bytes =
            book::encodeCp932(
                u"山田　花子,東京都千代田区,100-0013\r\n鈴木　一郎,大阪府,530-0001\r\n"_s)
                .value();
        ImportPreview preview = ImportPreview::fromBytes(bytes, u"old.csv"_s);
        QVERIFY(preview.ok());
        QCOMPARE(uses(preview), QList<CardField>(3, CardField::Unused));
        QCOMPARE(preview.columnCaption(1), u"列2"_s);
        QVERIFY(preview.cards().isEmpty());
        QCOMPARE(preview.leftOutReport(), u"宛名か住所の列を選んでください。"_s);
        preview.setColumnUse(0, CardField::Name);
        preview.setColumnUse(1, CardField::Address1);
        preview.setColumnUse(2, CardField::PostalCode);
        QCOMPARE(column(preview.cards(), 1), (QStringList{u"山田　花子"_s, u"鈴木　一郎"_s}));
        QCOMPARE(column(preview.cards(), 2), (QStringList{u"東京都千代田区"_s, u"大阪府"_s}));
        QCOMPARE(preview.leftOutReport(), u"取り込まないものはありません。"_s);
    }

    void vCardHasNoColumns() {
        const ImportPreview preview =
            ImportPreview::fromBytes(fixture(u"phone-contacts-3.0.vcf"_s), u"phone.vcf"_s);
        QVERIFY(preview.ok());
        QVERIFY(!preview.isCsv());
        QCOMPARE(preview.columnCount(), 0);
        QVERIFY(!preview.cards().isEmpty());
    }

    // Reading for a preview leaves the file as it was; a missing file is an error.
    void readingNeverWrites() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"住所.csv"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(sampleBytes());
        file.close();
        ImportPreview preview = ImportPreview::read(path);
        preview.setColumnUse(0, CardField::Unused);
        QCOMPARE(fileBytes(path), sampleBytes());
        QCOMPARE(ImportPreview::read(path).cards().size(), 4);

        const ImportPreview missing = ImportPreview::read(dir.filePath(u"none.csv"_s));
        QVERIFY(!missing.ok());
        QVERIFY(missing.cards().isEmpty());
    }
};

QTEST_GUILESS_MAIN(ImportPreviewTest)
#include "ImportPreviewTest.moc"
