#include "platform/UnprintableText.h"

#include "platform/Units.h"

#include <QStringList>

#include <cmath>

using namespace Qt::StringLiterals;

namespace platform {

void TextExtentPrinter::setFontSize(double points) {
    m_points = points;
    m_measuring.setFontSize(points);
}

void TextExtentPrinter::setFontStretch(int percent) {
    m_stretch = percent;
    m_measuring.setFontStretch(percent);
}

void TextExtentPrinter::print(const QString& text) {
    if (text.trimmed().isEmpty())
        return;
    cover(int(std::ceil(m_measuring.textWidth(text) * m_stretch / 100.0)),
          int(std::ceil(twipsOfPoints(m_points))));
}

void TextExtentPrinter::printVertical(const QString& text) {
    if (text.trimmed().isEmpty())
        return;
    // A column is one em wide.
    cover(int(std::ceil(twipsOfPoints(m_points))),
          int(std::ceil(m_measuring.verticalLength(text))));
}

void TextExtentPrinter::fillRect(const QRect& twips) {
    m_x = twips.x();
    m_y = twips.y();
    cover(twips.width(), twips.height());
}

void TextExtentPrinter::cover(int width, int height) {
    const QRect box(m_x + PageOriginInsetTwips, m_y + PageOriginInsetTwips, qMax(1, width),
                    qMax(1, height));
    m_extent = m_extent.isNull() ? box : m_extent.united(box);
}

QString unprintableTextWarning(const QMargins& unprintableTwips, const QSize& paperTwips,
                               const QRect& extentTwips) {
    if (extentTwips.isNull())
        return {};
    // QRect's right() and bottom() stop one short of the far edge.
    const int right = extentTwips.x() + extentTwips.width();
    const int bottom = extentTwips.y() + extentTwips.height();
    QStringList sides;
    if (unprintableTwips.top() > 0 && extentTwips.y() < unprintableTwips.top())
        sides << u"上"_s;
    if (unprintableTwips.bottom() > 0 && bottom > paperTwips.height() - unprintableTwips.bottom())
        sides << u"下"_s;
    if (unprintableTwips.left() > 0 && extentTwips.x() < unprintableTwips.left())
        sides << u"左"_s;
    if (unprintableTwips.right() > 0 && right > paperTwips.width() - unprintableTwips.right())
        sides << u"右"_s;
    if (sides.isEmpty())
        return {};
    return u"プリンタの印刷できない範囲に文字がかかります（"_s + sides.join(u'・') + u"）"_s;
}

QString unprintableTextWarning(Printer& printer, const PageFormat& paper, const JobDrawing& draw) {
    const QMargins margins = printer.unprintableTwips();
    if (margins.isNull())
        return {};
    TextExtentPrinter extent(printer);
    draw(extent);
    return unprintableTextWarning(margins, paperSizeTwips(paper), extent.extentTwips());
}

} // namespace platform
