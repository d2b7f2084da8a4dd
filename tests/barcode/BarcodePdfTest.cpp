#include "barcode/CardBarcode.h"
#include "labels/LabelSheets.h"
#include "platform/Fonts.h"
#include "platform/QtPrinter.h"
#include "platform/RecordingPrinter.h"
#include "platform/Units.h"
#include "postcard/PostcardJob.h"
#include "support/BarcodeReading.h"
#include "support/PdfInk.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const book::CardList Cards{{u"山田　太郎"_s, u"東京都千代田区"_s, u"霞が関1丁目3番2号"_s,
                            u"郵便プラザ503室"_s, u"100-0013"_s, u"得意先"_s, u"0"_s},
                           {u"株式会社　髙橋商事"_s,
                            u"千葉県鎌ヶ谷市右京塚"_s,
                            u"東3丁目-20-5"_s,
                            u"郵便・A&bコーポB604号"_s,
                            u"273-0102"_s,
                            {},
                            u"2"_s},
                           {u"佐藤　健一"_s,
                            u"福井県福井市新田塚"_s,
                            u"3丁目80-25"_s,
                            u"J1ビル2-B"_s,
                            u"910-0067"_s,
                            {},
                            u"0"_s}};

constexpr int Dpi = 600;

QRect pixelsOf(const QRect& pageTwips) {
    const double scale = Dpi / platform::TwipsPerInch;
    return QRect(qRound((pageTwips.x() + platform::PageOriginInsetTwips) * scale),
                 qRound((pageTwips.y() + platform::PageOriginInsetTwips) * scale),
                 qRound(pageTwips.width() * scale), qRound(pageTwips.height() * scale));
}

} // namespace

class BarcodePdfTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        platform::registerFontSubstitutions();
        // An A4 page at 600 dpi is larger than Qt reads by default.
        QImageReader::setAllocationLimit(512);
    }

    // Printed into a PDF and rendered: in each label and on each postcard the
    // bars read back as the characters of its barcode, at Japan Post's 10-point
    // measures within 10 %, with 2 mm around them where nothing else is
    // printed, inside the label.
    void barsReadBack_data() {
        QTest::addColumn<QString>("output");
        QTest::newRow("labels") << u"labels"_s;
        QTest::newRow("postcards") << u"postcards"_s;
    }

    void barsReadBack() {
        QFETCH(QString, output);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"out.pdf"_s);
        platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
        labels::LabelSheets sheets(Cards, 1, u"ＭＳ 明朝"_s, {});
        sheets.setBarcodes(true);
        postcard::PostcardJobSettings settings;
        settings.zipFace = settings.textFace = u"ＭＳ 明朝"_s;
        settings.barcodes = true;
        const bool labels = output == u"labels"_s;
        QVERIFY(printer.begin(labels ? platform::PaperSize::A4 : platform::PaperSize::Postcard));
        if (labels)
            sheets.drawJob(printer);
        else
            postcard::drawPostcards(printer, postcard::postcardTexts(Cards, true, true), settings);
        QVERIFY(printer.endDoc());
        const pdfink::Pages pages = pdfink::render(pdf, Dpi);
        QCOMPARE(pages.images.size(), labels ? 1 : int(Cards.size()));

        for (int i = 0; i < Cards.size(); ++i) {
            const QImage& page = pages.images[labels ? 0 : i];
            const QRect region = labels ? pixelsOf(sheets.layout().cellTwips(i + 1)) : page.rect();
            const auto read = barcodereading::readBarcode(page, Dpi, region);
            QVERIFY2(read, qPrintable(Cards[i].name));
            QCOMPARE(barcodereading::charactersOfBars(read->states),
                     barcode::barcodeOfCard(Cards[i]).data->written());
            auto near = [](double measured, double standard) {
                return qAbs(measured - standard) <= standard * 0.1;
            };
            QVERIFY2(near(read->pitchMm, 1.2) && near(read->barWidthMm, 0.6),
                     qPrintable(QString::number(read->pitchMm)));
            QVERIFY2(
                near(read->longMm, 3.6) && near(read->semiLongMm, 2.4) && near(read->timingMm, 1.2),
                qPrintable(
                    u"%1 %2 %3"_s.arg(read->longMm).arg(read->semiLongMm).arg(read->timingMm)));

            const int clear = qRound(2 * Dpi / 25.4) - 2;
            const QRect zone = read->boxPixels.adjusted(-clear, -clear, clear, clear);
            QVERIFY(region.contains(zone));
            for (int y = zone.top(); y <= zone.bottom(); ++y)
                for (int x = zone.left(); x <= zone.right(); ++x)
                    if (!read->boxPixels.contains(x, y) && qGray(page.pixel(x, y)) < 128)
                        QFAIL(
                            qPrintable(u"ink at %1,%2 in the clear space of %3"_s.arg(x).arg(y).arg(
                                Cards[i].name)));
        }
    }

    // A label too small for the bars and their clear space gets none, and the
    // job says so; a card without a number is named with its reason.
    void leftOffAndNoted() {
        labels::SheetTemplate small = labels::standardSheet();
        small.standardTextLayout = false;
        small.labelWidthMm = 60;
        small.labelHeightMm = 30;
        small.grids = {{2, 6, 20, 20, 90, 40}};
        book::CardList cards = Cards;
        cards << book::AddressCard{
            u"鈴木　一郎"_s, u"東京都千代田区霞が関"_s, {}, {}, u"100-0013"_s, {}, u"0"_s};
        for (const bool fits : {true, false}) {
            labels::LabelSheets sheets(cards, 1, u"ＭＳ 明朝"_s, {},
                                       fits ? labels::standardSheet() : small);
            sheets.setBarcodes(true);
            platform::RecordingPrinter measure;
            printing::JobReview review;
            sheets.noteCompromises(measure, review);
            QStringList expected;
            for (const book::AddressCard& card : Cards)
                if (!fits)
                    expected << card.name + u"（ラベルに余白が足りません）"_s;
            expected << u"鈴木　一郎（住所に番地がありません）"_s;
            QCOMPARE(review.withoutBarcode, expected);
            platform::RecordingPrinter printer;
            sheets.drawJob(printer);
            QCOMPARE(printer.filled().size(), fits ? 67 * Cards.size() : 0);
        }
    }
};

QTEST_MAIN(BarcodePdfTest)
#include "BarcodePdfTest.moc"
