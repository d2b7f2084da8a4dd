#include "barcode/AddressNumber.h"
#include "barcode/BarcodeData.h"
#include "barcode/CardBarcode.h"
#include "support/BarcodeReading.h"
#include "zip/ZipDirectory.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString bars(const barcode::BarcodeData& data) {
    QString states;
    for (barcode::Bar bar : data.bars())
        states += QChar(u'1' + int(bar));
    return states;
}

// "CC4×3" written out: "CC4 CC4 CC4".
QString expand(QString written) {
    for (int n = 13; n >= 2; --n)
        written.replace(u"CC4×"_s + QString::number(n), QStringList(n, u"CC4"_s).join(u' '));
    return written;
}

} // namespace

class BarcodeTest : public QObject {
    Q_OBJECT

private slots:
    // Every example of 「郵便番号・バーコードマニュアル」 (バーコードに必要な文字情報の
    // 抜き出し法) with its address, start to stop. The manual prints the data;
    // only the first example's check digit (9) is printed, the others are
    // worked out by its rule (the sum a multiple of 19).
    void publishedAddresses_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("expected");
        QTest::newRow("霞が関 (1/9, 5/9)")
            << u"100-0013"_s << u"東京都千代田区霞が関1丁目3番2号 郵便プラザ503室"_s
            << u"STC 1 0 0 0 0 1 3 1 - 3 - 2 - 5 0 3 CC4×4 9 SPC"_s;
        QTest::newRow("右京塚 (3/9)")
            << u"273-0102"_s << u"千葉県鎌ヶ谷市右京塚東3丁目-20-5 郵便・A&bコーポB604号"_s
            << u"STC 2 7 3 0 1 0 2 3 - 2 0 - 5 CC1 1 6 0 4 CC4×2 0 SPC"_s;
        QTest::newRow("宮田町 (4/9)")
            << u"317-0055"_s << u"茨城県日立市宮田町 6丁目7-14 ABCビル2F"_s
            << u"STC 3 1 7 0 0 5 5 6 - 7 - 1 4 - 2 CC4×5 CC1 SPC"_s;
        QTest::newRow("南四条西: cut at 20 (4/9)")
            << u"064-0804"_s << u"北海道札幌市中央区南四条西 29丁目1524-23 第2郵便ハウス501"_s
            << u"STC 0 6 4 0 8 0 4 2 9 - 1 5 2 4 - 2 3 - 2 - 3 SPC"_s;
        QTest::newRow("新田塚: CC1 alone at 20 (4/9)")
            << u"910-0067"_s << u"福井県福井市新田塚 3丁目80-25 J1ビル2-B"_s
            << u"STC 9 1 0 0 0 6 7 3 - 8 0 - 2 5 CC1 9 1 - 2 CC1 9 SPC"_s;
    }

    void publishedAddresses() {
        QFETCH(QString, code);
        QFETCH(QString, address);
        QFETCH(QString, expected);
        const barcode::CardBarcode found = barcode::barcodeOfAddress(code, address);
        QVERIFY2(found.data, qPrintable(found.whyNone));
        QCOMPARE(found.data->written(), expand(expected));
        QCOMPARE(barcodereading::charactersOfBars(bars(*found.data)), expand(expected));
    }

    // The manual's codes without an address number (6/9): a large office's
    // own code, all CC4; a post-office box code with the box number.
    void publishedNumbers_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("expected");
        QTest::newRow("日本郵便 100-8792")
            << u"1008792"_s << QString() << u"STC 1 0 0 8 7 9 2 CC4×13 0 SPC"_s;
        QTest::newRow("私書箱 980-8691, 215")
            << u"9808691"_s << u"215"_s << u"STC 9 8 0 8 6 9 1 2 1 5 CC4×10 1 SPC"_s;
    }

    void publishedNumbers() {
        QFETCH(QString, code);
        QFETCH(QString, number);
        QFETCH(QString, expected);
        QCOMPARE(barcode::BarcodeData::of(code, number).written(), expand(expected));
    }

    // The rules applied to what follows the town: kanji numbers before 丁目,
    // 番地, 号, 地割 and の become digits; names, blanks and words part; a lone
    // letter stays, without hyphens beside it; a floor's F goes.
    void extractionRules_data() {
        QTest::addColumn<QString>("afterTown");
        QTest::addColumn<QString>("expected");
        QTest::newRow("kanji before markers") << u"四丁目五番地六号"_s << u"4-5-6"_s;
        QTest::newRow("kanji with units") << u"十二丁目百五番地"_s << u"12-105"_s;
        QTest::newRow("二十三番地の4") << u"二十三番地の4"_s << u"23-4"_s;
        QTest::newRow("地割") << u"第3地割14番地2"_s << u"3-14-2"_s;
        QTest::newRow("full width") << u"１－２－３　ＡＢＣマンション"_s << u"1-2-3"_s;
        QTest::newRow("long vowel for hyphen") << u"1ー2ー3 コーポ山田"_s << u"1-2-3"_s;
        QTest::newRow("floor inside") << u"3-4 KSビル2F201号室"_s << u"3-4-2-201"_s;
        QTest::newRow("letter block") << u"1-2 A棟303"_s << u"1-2A303"_s;
        QTest::newRow("kanji in a building name") << u"1-2 郵便センター六号館"_s << u"1-2-6"_s;
        QTest::newRow("no number") << u"大字煙山"_s << QString();
    }

    void extractionRules() {
        QFETCH(QString, afterTown);
        QFETCH(QString, expected);
        QCOMPARE(barcode::addressNumberOf(afterTown), expected);
    }

    // The town name is taken from the postal-code directory and left out,
    // numbers in it included; a card's three lines read as one; a town
    // written otherwise is passed over up to the first number.
    void townIsLeftOut_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("expected"); // the number, or why there is none
        QTest::newRow("三番町") << u"102-0075"_s
                                << QStringList{u"東京都千代田区三番町KSビル2番地4"_s} << u"2-4"_s;
        QTest::newRow("東十二丁目")
            << u"025-0015"_s << QStringList{u"岩手県花巻市東十二丁目5-1"_s} << u"5-1"_s;
        QTest::newRow("大字壱丁目")
            << u"362-0046"_s << QStringList{u"埼玉県上尾市大字壱丁目367番地"_s} << u"367"_s;
        QTest::newRow("three lines")
            << u"100-0013"_s
            << QStringList{u"東京都千代田区"_s, u"霞が関１－３－２"_s, u"郵便プラザ５０３"_s}
            << u"1-3-2-503"_s;
        QTest::newRow("town written otherwise")
            << u"100-0013"_s << QStringList{u"千代田区霞ヶ関三丁目2-1"_s} << u"3-2-1"_s;
        QTest::newRow("short code") << u"100-00"_s << QStringList{u"東京都千代田区霞が関1-1"_s}
                                    << u"郵便番号が7桁ではありません"_s;
        QTest::newRow("municipality's own code")
            << u"100-0000"_s << QStringList{u"東京都千代田区1-1"_s}
            << u"町域のない代表の郵便番号です"_s;
        QTest::newRow("no number")
            << u"100-0013"_s << QStringList{u"東京都千代田区霞が関"_s, u"合同庁舎"_s}
            << u"住所に番地がありません"_s;
    }

    void townIsLeftOut() {
        QFETCH(QString, code);
        QFETCH(QStringList, lines);
        QFETCH(QString, expected);
        book::AddressCard card;
        card.postalCode = code;
        card.address1 = lines.value(0);
        card.address2 = lines.value(1);
        card.address3 = lines.value(2);
        const barcode::CardBarcode found = barcode::barcodeOfCard(card);
        QCOMPARE(found.data ? found.data->addressNumber : found.whyNone, expected);
    }

    // A few hundred addresses of the directory's towns, with numbers written
    // four ways: the number comes out as written, and Debian's zint draws the
    // same bars for it. zint refuses data longer than 20 characters, where
    // Japan Post cuts them (the examples above): those are left out here.
    void agreesWithZint() {
        const QString zint = QStandardPaths::findExecutable(u"zint"_s);
        if (zint.isEmpty())
            QSKIP("zint is not installed");
        QFile file(TAGORA_SOURCE_DIR "/zip/data/zipcodes.txt");
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const zip::ZipDirectory& directory = zip::ZipDirectory::shipped();
        QList<barcode::BarcodeData> compared;
        QStringList input;
        int line = 0, cut = 0;
        while (!file.atEnd() && compared.size() < 300) {
            const QString text = QString::fromUtf8(file.readLine());
            const QString code = text.section(u'\t', 0, 0);
            if (code.size() != 7 || ++line % 300 != 0)
                continue;
            const zip::ZipAddressList places = directory.addressesFor(code);
            if (places.isEmpty() || places[0].town.isEmpty())
                continue;
            const int n = int(compared.size());
            const QString numbers[] = {
                u"%1丁目%2番%3号"_s.arg(n % 9 + 1).arg(n % 30 + 1).arg(n % 17 + 1),
                u"%1-%2 ハイツ%3%4"_s.arg(n % 40 + 1).arg(n % 7 + 1).arg(n % 3 + 1).arg(u"01"_s),
                u"%1番地%2 %3棟%4号室"_s.arg(n + 100)
                    .arg(n % 5 + 1)
                    .arg(QChar(u'A' + n % 26))
                    .arg(n % 9 + 1),
                u"二十%1番地"_s.arg(QString(u"一二三四五六七八九"_s[n % 9]))};
            const QString expected[] = {
                u"%1-%2-%3"_s.arg(n % 9 + 1).arg(n % 30 + 1).arg(n % 17 + 1),
                u"%1-%2-%3%4"_s.arg(n % 40 + 1).arg(n % 7 + 1).arg(n % 3 + 1).arg(u"01"_s),
                u"%1-%2%3%4"_s.arg(n + 100).arg(n % 5 + 1).arg(QChar(u'A' + n % 26)).arg(n % 9 + 1),
                QString::number(21 + n % 9)};
            const zip::ZipAddress& place = places[0];
            const barcode::CardBarcode found = barcode::barcodeOfAddress(
                code, place.prefecture + place.municipality + place.town + numbers[n % 4]);
            QVERIFY2(found.data, qPrintable(place.fullText() + u": "_s + found.whyNone));
            QCOMPARE(found.data->addressNumber, expected[n % 4]);
            const QString data = code + found.data->addressNumber;
            const qsizetype letters =
                std::count_if(data.begin(), data.end(), [](QChar c) { return c.isLetter(); });
            if (data.size() + letters > barcode::DataCharacters) {
                ++cut;
                continue;
            }
            compared << *found.data;
            input << data;
        }
        QVERIFY2(compared.size() >= 250, qPrintable(QString::number(compared.size())));
        QVERIFY(cut < compared.size() / 4);

        QTemporaryDir dir;
        QFile list(dir.filePath(u"data.txt"_s));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write((input.join(u'\n') + u'\n').toUtf8());
        list.close();
        QProcess process;
        process.start(
            zint, {u"--barcode=JAPANPOST"_s, u"--batch"_s, u"--dump"_s, u"-i"_s, list.fileName()});
        QVERIFY(process.waitForFinished(60000));
        const QStringList rows =
            QString::fromLatin1(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 3 * compared.size());
        for (qsizetype i = 0; i < compared.size(); ++i) {
            // zint dumps three rows of modules, bars on the even ones: the top
            // row holds what rises above the timing band, the bottom row what
            // falls below it.
            const QByteArray top = QByteArray::fromHex(rows[3 * i].toLatin1());
            const QByteArray bottom = QByteArray::fromHex(rows[3 * i + 2].toLatin1());
            auto set = [](const QByteArray& row, int module) {
                return (row[module / 8] >> (7 - module % 8)) & 1;
            };
            QString states;
            for (int bar = 0; bar < barcode::SymbolBars; ++bar) {
                const bool up = set(top, 2 * bar), down = set(bottom, 2 * bar);
                states += up && down ? u'1' : up ? u'2' : down ? u'3' : u'4';
            }
            QCOMPARE(barcodereading::charactersOfBars(states), compared[i].written());
            QCOMPARE(states, bars(compared[i]));
        }
    }
};

QTEST_GUILESS_MAIN(BarcodeTest)
#include "BarcodeTest.moc"
