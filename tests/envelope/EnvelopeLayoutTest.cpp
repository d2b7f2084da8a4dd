// The place each envelope keeps for the customer barcode: on the page, as
// large as the bars and their clear space, and no text of the front in it,
// for every size and writing, with long and short addresses.

#include "barcode/BarcodeData.h"
#include "envelope/EnvelopeJob.h"
#include "platform/Fonts.h"
#include "platform/RecordingPrinter.h"
#include "platform/Units.h"

#include <QGuiApplication>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The box a run covers on paper, twips from the page origin.
QRect runBox(platform::Printer& measure, const printing::PlacedRun& run) {
    measure.setFontName(run.face);
    measure.setFontSize(run.points);
    const int em = int(std::ceil(platform::twipsOfPoints(run.points)));
    if (run.vertical)
        return QRect(run.xTwips, run.yTwips, em, int(std::ceil(measure.verticalLength(run.text))));
    return QRect(run.xTwips, run.yTwips,
                 int(std::ceil(measure.textWidth(run.text) * run.stretchPercent / 100.0)), em);
}

} // namespace

class EnvelopeLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void theBarcodePlaceStaysClear_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<bool>("vertical");
        for (const QString& size :
             {u"naga3"_s, u"naga4"_s, u"kaku2"_s, u"you2"_s, u"younaga3"_s, u"100x150"_s})
            for (const bool vertical : {false, true})
                QTest::newRow(qPrintable(size + (vertical ? u" vertical"_s : u" horizontal"_s)))
                    << size << vertical;
    }

    void theBarcodePlaceStaysClear() {
        QFETCH(QString, size);
        QFETCH(bool, vertical);
        envelope::EnvelopeJobSettings settings;
        settings.envelope = *envelope::envelopeNamed(size);
        settings.writing = vertical ? envelope::Writing::Vertical : envelope::Writing::Horizontal;
        settings.textFace = QString::fromUtf16(platform::MinchoFace);
        const envelope::FrontLayout layout =
            envelope::frontLayout(settings.envelope, settings.writing);

        const QRect page(QPoint(envelope::pageTwips(0), envelope::pageTwips(0)),
                         QPoint(envelope::pageTwips(layout.pageMm.width()) - 1,
                                envelope::pageTwips(layout.pageMm.height()) - 1));
        QVERIFY(page.contains(layout.barcodeTwips));
        // 67 bars 1.2 mm apart, 3.6 mm tall, 2 mm clear around: 83.8 by 7.6 mm.
        QCOMPARE(qRound(layout.barcodeTwips.width() / 56.69), 84);
        QCOMPARE(qRound(layout.barcodeTwips.height() / 56.69 * 10), 76);

        const book::CardList cards = {
            {u"山田　太郎"_s, u"東京都千代田区"_s, u"千代田１－１"_s, QString(), u"1000001"_s,
             u"C1"_s, u"0"_s},
            {u"株式会社日本橋商事　東日本営業本部　第一営業部　佐藤花子"_s,
             u"北海道札幌市中央区北一条西"_s, u"五丁目六番地七号"_s,
             u"札幌ライラックマンション東棟三〇二号室"_s, u"0600001"_s, u"取引先コード１２３４５"_s,
             u"2"_s},
        };
        platform::RecordingPrinter measure;
        for (const book::AddressCard& card : cards)
            for (const printing::PlacedRun& run :
                 envelope::typesetEnvelopeFront(measure, card, settings).runs) {
                const QRect box = runBox(measure, run);
                QVERIFY2(!box.intersects(layout.barcodeTwips) && page.contains(box),
                         qPrintable(u"\"%1\" at (%2, %3) %4 x %5"_s.arg(run.text)
                                        .arg(box.x())
                                        .arg(box.y())
                                        .arg(box.width())
                                        .arg(box.height())));
            }

        // With barcodes on, the first card's bars stand inside that band, a filled rectangle each.
        settings.barcodes = true;
        platform::RecordingPrinter printer;
        envelope::drawEnvelopes(printer, {cards[0]}, settings);
        QCOMPARE(printer.filled().size(), barcode::SymbolBars);
        for (const platform::FilledRect& bar : printer.filled())
            QVERIFY(layout.barcodeTwips.contains(bar.twips));
    }
};

QTEST_MAIN(EnvelopeLayoutTest)
#include "EnvelopeLayoutTest.moc"
