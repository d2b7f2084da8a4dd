#include "platform/Fonts.h"
#include "platform/QtPrinter.h"
#include "support/PdfText.h"

#include <QFontInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::PaperSize;

class QtPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void textTopLandsAtTheOriginPlusPosition_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("xTwips");
        QTest::addColumn<int>("yTwips");
        QTest::newRow("mincho 11pt") << u"ＭＳ 明朝"_s << 11.0 << 1500 << 5980;
        QTest::newRow("mincho 10.5pt far") << u"ＭＳ 明朝"_s << 10.5 << 8000 << 15000;
        QTest::newRow("ocr-b 16pt") << u"OCR-B"_s << 16.0 << 2370 << 590;
    }

    // Every position is measured from 240 twips inside the paper's corner, and
    // the text's top (not its baseline) sits at Y.
    void textTopLandsAtTheOriginPlusPosition() {
        QFETCH(QString, face);
        QFETCH(double, points);
        QFETCH(int, xTwips);
        QFETCH(int, yTwips);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"out.pdf"_s);
        platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
        QVERIFY(printer.begin(PaperSize::A4));
        printer.setFontName(face);
        printer.setFontSize(points);
        printer.setCurrentX(xTwips);
        printer.setCurrentY(yTwips);
        printer.print(u"１２３"_s);
        QVERIFY(printer.endDoc());

        const pdftext::Document document = pdftext::read(pdf);
        QVERIFY(document.ok);
        QCOMPARE(document.pages, 1);
        const auto words = document.find(u"１２３"_s);
        QCOMPARE(words.size(), 1);
        const double expectedX = (xTwips + platform::PageOriginInsetTwips) / 20.0;
        const double expectedY = (yTwips + platform::PageOriginInsetTwips) / 20.0;
        QVERIFY2(qAbs(words[0].xMin - expectedX) < 1.0, qPrintable(QString::number(words[0].xMin)));
        QVERIFY2(qAbs(words[0].yMin - expectedY) < 1.0, qPrintable(QString::number(words[0].yMin)));
        // The glyphs are as tall as the size asked for: 3 em wide for 3 full-width digits.
        QVERIFY(qAbs((words[0].xMax - words[0].xMin) - 3 * points) < 1.0);
    }

    void pagesHaveThePaperSize_data() {
        QTest::addColumn<int>("paper");
        QTest::addColumn<double>("widthPoints");
        QTest::addColumn<double>("heightPoints");
        QTest::newRow("A4") << int(PaperSize::A4) << 595.3 << 841.9;
        QTest::newRow("postcard") << int(PaperSize::Postcard) << 283.5 << 419.5;
    }

    void pagesHaveThePaperSize() {
        QFETCH(int, paper);
        QFETCH(double, widthPoints);
        QFETCH(double, heightPoints);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"out.pdf"_s);
        platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
        QVERIFY(printer.begin(PaperSize(paper)));
        printer.print(u"一"_s);
        printer.newPage();
        printer.print(u"二"_s);
        QVERIFY(printer.endDoc());
        const pdftext::Document document = pdftext::read(pdf);
        QCOMPARE(document.pages, 2);
        QVERIFY2(qAbs(document.pageWidth - widthPoints) < 1.0, qPrintable(QString::number(document.pageWidth)));
        QVERIFY(qAbs(document.pageHeight - heightPoints) < 1.0);
        QCOMPARE(document.find(u"二"_s).value(0).page, 2);
    }

    // The Windows face names reach real Japanese faces, never a fallback
    // without kanji; a face that is not installed prints in the Mincho.
    void faceNamesResolveToInstalledFaces_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("embedded");
        QTest::newRow("ＭＳ 明朝") << u"ＭＳ 明朝"_s << u"IPAexMincho"_s;
        QTest::newRow("ＭＳ明朝") << u"ＭＳ明朝"_s << u"IPAexMincho"_s;
        QTest::newRow("MS Mincho") << u"MS Mincho"_s << u"IPAexMincho"_s;
        QTest::newRow("OCR-B") << u"OCR-B"_s << u"OCRB"_s;
        QTest::newRow("missing face") << u"No Such Face"_s << u"IPAexMincho"_s;
    }

    void faceNamesResolveToInstalledFaces() {
        QFETCH(QString, face);
        QFETCH(QString, embedded);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"out.pdf"_s);
        platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
        QVERIFY(printer.begin(PaperSize::A4));
        printer.setFontName(face);
        printer.setFontSize(12);
        printer.print(u"123"_s);
        QVERIFY(printer.endDoc());
        const QString fonts = pdftext::fonts(pdf);
        QVERIFY2(fonts.contains(embedded), qPrintable(fonts));
    }

    void widgetsSeeTheSameFaces() {
        QCOMPARE(QFontInfo(QFont(u"ＭＳ 明朝"_s)).family(), u"IPAexMincho"_s);
        QCOMPARE(QFontInfo(QFont(u"OCR-B"_s)).family(), u"OCR B"_s);
    }

    void aPdfInAMissingFolderFailsToBegin() {
        platform::QtPrinter printer(platform::PrintDestination::pdf(u"/nonexistent/folder/out.pdf"_s));
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
