#include "labels/FullWidth.h"
#include "labels/LabelSheets.h"
#include "platform/Fonts.h"
#include "platform/QtPrinter.h"
#include "support/PdfText.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class LabelPdfTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    // A real PDF: label 5's postal line at 1500 + 240 and 5980 + 240 twips from
    // the paper's corner, one page per sheet.
    void labelsLandOnThePaper() {
        book::CardList entries;
        for (int i = 0; i < 30; ++i)
            entries << book::AddressCard{u"名前"_s + QString::number(i), u"東京都千代田区"_s, {}, {},
                                         u"%1-0000"_s.arg(100 + i), {}, u"0"_s};
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"labels.pdf"_s);
        platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
        QVERIFY(printer.begin(platform::PaperSize::A4));
        labels::LabelSheets sheets(entries, 1, u"ＭＳ 明朝"_s, {});
        QVERIFY(sheets.drawJob(printer));
        QVERIFY(printer.endDoc());

        const pdftext::Document document = pdftext::read(pdf);
        QCOMPARE(document.pages, labels::sheetCount(30, 1));
        const auto words = document.find(labels::zipLine(u"104-0000"_s));
        QCOMPARE(words.size(), 1);
        QCOMPARE(words[0].page, 1);
        QVERIFY2(qAbs(words[0].xMin - 87.0) < 1.0, qPrintable(QString::number(words[0].xMin)));
        QVERIFY2(qAbs(words[0].yMin - 311.0) < 1.0, qPrintable(QString::number(words[0].yMin)));
        const auto last = document.find(labels::zipLine(u"129-0000"_s));
        QCOMPARE(last.size(), 1);
        QCOMPARE(last[0].page, 3);
        QVERIFY(pdftext::fonts(pdf).contains(u"IPAexMincho"_s));
    }
};

QTEST_MAIN(LabelPdfTest)
#include "LabelPdfTest.moc"
