#include "labels/SheetTestPage.h"

#include "platform/Fonts.h"
#include "printing/OffsetsFile.h"
#include "printing/PrinterTrims.h"

#include <QtMath>

#include <cmath>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// The rulers stand this far in from the paper's edges, inside what any
// printer prints.
constexpr double RulerInsetMm = 8;
// Steps a rounded corner is drawn in.
constexpr int CornerSteps = 6;
// The crosses stand this far in from the corners; each arm is as long.
constexpr double CrossInsetMm = 20;
constexpr double CrossArmMm = 5;

class Page {
  public:
    Page(platform::Printer& printer, printing::OffsetsTwips offsets)
        : m_printer(printer), m_offsets(offsets) {}

    // A point millimetres from the paper's top-left corner, moved by the trims.
    QPoint at(double xMm, double yMm) const {
        return {pagePositionTwips(xMm) + m_offsets.xTwips,
                pagePositionTwips(yMm) + m_offsets.yTwips};
    }

    void line(double x1, double y1, double x2, double y2) {
        m_printer.drawLine(at(x1, y1), at(x2, y2));
    }

    void text(double xMm, double yMm, double points, const QString& text) {
        const QPoint where = at(xMm, yMm);
        m_printer.setFontName(QString::fromUtf16(platform::MinchoFace));
        m_printer.setFontSize(points);
        m_printer.setCurrentX(where.x());
        m_printer.setCurrentY(where.y());
        m_printer.print(text);
    }

    // A rectangle with corners of radius r, in millimetres.
    void outline(const QRectF& r, double radius) {
        if (radius <= 0) {
            line(r.left(), r.top(), r.right(), r.top());
            line(r.right(), r.top(), r.right(), r.bottom());
            line(r.right(), r.bottom(), r.left(), r.bottom());
            line(r.left(), r.bottom(), r.left(), r.top());
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
                points << centres[corner] +
                              QPointF(radius * std::cos(angle), radius * std::sin(angle));
            }
        for (qsizetype i = 0; i < points.size(); ++i) {
            const QPointF& a = points[i];
            const QPointF& b = points[(i + 1) % points.size()];
            line(a.x(), a.y(), b.x(), b.y());
        }
    }

  private:
    platform::Printer& m_printer;
    printing::OffsetsTwips m_offsets;
};

// Ticks every millimetre, longer every 5, longest and numbered every 10.
double tickLength(int mm) {
    return mm % 10 == 0 ? 4 : mm % 5 == 0 ? 2.5 : 1.5;
}

} // namespace

void drawSheetTestPage(platform::Printer& printer, const SheetTemplate& sheet,
                       printing::OffsetsTwips offsets) {
    Page page(printer, offsets);
    const QSizeF paper = paperSizeMm(sheet.paper);
    const QList<QRectF> labels = sheet.labelRects();
    for (qsizetype i = 0; i < labels.size(); ++i) {
        page.outline(labels[i], sheet.cornerRadiusMm);
        page.text(labels[i].left() + 2, labels[i].top() + 2, 8, QString::number(i + 1));
    }

    const int across = int(std::floor(paper.width() - RulerInsetMm));
    const int down = int(std::floor(paper.height() - RulerInsetMm));
    const int first = int(std::ceil(RulerInsetMm));
    page.line(first, RulerInsetMm, across, RulerInsetMm);
    for (int mm = first; mm <= across; ++mm) {
        page.line(mm, RulerInsetMm, mm, RulerInsetMm + tickLength(mm));
        if (mm % 10 == 0)
            page.text(mm + 0.4, RulerInsetMm + 2.2, 6, QString::number(mm));
    }
    page.line(RulerInsetMm, first, RulerInsetMm, down);
    for (int mm = first; mm <= down; ++mm) {
        page.line(RulerInsetMm, mm, RulerInsetMm + tickLength(mm), mm);
        // The ruler across numbers the corner they share.
        if (mm % 10 == 0 && mm > first + 5)
            page.text(RulerInsetMm + 2.2, mm + 0.4, 6, QString::number(mm));
    }
    for (const double x : {CrossInsetMm, paper.width() - CrossInsetMm})
        for (const double y : {CrossInsetMm, paper.height() - CrossInsetMm}) {
            page.line(x - CrossArmMm, y, x + CrossArmMm, y);
            page.line(x, y - CrossArmMm, x, y + CrossArmMm);
        }
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
