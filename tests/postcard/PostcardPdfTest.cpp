#include "book/AddressFile.h"
#include "platform/Fonts.h"
#include "platform/QtPrinter.h"
#include "platform/Units.h"
#include "platform/VerticalShaper.h"
#include "postcard/PostcardJob.h"
#include "postcard/PostcardLayout.h"
#include "postcard/VerticalCard.h"
#include "printing/AlignmentPage.h"
#include "printing/OffsetsFile.h"
#include "support/PdfInk.h"
#include "support/PdfText.h"
#include "support/PrintedPostcards.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QProcess>
#include <QRawFont>
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
    return platform::pointsOfTwips(layoutTwips + platform::PageOriginInsetTwips);
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
        // And the other ways the seven digits are typed.
        for (const QString& typed : {u"〒123-4567"_s, u"123 4567"_s, u"1234567"_s,
                                     u"〒 123 - 4567"_s, u"１２３４５６７"_s})
            entries << entry(u"一"_s, typed);
        QVERIFY(printPostcards(printer, entries, settings));

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
                const double x = (digits[k].xMin + digits[k].xMax) / 2,
                             y = (digits[k].yMin + digits[k].yMax) / 2;
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
        const book::CardList entries{{u"株式会社　高橋国際商事貿易"_s,
                                      address,
                                      u"一丁目"_s,
                                      u"ビル"_s,
                                      u"060-0001"_s,
                                      {},
                                      u"2"_s}};
        QVERIFY(printPostcards(printer, entries, settings));

        const pdftext::Document document = pdftext::read(pdf);
        const double limit = (postcard::CardWidthMillimetres - 2) * PointsPerMm + 0.5;
        for (const QString& text : {address, u"高橋国際商事貿易"_s, u"御中"_s}) {
            const auto words = document.find(text);
            QCOMPARE(words.size(), 1);
            QVERIFY2(words[0].xMax <= limit,
                     qPrintable(text + u' ' + QString::number(words[0].xMax)));
        }
        const auto address1 = document.find(address);
        QVERIFY(qAbs(address1[0].xMin - toPoints(postcard::Address1Place.xTwips)) < 1.0);
    }

    // A vertical card read back column by column: the name in one
    // column with the honorific below, the address in columns right of it in
    // kanji numerals, the couple's honorifics, the sender lower-left, the
    // code digits in their boxes, and the vertical forms copied as the
    // characters printed.
    void verticalCardsReadBackInColumns() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"vertical.pdf"_s);
        platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
        postcard::PostcardJobSettings settings;
        settings.zipFace = u"ＭＳ 明朝"_s;
        settings.textFace = u"ＭＳ 明朝"_s;
        settings.writing = postcard::Writing::Vertical;
        settings.sender = book::AddressCard{u"鈴木　次郎"_s, u"大阪府大阪市北区"_s, u"梅田"_s,
                                            QString(),       u"530-0001"_s,         QString(),
                                            u"0"_s};
        const book::CardList entries = {{u"佐藤　一郎"_s, u"東京都千代田区"_s, u"丸の内1-2-3"_s,
                                         u"「ー」、"_s, u"100-0005"_s, QString(), u"0"_s},
                                        {u"山田　太郎／花子"_s, u"京都府"_s, u"4-5"_s, QString(),
                                         u"600-8001"_s, QString(), u"0"_s}};
        QVERIFY(printPostcards(printer, entries, settings));
        const pdftext::Document document = pdftext::read(pdf);
        QCOMPARE(document.pages, 2);
        // Each column reads back as one word, as typed, boxed by its first character.
        auto column = [&](int page, const QString& part) {
            QList<pdftext::Word> found;
            for (const pdftext::Word& word : document.words)
                if (word.page == page && word.text.contains(part))
                    found << word;
            return found;
        };
        auto centreX = [](const pdftext::Word& w) { return (w.xMin + w.xMax) / 2; };
        // The name down the card's middle, 様 below it.
        const QList<pdftext::Word> name = column(1, u"佐藤"_s);
        QCOMPARE(name.size(), 1);
        QVERIFY(qAbs(centreX(name[0]) - 50 * PointsPerMm) < 1.0);
        const QList<pdftext::Word> honorific = column(1, u"様"_s);
        QCOMPARE(honorific.size(), 1);
        QVERIFY(qAbs(centreX(honorific[0]) - centreX(name[0])) < 1.0 &&
                honorific[0].yMin > name[0].yMax);
        // The address right of the name, in kanji numerals, and the building's vertical forms as
        // printed.
        const QList<pdftext::Word> street = column(1, u"丸の内一ー二ー三"_s);
        QCOMPARE(street.size(), 1);
        QVERIFY(street[0].xMin > name[0].xMax);
        auto height = [](const pdftext::Word& w) { return w.yMax - w.yMin; };
        QVERIFY(height(name[0]) >= 1.4 * height(street[0]) - 0.1);
        QCOMPARE(column(1, u"「ー」、"_s).size(), 1);
        int digitsOutsideBoxes = 0;
        for (const pdftext::Word& word : document.words)
            if (word.page == 1 && !word.text.startsWith(u"〒"_s) &&
                std::any_of(word.text.begin(), word.text.end(),
                            [](QChar c) { return c.isDigit(); }) &&
                word.yMin > (postcard::CardBoxTopMillimetres + postcard::CardBoxHeightMillimetres) *
                                PointsPerMm)
                ++digitsOutsideBoxes;
        QCOMPARE(digitsOutsideBoxes, 0);
        QCOMPARE(digitsOnPage(document, 1).size(), 7);
        // The sender in the lower-left area, left of 45 mm and below 85 mm.
        for (const QString& part : {u"鈴木"_s, u"次郎"_s, u"大阪"_s, u"梅田"_s}) {
            const QList<pdftext::Word> found = column(1, part);
            QVERIFY2(!found.isEmpty(), qPrintable(part));
            for (const pdftext::Word& word : found)
                QVERIFY2(word.xMax < 45 * PointsPerMm && word.yMin > 85 * PointsPerMm &&
                             height(word) < height(street[0]),
                         qPrintable(part));
        }
        // The couple: two honorifics on one level, each under its own given name; the family name
        // once.
        const QList<pdftext::Word> honorifics = column(2, u"様"_s);
        QCOMPARE(honorifics.size(), 2);
        QVERIFY(qAbs(honorifics[0].yMin - honorifics[1].yMin) < 0.5);
        for (const QString& given : {u"太郎"_s, u"花子"_s}) {
            const QList<pdftext::Word> found = column(2, given);
            QCOMPARE(found.size(), 1);
            bool above = false;
            for (const pdftext::Word& under : honorifics)
                above = above || (qAbs(centreX(under) - centreX(found[0])) < 1.0 &&
                                  under.yMin > found[0].yMin);
            QVERIFY2(above, qPrintable(given));
        }
        QCOMPARE(column(2, u"山田"_s).size(), 1);
    }

    // The column takes the font's vertical forms: other glyphs than across.
    void columnsUseTheVerticalForms() {
        QFont font(platform::printableFamily(u"ＭＳ 明朝"_s));
        font.setPixelSize(200);
        const QRawFont raw = QRawFont::fromFont(font);
        const platform::VerticalShaper shaper(raw);
        const QString text = u"ー「、漢"_s;
        const platform::VerticalRun run = shaper.shape(text, 200);
        const QList<quint32> across = raw.glyphIndexesForString(text);
        QCOMPARE(run.glyphs.size(), 4);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(run.glyphs[i] != across[i], qPrintable(text.mid(i, 1)));
        QCOMPARE(run.glyphs[3], across[3]); // a kanji stands as it is
        QCOMPARE(run.texts, QList<QString>({u"ー"_s, u"「"_s, u"、"_s, u"漢"_s}));
        QVERIFY(qAbs(run.length - 800) < 1); // one em each
        for (int i = 1; i < 4; ++i)
            QVERIFY(run.positions[i].y() > run.positions[i - 1].y());
    }

    // --vertical and --sender on the command line; a sender file that cannot be read stops the job.
    void theCommandLinePrintsVerticallyWithTheSender() {
        QTemporaryDir home;
        const QString sender = home.filePath(u"Sender.dat"_s);
        QVERIFY(book::writeBook(sender, {{u"鶴見　花"_s, u"大阪府"_s, u"梅田"_s, QString(),
                                          u"5300001"_s, QString(), u"5"_s}})
                    .ok());
        auto run = [&](const QStringList& extra) {
            QProcess tagora;
            tagora.start(QStringLiteral(TAGORA_EXECUTABLE),
                         QStringList{u"--home"_s, home.path(), u"postcards"_s, Sample, u"--cards"_s,
                                     u"1"_s} +
                             extra + QStringList{u"-o"_s, home.filePath(u"out.pdf"_s)});
            tagora.waitForFinished(60000);
            return tagora.exitCode();
        };
        QCOMPARE(run({u"--sender"_s, home.filePath(u"none.dat"_s), u"--vertical"_s}), 1);
        QCOMPARE(run({u"--vertical"_s, u"--sender"_s, sender}), 0);
        const pdftext::Document document = pdftext::read(home.filePath(u"out.pdf"_s));
        QCOMPARE(document.pages, 1);
        QList<pdftext::Word> senderName;
        for (const pdftext::Word& word : document.words)
            if (word.text.contains(u"鶴見"_s))
                senderName << word;
        QCOMPARE(senderName.size(), 1);
        QVERIFY(senderName[0].xMax < 45 * PointsPerMm && senderName[0].yMin > 85 * PointsPerMm);
        // The address is in columns of kanji numerals: no arabic digit below the boxes but the
        // sender's code.
        for (const pdftext::Word& word : document.words)
            if (word.yMin > 25 * PointsPerMm && !word.text.startsWith(u"〒"_s))
                QVERIFY2(std::none_of(word.text.begin(), word.text.end(),
                                      [](QChar c) { return c.isDigit(); }),
                         qPrintable(word.text));
    }

    // The command line: the same job into a PDF, with the trims of the
    // program folder's "Tagora1.opt".
    void theCommandLinePrintsTheBookWithItsTrims() {
        QTemporaryDir home;
        // 1 mm right, 1 mm down
        QVERIFY(
            printing::writeOffsets(home.filePath(u"Tagora1.opt"_s), {u"1220"_s, u"500"_s, u"0"_s})
                .ok());
        const QString pdf = home.filePath(u"out.pdf"_s);
        QProcess tagora;
        tagora.start(QStringLiteral(TAGORA_EXECUTABLE),
                     {u"--home"_s, home.path(), u"postcards"_s, Sample, u"--cards"_s, u"3,1"_s,
                      u"--zip-font"_s, u"OCR-B"_s, u"-o"_s, pdf});
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

    // The alignment page on a postcard, read back from the PDF: each corner's
    // cross 20 mm in from the paper's edges, moved by the trims.
    void alignmentCrossesStandWhereTheTrimsPutThem() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"alignment.pdf"_s);
        const printing::Trims trims{2, -1};
        {
            platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
            QVERIFY(printer.begin(platform::PaperSize::Postcard));
            printing::drawAlignmentPage(printer, QSizeF(100, 148), u"はがき"_s, trims.twips());
            QVERIFY(printer.endDoc());
        }
        const pdfink::Pages pages = pdfink::render(pdf);
        QCOMPARE(pages.images.size(), 1);
        const double pointsPerMm = 72 / 25.4;
        for (const double xMm : {20.0, 80.0})
            for (const double yMm : {20.0, 128.0}) {
                const QPointF centre((xMm + trims.xMm) * pointsPerMm,
                                     (yMm + trims.yMm) * pointsPerMm);
                const QPointF reach(5.6 * pointsPerMm, 5.6 * pointsPerMm);
                const QRectF ink = pages.inkBox(1, QRectF(centre - reach, centre + reach));
                QVERIFY2(!ink.isNull(), qPrintable(u"no cross at %1, %2 mm"_s.arg(xMm).arg(yMm)));
                const QString where = u"cross at %1, %2 mm: ink %3, %4 pt, %5 wide"_s.arg(xMm)
                                          .arg(yMm)
                                          .arg(ink.center().x())
                                          .arg(ink.center().y())
                                          .arg(ink.width());
                QVERIFY2(qAbs(ink.center().x() - centre.x()) < 0.5 * pointsPerMm,
                         qPrintable(where));
                QVERIFY2(qAbs(ink.center().y() - centre.y()) < 0.5 * pointsPerMm,
                         qPrintable(where));
                QVERIFY2(qAbs(ink.width() - 10 * pointsPerMm) < pointsPerMm, qPrintable(where));
            }
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    PostcardPdfTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PostcardPdfTest.moc"
