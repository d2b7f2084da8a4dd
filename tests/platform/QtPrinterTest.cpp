#include "platform/QtPrinter.h"
#include "platform/Fonts.h"
#include "platform/Units.h"
#include "support/PdfText.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::PaperSize;

class QtPrinterTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    // The Windows face names reach real Japanese faces, never a fallback
    // without kanji; a face that is not installed prints in the Mincho.
    void textTopLandsAtTheOriginPlusPosition_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("xTwips");
        QTest::addColumn<int>("yTwips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("embedded");
        QTest::addColumn<bool>("postcard");
        QTest::newRow("ＭＳ 明朝 11pt")
            << u"ＭＳ 明朝"_s << 11.0 << 1500 << 5980 << u"１２３"_s << u"IPAexMincho"_s << false;
        QTest::newRow("ＭＳ明朝 far")
            << u"ＭＳ明朝"_s << 10.5 << 8000 << 15000 << u"１２３"_s << u"IPAexMincho"_s << false;
        QTest::newRow("MS Mincho")
            << u"MS Mincho"_s << 12.0 << 0 << 0 << u"１２３"_s << u"IPAexMincho"_s << false;
        QTest::newRow("OCR-B 16pt")
            << u"OCR-B"_s << 16.0 << 2370 << 590 << u"123"_s << u"OCRB"_s << true;
        QTest::newRow("missing face")
            << u"No Such Face"_s << 12.0 << 600 << 600 << u"１２３"_s << u"IPAexMincho"_s << false;
    }

    // Every position is measured from 240 twips inside the paper's corner, and
    // the text's top (not its baseline) sits at Y, on A4 or postcard paper.
    void textTopLandsAtTheOriginPlusPosition() {
        QFETCH(QString, face);
        QFETCH(double, points);
        QFETCH(int, xTwips);
        QFETCH(int, yTwips);
        QFETCH(QString, text);
        QFETCH(QString, embedded);
        QFETCH(bool, postcard);
        const QString pdf =
            m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);
        platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
        QVERIFY(printer.begin(postcard ? PaperSize::Postcard : PaperSize::A4));
        printer.setFontName(face);
        printer.setFontSize(points);
        printer.setCurrentX(xTwips);
        printer.setCurrentY(yTwips);
        printer.print(text);
        QVERIFY(printer.endDoc());

        const QString fonts = pdftext::fonts(pdf);
        QVERIFY2(fonts.contains(embedded), qPrintable(fonts));
        const pdftext::Document document = pdftext::read(pdf);
        // A4 is 210 x 297 mm, a postcard 100 x 148 mm.
        const QSizeF paper = postcard ? QSizeF(283.5, 419.5) : QSizeF(595.3, 841.9);
        QVERIFY(qAbs(document.pageWidth - paper.width()) < 1.0);
        QVERIFY(qAbs(document.pageHeight - paper.height()) < 1.0);
        const auto words = document.find(text);
        QCOMPARE(words.size(), 1);
        const double x = platform::pointsOfTwips(xTwips + platform::PageOriginInsetTwips);
        const double y = platform::pointsOfTwips(yTwips + platform::PageOriginInsetTwips);
        QVERIFY2(qAbs(words[0].xMin - x) < 1.0, qPrintable(QString::number(words[0].xMin)));
        QVERIFY2(qAbs(words[0].yMin - y) < 1.0, qPrintable(QString::number(words[0].yMin)));
        // The glyphs are as tall as the size asked for: 3 em wide for 3 full-width digits.
        if (text == u"１２３"_s)
            QVERIFY(qAbs((words[0].xMax - words[0].xMin) - 3 * points) < 1.0);
    }

    // The faces offered: every family once, by its own name, and each prints
    // in a face that exists (C059 comes from two foundries on Debian).
    void facesAreOfferedOnceWithoutFoundries() {
        const QStringList faces = platform::availableFaces();
        QCOMPARE(QSet<QString>(faces.begin(), faces.end()).size(), faces.size());
        for (const QString& face : faces) {
            QVERIFY2(!face.endsWith(u']'), qPrintable(face));
            QVERIFY(!platform::printableFamily(face).isEmpty());
        }
        if (QFontDatabase::hasFamily(u"C059"_s))
            QCOMPARE(faces.count(u"C059"_s), 1);
    }

    void widgetsAndMissingFolders() {
        QCOMPARE(QFontInfo(QFont(u"ＭＳ 明朝"_s)).family(), u"IPAexMincho"_s);
        QCOMPARE(QFontInfo(QFont(u"OCR-B"_s)).family(), u"OCR B"_s);
        platform::QtPrinter printer(
            platform::PrintDestination::pdf(u"/nonexistent/folder/out.pdf"_s));
        QVERIFY(!printer.begin(PaperSize::A4));
        QVERIFY(!printer.errorText().isEmpty());
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QtPrinterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "QtPrinterTest.moc"
