#include "labels/SheetTestPage.h"

#include "printing/AlignmentPage.h"
#include "printing/OffsetsFile.h"
#include "printing/PrinterTrims.h"

#include <QtMath>

#include <cmath>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// Steps a rounded corner is drawn in.
constexpr int CornerSteps = 6;
constexpr double RulerInsetMm = 8;

// A rectangle with corners of radius r, in millimetres.
void outline(printing::PageMarks& page, const QRectF& r, double radius) {
    if (radius <= 0) {
        page.line(r.left(), r.top(), r.right(), r.top());
        page.line(r.right(), r.top(), r.right(), r.bottom());
        page.line(r.right(), r.bottom(), r.left(), r.bottom());
        page.line(r.left(), r.bottom(), r.left(), r.top());
        return;
    }
    // Corner centres, clockwise from the top-left, and the angle each arc starts at.
    const QPointF centres[] = {{r.left() + radius, r.top() + radius},
                               {r.right() - radius, r.top() + radius},
                               {r.right() - radius, r.bottom() - radius},
                               {r.left() + radius, r.bottom() - radius}};
    QList<QPointF> points;
    for (int corner = 0; corner < 4; ++corner)
        for (int step = 0; step <= CornerSteps; ++step) {
            const double angle = M_PI + corner * M_PI / 2 + step * (M_PI / 2) / CornerSteps;
            points << centres[corner] + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        }
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPointF& a = points[i];
        const QPointF& b = points[(i + 1) % points.size()];
        page.line(a.x(), a.y(), b.x(), b.y());
    }
}

} // namespace

void drawSheetTestPage(platform::Printer& printer, const SheetTemplate& sheet,
                       printing::OffsetsTwips offsets) {
    printing::PageMarks page(printer, offsets);
    const QSizeF paper = paperSizeMm(sheet.paper);
    const QList<QRectF> labels = sheet.labelRects();
    for (qsizetype i = 0; i < labels.size(); ++i) {
        outline(page, labels[i], sheet.cornerRadiusMm);
        page.text(labels[i].left() + 2, labels[i].top() + 2, 8, QString::number(i + 1));
    }
    printing::drawRulersAndCrosses(page, paper);
    // What the page is, low on the left.
    page.text(RulerInsetMm + 6, paper.height() - RulerInsetMm - 11, 8,
              sheet.name() + u"　試し印刷：普通紙に印刷し、ラベル用紙と重ねて光に透かしてください。"
                             u"目盛りは用紙の端からの mm です。"_s);
    page.text(
        RulerInsetMm + 6, paper.height() - RulerInsetMm - 6, 8,
        u"四隅の十字は用紙の端から 20 mm の位置です。測った距離との差を「印字位置調整」で直してください。"_s);
}

printing::Delivery printSheetTestPage(platform::Platform& platform, const QString& bookPath,
                                      const SheetTemplate& sheet) {
    const printing::OutputChoice& output = printing::outputChoiceForThisRun();
    const printing::OffsetsTwips trims =
        printing::jobTrims(printing::labelOffsetsPath(),
                           printing::jobPrinterName(output, platform.printers), sheet.name())
            .twips();
    return printing::deliverJob(
        output, platform, u"test-page.pdf"_s, bookPath, u"Tagora 試し印刷 "_s + sheet.name(),
        printerPaper(sheet.paper), 1,
        [&sheet, trims](platform::Printer& printer) { drawSheetTestPage(printer, sheet, trims); });
}

} // namespace labels
