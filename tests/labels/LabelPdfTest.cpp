#include "labels/LabelSheets.h"
#include "labels/SheetLibrary.h"
#include "labels/SheetTestPage.h"
#include "platform/Fonts.h"
#include "platform/QtPrinter.h"
#include "printing/FullWidth.h"
#include "printing/PostalCode.h"
#include "support/PdfInk.h"
#include "support/PdfText.h"

#include <QTemporaryDir>

#include <QTest>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// The label job from label 1 in the Mincho into a real PDF file.
bool printLabels(const book::CardList& entries, const QString& pdf,
                 const labels::SheetTemplate& sheet = labels::standardSheet()) {
    platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
    labels::LabelSheets sheets(entries, 1, u"ＭＳ 明朝"_s, {}, sheet);
    return printer.begin(platform::PaperSize::A4) && sheets.drawJob(printer) && printer.endDoc();
}

} // namespace

class LabelPdfTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    // The test page on paper: outlines where the labels are and the ruler's
    // ticks at their millimetres from the paper's edges.
    void testPageRulesThePaper() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"test-page.pdf"_s);
        labels::SheetTemplate sheet = labels::standardSheet();
        {
            platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
            QVERIFY(printer.begin(platform::PaperSize::A4));
            labels::drawSheetTestPage(printer, sheet);
            QVERIFY(printer.endDoc());
        }
        const pdfink::Pages pages = pdfink::render(pdf);
        constexpr double Pt = 72 / 25.4;
        // Label 1's left edge at 18.6 mm, looked for between 15 and 22 mm half-way down the label.
        const QRectF edge = pages.inkBox(1, QRectF(15 * Pt, 40 * Pt, 7 * Pt, 2 * Pt));
        QVERIFY2(qAbs(edge.center().x() - 18.6 * Pt) < 0.5,
                 qPrintable(QString::number(edge.center().x() / Pt)));
        // The ruler across: the 100 mm tick, 4 mm long under the line at 8 mm.
        const QRectF tick = pages.inkBox(1, QRectF(99.5 * Pt, 9 * Pt, 1 * Pt, 2.5 * Pt));
        QVERIFY2(qAbs(tick.center().x() - 100 * Pt) < 0.5,
                 qPrintable(QString::number(tick.center().x() / Pt)));
        if (qEnvironmentVariableIsSet("TAGORA_KEEP_TEST_PAGE"))
            QFile::copy(pdf, qEnvironmentVariable("TAGORA_KEEP_TEST_PAGE"));
    }

    // A real PDF: label 5's postal line at 1500 + 240 and 5980 + 240 twips from
    // the paper's corner, one page per sheet.
    void labelsLandOnThePaper() {
        book::CardList entries;
        for (int i = 0; i < 30; ++i)
            entries << book::AddressCard{u"名前"_s + QString::number(i),
                                         u"東京都千代田区"_s,
                                         {},
                                         {},
                                         u"%1-0000"_s.arg(100 + i),
                                         {},
                                         u"0"_s};
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"labels.pdf"_s);
        QVERIFY(printLabels(entries, pdf));

        const pdftext::Document document = pdftext::read(pdf);
        QCOMPARE(document.pages, labels::sheetCount(30, 1));
        const auto words = document.find(printing::zipLine(u"104-0000"_s));
        QCOMPARE(words.size(), 1);
        QCOMPARE(words[0].page, 1);
        QVERIFY2(qAbs(words[0].xMin - 87.0) < 1.0, qPrintable(QString::number(words[0].xMin)));
        QVERIFY2(qAbs(words[0].yMin - 311.0) < 1.0, qPrintable(QString::number(words[0].yMin)));
        const auto last = document.find(printing::zipLine(u"129-0000"_s));
        QCOMPARE(last.size(), 1);
        QCOMPARE(last[0].page, 3);
        QVERIFY(pdftext::fonts(pdf).contains(u"IPAexMincho"_s));
    }

    // On paper, on sheets of every size: no ink outside the labels, and every
    // name and honorific there to be read.
    void noInkLeavesItsLabel_data() {
        QTest::addColumn<QString>("sheet");
        for (const QString& sheet : {u"標準 12面"_s, u"Hisago ELM012"_s, u"Hisago OP3016"_s})
            QTest::newRow(qPrintable(sheet)) << sheet;
    }

    void noInkLeavesItsLabel() {
        QFETCH(QString, sheet);
        const labels::SheetTemplate* chosen =
            sheet == u"標準 12面" ? &labels::standardSheet() : labels::sheetLibrary().find(sheet);
        if (!chosen)
            QSKIP("the label library is not installed");
        const QString long40 =
            u"東京都千代田区霞が関一丁目二番三号中央合同庁舎第五号館別館北側通用口受付前"_s;
        const book::CardList entries{
            {u"山田　太郎／花子／一郎"_s, long40, {}, {}, u"〒100-0013"_s, u"得意先"_s, u"0"_s},
            {u"株式会社　東京高橋国際商事貿易物流事業本部　営業部"_s,
             long40,
             long40,
             u"ＫＳビル2F"_s,
             u"1000005"_s,
             {},
             u"2"_s},
            {u"ｶﾌﾞｼｷｶﾞｲｼｬ ﾔﾏﾀﾞ"_s, u"ｵｵｻｶｼ ｷﾀｸ 10ﾁｮｳﾒ"_s, {}, {}, u"530 0001"_s, {}, u"2"_s}};
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"labels.pdf"_s);
        QVERIFY(printLabels(entries, pdf, *chosen));

        const pdfink::Pages pages = pdfink::render(pdf, 144);
        QVERIFY(!pages.images.isEmpty());
        const double pointsPerMm = 72.0 / 25.4, pixelsPerPoint = 2;
        QList<QRectF> labels;
        for (const QRectF& mm : chosen->labelRects())
            labels << QRectF(mm.topLeft() * pointsPerMm * pixelsPerPoint,
                             mm.size() * pointsPerMm * pixelsPerPoint)
                          .adjusted(-1, -1, 1, 1);
        const QImage& page = pages.images.first();
        int outside = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.constScanLine(y)[x] < 128 &&
                    std::none_of(labels.begin(), labels.end(),
                                 [&](const QRectF& r) { return r.contains(x, y); }))
                    ++outside;
        QCOMPARE(outside, 0);

        QString text;
        for (const pdftext::Word& word : pdftext::read(pdf).words)
            text += word.text;
        for (const QString& part :
             {u"太郎"_s, u"花子"_s, u"一郎"_s, u"カブシキガイシャ"_s, u"営業部"_s})
            QVERIFY2(text.contains(part), qPrintable(part));
        QCOMPARE(text.count(u"様"_s), 3);
        QCOMPARE(text.count(u"御中"_s), 2);
    }

    // On paper, a long address or name stays on its own label, condensed,
    // with the honorific; a line that fits keeps its place and width.
    void longLinesStayOnTheirLabel() {
        const QString longAddress = u"東京都千代田区霞が関一丁目二番三号中央合同庁舎第五号館別館"_s;
        const QString longName = u"株式会社　東京高橋商事国際物流事業本部"_s;
        const book::CardList entries{
            {longName, longAddress, u"一丁目"_s, u"ビル"_s, u"100-0013"_s, {}, u"2"_s},
            {longName, longAddress, u"一丁目"_s, u"ビル"_s, u"100-0013"_s, {}, u"2"_s}};
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"long.pdf"_s);
        QVERIFY(printLabels(entries, pdf));

        const pdftext::Document document = pdftext::read(pdf);
        const double millimetre = 72.0 / 25.4;
        const double leftLabelEnd = 105.0 * millimetre, rightLabelEnd = 191.4 * millimetre;
        const auto addresses = document.find(longAddress);
        QCOMPARE(addresses.size(), 2);
        const auto honorifics = document.find(u"御中"_s);
        QCOMPARE(honorifics.size(), 2);
        for (const auto& words : {addresses, honorifics}) {
            std::array<bool, 2> seen{};
            for (const pdftext::Word& word : words) {
                const bool right = word.xMin > leftLabelEnd;
                seen[right] = true;
                QVERIFY2(word.xMax <= (right ? rightLabelEnd : leftLabelEnd) - 2 * millimetre + 0.5,
                         qPrintable(word.text + u' ' + QString::number(word.xMax)));
            }
            QVERIFY(seen[0] && seen[1]);
        }
        // The postal line fits: it starts and ends where an unfitted one would.
        const auto zip = document.find(printing::zipLine(u"100-0013"_s));
        QCOMPARE(zip.size(), 2);
        QVERIFY(qAbs(zip[0].xMin - 87.0) < 1.0);
        QVERIFY(qAbs((zip[0].xMax - zip[0].xMin) - 9 * 11.0) < 1.0);
    }
};

QTEST_MAIN(LabelPdfTest)
#include "LabelPdfTest.moc"
