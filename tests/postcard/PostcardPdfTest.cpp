#include "labels/OffsetsFile.h"
#include "platform/Fonts.h"
#include "platform/QtPrinter.h"
#include "postcard/PostcardJob.h"
#include "postcard/PostcardLayout.h"
#include "support/PdfInk.h"
#include "support/PdfText.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr double PointsPerMm = 72.0 / 25.4;

book::AddressCard entry(const QString& name, const QString& zip) {
    return {name, u"東京都千代田区"_s, u"丸の内１－１"_s, QString(), zip, u"得意先"_s, u"0"_s};
}

// Layout twips to points on the paper: the page origin lies 240 twips inside.
double toPoints(int layoutTwips) {
    return (layoutTwips + platform::PageOriginInsetTwips) / 20.0;
}

QList<pdftext::Word> digitsOnPage(const pdftext::Document& document, int page) {
    QList<pdftext::Word> digits;
    for (const pdftext::Word& word : document.words)
        if (word.page == page && word.text.size() == 1 && word.text[0].isDigit())
            digits << word;
    std::sort(digits.begin(), digits.end(), [](auto& a, auto& b) { return a.xMin < b.xMin; });
    return digits;
}

const QString Sample = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");

} // namespace

class PostcardPdfTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void pagesArePostcardsWithTheDigitsInTheirBoxes_data() {
        QTest::addColumn<QString>("zipFace");
        QTest::newRow("mincho") << u"ＭＳ 明朝"_s;
        QTest::newRow("ocr-b") << u"OCR-B"_s;
    }

    void pagesArePostcardsWithTheDigitsInTheirBoxes() {
        QFETCH(QString, zipFace);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"cards.pdf"_s);
        platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
        postcard::PostcardJobSettings settings;
        settings.zipFace = zipFace;
        settings.textFace = u"ＭＳ 明朝"_s;
        // Input methods and pasted text give any of these dashes for the hyphen.
        const QStringList dashes = {u"-"_s, u"－"_s, u"ー"_s, u"ｰ"_s,
                                    u"‐"_s, u"―"_s,  u"−"_s,  u"─"_s};
        book::CardList entries = {entry(u"二"_s, u"9876543"_s)};
        for (const QString& dash : dashes)
            entries << entry(u"一"_s, u"123"_s + dash + u"4567"_s);
        QVERIFY(postcard::printPostcards(printer, entries, settings).ok());

        const pdftext::Document document = pdftext::read(pdf);
        const int pages = int(entries.size());
        QCOMPARE(document.pages, pages); // the whole-program test checks the 100 by 148 mm page
        // Every digit lies inside its code box of a real postcard.
        const double top = postcard::CardBoxTopMillimetres * PointsPerMm;
        const double bottom = top + postcard::CardBoxHeightMillimetres * PointsPerMm;
        for (int page = 1; page <= pages; ++page) {
            const QList<pdftext::Word> digits = digitsOnPage(document, page);
            QCOMPARE(digits.size(), 7);
            QString code;
            for (const pdftext::Word& digit : digits)
                code += digit.text;
            QCOMPARE(code, page == 1 ? u"9876543"_s : u"1234567"_s);
            for (int k = 0; k < 7; ++k) {
                const double left = postcard::CardBoxLeftMillimetres[k] * PointsPerMm;
                const double right = left + postcard::CardBoxWidthMillimetres * PointsPerMm;
                const double x = (digits[k].xMin + digits[k].xMax) / 2, y = (digits[k].yMin + digits[k].yMax) / 2;
                QVERIFY2(x > left && x < right && y > top && y < bottom,
                         qPrintable(u"page %1 box %2 at %3,%4"_s.arg(page).arg(k).arg(x).arg(y)));
            }
        }
        const auto address = document.find(u"東京都千代田区"_s);
        QCOMPARE(address.size(), pages);
        QVERIFY(qAbs(address[0].xMin - toPoints(postcard::Address1Place.xTwips)) < 1.0);
        QVERIFY(qAbs(address[0].yMin - toPoints(postcard::Address1Place.yTwips)) < 1.0);

        // Each digit's ink sits centred across its code box, within 0.2 mm.
        const pdfink::Pages ink = pdfink::render(pdf, 600);
        QCOMPARE(ink.images.size(), pages);
        for (int page = 1; page <= pages; ++page) {
            for (int k = 0; k < 7; ++k) {
                const double left = postcard::CardBoxLeftMillimetres[k] * PointsPerMm;
                const double width = postcard::CardBoxWidthMillimetres * PointsPerMm;
                const QRectF digit = ink.inkBox(page, QRectF(left, top, width, bottom - top));
                QVERIFY(!digit.isNull());
                const double offCentreMm = (digit.center().x() - (left + width / 2)) / PointsPerMm;
                QVERIFY2(qAbs(offCentreMm) <= 0.2,
                         qPrintable(u"page %1 box %2: ink %3 mm off centre"_s.arg(page).arg(k).arg(
                             offCentreMm)));
            }
        }
    }

    // A company's long name keeps its 御中 and a long address stays on the
    // card: both are condensed to end 2 mm inside the card's right edge.
    void longLinesStayOnTheCard() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"long.pdf"_s);
        platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
        postcard::PostcardJobSettings settings;
        settings.textFace = u"ＭＳ 明朝"_s;
        const QString address = u"北海道札幌市中央区大通三丁目六番地札幌中央合同庁舎ビル"_s;
        const book::CardList entries{
            {u"株式会社　高橋国際商事貿易"_s, address, u"一丁目"_s, {}, u"060-0001"_s, {}, u"2"_s}};
        QVERIFY(postcard::printPostcards(printer, entries, settings).ok());

        const pdftext::Document document = pdftext::read(pdf);
        const double limit = (postcard::CardWidthMillimetres - 2) * PointsPerMm + 0.5;
        for (const QString& text : {address, u"高橋国際商事貿易"_s, u"御中"_s}) {
            const auto words = document.find(text);
            QCOMPARE(words.size(), 1);
            QVERIFY2(words[0].xMax <= limit, qPrintable(text + u' ' + QString::number(words[0].xMax)));
        }
        const auto address1 = document.find(address);
        QVERIFY(qAbs(address1[0].xMin - toPoints(postcard::Address1Place.xTwips)) < 1.0);
    }

    // The command line: the same job into a PDF, with the trims of the
    // program folder's "Tagora1.opt".
    void theCommandLinePrintsTheBookWithItsTrims() {
        QTemporaryDir home;
        // 1 mm right, 1 mm down
        QVERIFY(labels::writeOffsets(home.filePath(u"Tagora1.opt"_s), {u"1220"_s, u"500"_s, u"0"_s}).ok());
        const QString pdf = home.filePath(u"out.pdf"_s);
        QProcess tagora;
        tagora.start(QStringLiteral(TAGORA_EXECUTABLE), {u"--home"_s, home.path(), u"postcards"_s, Sample, u"--cards"_s,
                                                         u"3,1"_s, u"--zip-font"_s, u"OCR-B"_s, u"-o"_s, pdf});
        QVERIFY(tagora.waitForFinished(60000));
        QCOMPARE(tagora.exitCode(), 0);
        QCOMPARE(tagora.readAllStandardOutput().trimmed(), QByteArray("2"));
        const pdftext::Document document = pdftext::read(pdf);
        QCOMPARE(document.pages, 2);
        const QList<pdftext::Word> digits = digitsOnPage(document, 1);
        QVERIFY(!digits.isEmpty());
        QVERIFY(qAbs(digits[0].yMin - toPoints(postcard::ZipBoxYTwips + 55)) < 1.0);
        QVERIFY(pdftext::fonts(pdf).contains(u"OCRB"_s));
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    PostcardPdfTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PostcardPdfTest.moc"
