#include "printing/AlignmentPage.h"

#include "platform/Fonts.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace printing {

namespace {

// The rulers stand this far in from the paper's edges, inside what any
// printer prints.
constexpr double RulerInsetMm = 8;
constexpr double CrossArmMm = 5;

// Ticks every millimetre, longer every 5, longest and numbered every 10.
double tickLength(int mm) {
    return mm % 10 == 0 ? 4 : mm % 5 == 0 ? 2.5 : 1.5;
}

} // namespace

QPoint PageMarks::at(double xMm, double yMm) const {
    return {platform::pagePositionTwips(xMm) + m_offsets.xTwips,
            platform::pagePositionTwips(yMm) + m_offsets.yTwips};
}

void PageMarks::line(double x1, double y1, double x2, double y2) {
    m_printer.drawLine(at(x1, y1), at(x2, y2));
}

void PageMarks::text(double xMm, double yMm, double points, const QString& text) {
    const QPoint where = at(xMm, yMm);
    m_printer.setFontName(QString::fromUtf16(platform::MinchoFace));
    m_printer.setFontSize(points);
    m_printer.setCurrentX(where.x());
    m_printer.setCurrentY(where.y());
    m_printer.print(text);
}

void drawRulersAndCrosses(PageMarks& page, const QSizeF& paperMm) {
    const int across = int(std::floor(paperMm.width() - RulerInsetMm));
    const int down = int(std::floor(paperMm.height() - RulerInsetMm));
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
    const double inset = AlignmentCrossInsetMm;
    for (const double x : {inset, paperMm.width() - inset})
        for (const double y : {inset, paperMm.height() - inset}) {
            page.line(x - CrossArmMm, y, x + CrossArmMm, y);
            page.line(x, y - CrossArmMm, x, y + CrossArmMm);
        }
}

void drawAlignmentPage(platform::Printer& printer, const QSizeF& paperMm, const QString& medium,
                       OffsetsTwips offsets) {
    PageMarks page(printer, offsets);
    drawRulersAndCrosses(page, paperMm);
    const double left = RulerInsetMm + 6;
    page.text(left, AlignmentCrossInsetMm + 10, 7, medium + u"　位置合わせ用紙"_s);
    page.text(left, AlignmentCrossInsetMm + 15, 7, u"十字の中心は端から 20 mm です。"_s);
    page.text(left, AlignmentCrossInsetMm + 20, 7, u"目盛りでずれを測り、"_s);
    page.text(left, AlignmentCrossInsetMm + 25, 7, u"「印字位置調整」に mm で入力します。"_s);
}

} // namespace printing
