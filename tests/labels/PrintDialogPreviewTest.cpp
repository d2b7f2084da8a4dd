#include "labels/LabelPrintJob.h"
#include "labels/LabelSheets.h"
#include "labels/frmPrint.h"
#include "platform/Fonts.h"
#include "platform/PreviewPrinter.h"
#include "platform/QtPrintDialog.h"
#include "platform/QtPrinter.h"
#include "postcard/PostcardLayout.h"
#include "postcard/PostcardPrintJob.h"
#include "postcard/frmPrintH.h"
#include "printing/JobPreview.h"
#include "printing/OutputChoice.h"
#include "support/PdfInk.h"
#include "support/PrintedPages.h"
#include "support/WindowWorld.h"

#include <QApplication>
#include <QLabel>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::PageSpan;

namespace {

const QString Face = QString::fromUtf16(platform::MinchoFace);

book::CardList entries(int count) {
    book::CardList list;
    for (int i = 0; i < count; ++i)
        list << book::AddressCard{u"名前"_s + QString::number(i),
                                  u"東京都"_s + QString::number(i),
                                  {},
                                  {},
                                  u"123-4567"_s,
                                  {},
                                  u"2"_s};
    return list;
}

// A window's world with one system printer, the default, and no output chosen yet.
struct Fixture : WindowWorld {
    Fixture() {
        printing::outputChoiceForThisRun() = {};
        platform.printers.setPrinters({u"Office"_s, u"Lab"_s}, u"Office"_s);
    }
    ~Fixture() { printing::outputChoiceForThisRun() = {}; }
    QString offsets() const { return dir.filePath(u"Tagora.opt"_s); }
};

// The printed lines of the given pages of a job, renumbered from page 1 as
// a printer given only those pages would put them.
QStringList pagesOf(const platform::RecordingPrinter& whole, const QList<int>& pages) {
    QStringList lines;
    for (const platform::PrintedText& text : whole.printed())
        if (!text.text.isEmpty() && pages.contains(text.page))
            lines << printedLine(int(pages.indexOf(text.page)) + 1, text.face, text.points,
                                 text.xTwips, text.yTwips,
                                 text.vertical ? u"↓"_s + text.text : text.text);
    return inPageOrder(lines);
}

bool reddish(QRgb pixel) {
    return qRed(pixel) > 150 && qGreen(pixel) < 120 && qBlue(pixel) < 120;
}

int redPixels(const QImage& image, const QRect& region) {
    int count = 0;
    const QRect inside = region.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += reddish(image.pixel(x, y));
    return count;
}

// A rectangle in twips from the page origin, in points from the paper's corner.
QRect inPoints(const QRect& twips) {
    const QRect paper =
        twips.translated(platform::PageOriginInsetTwips, platform::PageOriginInsetTwips);
    return QRect(paper.x() / 20, paper.y() / 20, paper.width() / 20, paper.height() / 20);
}

printing::JobPreview* openPreview(QWidget* window) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* preview = qobject_cast<printing::JobPreview*>(widget);
            preview && preview->parent() == window)
            return preview;
    return window->findChild<printing::JobPreview*>();
}

} // namespace

class PrintDialogPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    // The dialog is offered the job's printer, paper, title and sheet count;
    // its printer, copies and sheets are what reaches the printer.
    void dialogChoiceReachesThePrinter() {
        Fixture f;
        f.platform.printDialog.answer({false, u"Lab"_s, 2, false, {{2, 3}}});
        labels::LabelPrintJob job(f.platform.platform, printing::OutputChoice{}, QString());
        const book::CardList cards = entries(30);
        const labels::LabelJobResult result = job.run(cards, 1, Face, f.offsets());
        QCOMPARE(result.outcome, labels::LabelJobResult::Outcome::Printed);

        QCOMPARE(f.platform.printDialog.requests().size(), 1);
        const platform::PrintDialogRequest& request = f.platform.printDialog.requests().first();
        QCOMPARE(request.printerName, u"Office"_s);
        QCOMPARE(request.pageCount, 3);
        QCOMPARE(request.paper.size, platform::PaperSize::A4);
        QCOMPARE(request.jobTitle, u"Tagora ラベル 30件"_s);
        const platform::PrintDestination sent = f.platform.printers.destinations().last();
        QCOMPARE(sent.printerName, u"Lab"_s);
        QCOMPARE(sent.copies, 2);
        QVERIFY(!sent.collate);
        QCOMPARE(sent.jobTitle, u"Tagora ラベル 30件"_s);

        // Sheets 2 and 3 exactly as the whole job prints them, on two pages.
        platform::RecordingPrinter whole;
        whole.begin(platform::PaperSize::A4);
        labels::LabelSheets(cards, 1, Face, {}).drawJob(whole);
        const platform::RecordingPrinter& printed = *f.platform.printers.last();
        QCOMPARE(printed.pageCount(), 2);
        QCOMPARE(printedPages(printed), pagesOf(whole, {2, 3}));
        // The outlines of the two sheets pass too, each on its own page.
        QCOMPARE(printed.guides().size(), 24);
        QCOMPARE(printed.guides().first().page, 1);
        QCOMPARE(printed.guides().last().page, 2);
        QVERIFY(printed.ended());
    }

    // Pages chosen apart, and a span past the job's end, print only what is there.
    void scatteredPagesOfPostcards() {
        Fixture f;
        f.platform.printDialog.answer({false, {}, 1, true, {{1, 1}, {4, 9}}});
        postcard::PostcardPrintJob job(f.platform.platform, printing::OutputChoice{}, QString());
        postcard::PostcardJobSettings settings;
        settings.zipFace = Face;
        settings.textFace = Face;
        QCOMPARE(job.run(entries(5), settings), postcard::PostcardPrintJob::Outcome::Printed);
        QCOMPARE(f.platform.printDialog.requests().first().pageCount, 5);
        QCOMPARE(f.platform.printDialog.requests().first().paper.size,
                 platform::PaperSize::Postcard);
        const platform::RecordingPrinter& printed = *f.platform.printers.last();
        QCOMPARE(printed.pageCount(), 3);
        QStringList names;
        for (const platform::PrintedText& text : printed.printed())
            if (text.text.startsWith(u"名前"_s))
                names << QString::number(text.page) + u':' + text.text.left(3);
        QCOMPARE(names, QStringList({u"1:名前0"_s, u"2:名前3"_s, u"3:名前4"_s}));
    }

    // Cancel prints nothing and leaves 印刷 usable; a PDF output never shows the dialog.
    void cancelPrintsNothingAndPdfSkipsTheDialog() {
        Fixture f;
        labels::frmPrint window(f.context, entries(3));
        window.findChild<QPushButton*>(u"cmdOk"_s)->click();
        auto* print = window.findChild<QPushButton*>(u"cmdPrint"_s);
        f.platform.printDialog.cancelNext();
        print->click();
        QCOMPARE(f.platform.printers.openCount(), 0);
        QVERIFY(print->isEnabled());
        print->click();
        QCOMPARE(f.platform.printers.openCount(), 1);
        QCOMPARE(f.platform.printDialog.requests().size(), 2);

        printing::outputChoiceForThisRun() = {printing::OutputChoice::Mode::PdfFile, {}};
        f.platform.dialogs.answer(f.dir.filePath(u"out.pdf"_s));
        labels::LabelPrintJob job(f.platform.platform, printing::outputChoiceForThisRun(),
                                  QString());
        QCOMPARE(job.run(entries(3), 1, Face, f.offsets()).outcome,
                 labels::LabelJobResult::Outcome::Printed);
        QCOMPARE(f.platform.printDialog.requests().size(), 2);
        QCOMPARE(f.platform.printers.destinations().last().kind,
                 platform::PrintDestination::Kind::PdfFile);
    }

    // Qt's dialog is set up for the job: its pages, no printing to a file,
    // the paper; the pages typed in it are kept within the job.
    void qtDialogIsPreparedForTheJob() {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer);
        platform::PrintDialogRequest request;
        request.jobTitle = u"Tagora はがき 26件"_s;
        request.paper = platform::PaperSize::Postcard;
        request.pageCount = 26;
        platform::prepareDialog(printer, dialog, request);
        QCOMPARE(dialog.minPage(), 1);
        QCOMPARE(dialog.maxPage(), 26);
        QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintToFile));
        QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
        QCOMPARE(printer.pageLayout().pageSize().size(QPageSize::Millimeter), QSizeF(100, 148));
        QCOMPARE(printer.docName(), request.jobTitle);

        QCOMPARE(platform::chosenDestination(printer, request).pages, QList<PageSpan>());
        printer.setPrintRange(QPrinter::PageRange);
        QPageRanges ranges;
        ranges.addRange(2, 4);
        ranges.addRange(25, 40);
        printer.setPageRanges(ranges);
        printer.setCopyCount(3);
        const platform::PrintDestination chosen = platform::chosenDestination(printer, request);
        QCOMPARE(chosen.pages, QList<PageSpan>({{2, 4}, {25, 26}}));
        QCOMPARE(chosen.copies, 3);
        QCOMPARE(chosen.jobTitle, request.jobTitle);
        QCOMPARE(chosen.kind, platform::PrintDestination::Kind::SystemPrinter);
    }

    // Every sheet outlines all its labels, and every postcard its seven code
    // boxes, at the paper's places whatever the trims.
    void jobsOutlineThePaper() {
        labels::SheetTemplate round = labels::standardSheet();
        round.standardTextLayout = false;
        round.cornerRadiusMm = 3;
        round.grids = {{3, 2, 10, 20, 65, 40}};
        round.labelWidthMm = 60;
        round.labelHeightMm = 35;
        for (const labels::SheetTemplate& sheet : {labels::standardSheet(), round}) {
            platform::RecordingPrinter printer;
            printer.begin(platform::PaperSize::A4);
            labels::LabelSheets sheets(entries(14), 5, Face, {3, -2}, sheet);
            QVERIFY(sheets.drawJob(printer));
            const labels::SheetLayout layout(sheet);
            QCOMPARE(printer.guides().size(), layout.labelCount() * printer.pageCount());
            for (const platform::DrawnGuide& guide : printer.guides()) {
                const int label = int(printer.guides().indexOf(guide)) % layout.labelCount() + 1;
                QCOMPARE(guide.twips, layout.cellTwips(label));
                QCOMPARE(guide.cornerRadiusTwips, sheet.cornerRadiusMm > 0 ? 170 : 0);
            }
            QVERIFY(!printer.calls().join(u'\n').contains(u"guide"_s));
        }

        platform::RecordingPrinter card;
        card.begin(platform::PaperSize::Postcard);
        postcard::PostcardJobSettings settings;
        settings.zipFace = Face;
        settings.textFace = Face;
        settings.trims = {5, 5};
        postcard::drawPostcards(card, postcard::postcardTexts(entries(2)), settings);
        QCOMPARE(card.guides().size(), 14);
        const platform::DrawnGuide& first = card.guides().first();
        // 44 mm from the left and 12 mm from the top of the card, 5.7 by 8 mm.
        QCOMPARE(first.twips, QRect(2494 - 240, 680 - 240, 323, 454));
        QCOMPARE(card.guides().last().page, 2);
    }

    // The preview's printer draws the outlines in red; the PDF of the same
    // job has none of them, and its text is where the preview has it.
    void outlinesOnScreenNeverOnPaper() {
        QTemporaryDir dir;
        const book::CardList cards = entries(13);
        labels::LabelSheets sheets(cards, 1, Face, {});
        const QString previewPdf = dir.filePath(u"preview.pdf"_s);
        {
            QPrinter screen(QPrinter::HighResolution);
            screen.setOutputFormat(QPrinter::PdfFormat);
            screen.setOutputFileName(previewPdf);
            platform::PreviewPrinter preview(screen);
            QVERIFY(preview.begin(platform::PaperSize::A4));
            sheets.drawJob(preview);
            QVERIFY(preview.endDoc());
        }
        const QString paperPdf = dir.filePath(u"paper.pdf"_s);
        platform::QtPrinter paper(platform::PrintDestination::pdf(paperPdf));
        QVERIFY(paper.begin(platform::PaperSize::A4));
        sheets.drawJob(paper);
        QVERIFY(paper.endDoc());

        const QList<QImage> onScreen = pdfink::render(previewPdf, 72, true).images;
        const QList<QImage> onPaper = pdfink::render(paperPdf, 72, true).images;
        QCOMPARE(onScreen.size(), 2);
        QCOMPARE(onPaper.size(), 2);
        const QRect label12 = inPoints(sheets.layout().cellTwips(12));
        for (int page = 0; page < 2; ++page) {
            QVERIFY(redPixels(onPaper[page], onPaper[page].rect()) == 0);
            // The outline runs along label 12's left edge on both sheets.
            QVERIFY(redPixels(onScreen[page], QRect(label12.left() - 1, label12.top() + 5, 3,
                                                    label12.height() - 10)) > label12.height() / 2);
        }
        // Apart from the red, the preview is the page: black ink in the same places.
        auto darkCount = [](const QImage& image) {
            int dark = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    dark += qGray(image.pixel(x, y)) < 100 && !reddish(image.pixel(x, y));
            return dark;
        };
        QVERIFY(qAbs(darkCount(onScreen[0]) - darkCount(onPaper[0])) < darkCount(onPaper[0]) / 20);
    }

    // 印刷プレビュー shows every sheet of the job from the label shown, pages
    // through them, and draws the outlines on screen.
    void labelScreenPreviewsTheJob() {
        Fixture f;
        labels::frmPrint window(f.context, entries(30));
        window.show();
        window.findChild<QPushButton*>(u"cmdPreview"_s)->click();
        printing::JobPreview* preview = openPreview(&window);
        QVERIFY(preview);
        QCOMPARE(preview->pageCount(), 3);
        auto* page = preview->findChild<QLabel*>(u"lblPage"_s);
        QCOMPARE(page->text(), u"1 / 3"_s);
        auto* previous = preview->findChild<QPushButton*>(u"cmdPrevPage"_s);
        auto* next = preview->findChild<QPushButton*>(u"cmdNextPage"_s);
        QVERIFY(!previous->isEnabled());
        next->click();
        next->click();
        QCOMPARE(page->text(), u"3 / 3"_s);
        QVERIFY(!next->isEnabled());
        QTest::qWait(50);
        const QImage shown =
            preview->findChild<QPrintPreviewWidget*>(u"previewPages"_s)->grab().toImage();
        QVERIFY(redPixels(shown, shown.rect()) > 100);
        QCOMPARE(f.platform.printers.openCount(), 0); // a preview prints nothing
        preview->findChild<QPushButton*>(u"cmdClose"_s)->click();
        QVERIFY(!preview->isVisible());

        // From label 8 the same 30 labels take 4 sheets.
        window.findChild<QPushButton*>(u"lblNo_7"_s)->click();
        window.findChild<QPushButton*>(u"cmdPreview"_s)->click();
        QTRY_VERIFY(openPreview(&window) && openPreview(&window)->isVisible());
        QCOMPARE(openPreview(&window)->pageCount(), 4);
    }

    // The postcard screen previews one page a card, in the writing chosen.
    void postcardScreenPreviewsTheJob() {
        Fixture f;
        postcard::frmPrintH window(f.context, entries(4));
        window.show();
        QImage horizontal;
        for (const QString& writing : {u"optHorizontal"_s, u"optVertical"_s}) {
            window.findChild<QRadioButton*>(writing)->click();
            window.findChild<QPushButton*>(u"cmdPreview"_s)->click();
            printing::JobPreview* preview = openPreview(&window);
            QVERIFY(preview);
            QCOMPARE(preview->pageCount(), 4);
            QTest::qWait(50);
            const QImage shown =
                preview->findChild<QPrintPreviewWidget*>(u"previewPages"_s)->grab().toImage();
            QVERIFY(redPixels(shown, shown.rect()) > 20);
            if (horizontal.isNull())
                horizontal = shown;
            else
                QVERIFY(shown != horizontal);
            delete preview;
        }
    }
};

QTEST_MAIN(PrintDialogPreviewTest)
#include "PrintDialogPreviewTest.moc"
