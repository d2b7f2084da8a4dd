#include "printing/MarkerCanvas.h"

#include <QPainter>

namespace printing {

namespace {

// One step of the marker (20 twips) is 4 pixels, so each press is seen.
constexpr double PixelsPerTwip = 0.2;
constexpr int MarginTwips = 100;

} // namespace

MarkerCanvas::MarkerCanvas(const QRect& outlineTwips, const QPoint& neutralTwips,
                           const QSize& markerSizeTwips, QWidget* parent)
    : QWidget(parent), m_outline(outlineTwips), m_neutral(neutralTwips),
      m_markerSize(markerSizeTwips), m_marker(neutralTwips) {
    m_area = m_outline.adjusted(-MarginTwips, -MarginTwips, MarginTwips, MarginTwips);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void MarkerCanvas::setMarker(const QPoint& markerTwips) {
    m_marker = markerTwips;
    update();
}

QPointF MarkerCanvas::toPixels(const QPointF& twips) const {
    return (twips - QPointF(m_area.topLeft())) * PixelsPerTwip;
}

QRect MarkerCanvas::markerRect() const {
    return QRectF(toPixels(m_marker), QSizeF(m_markerSize) * PixelsPerTwip).toRect();
}

QSize MarkerCanvas::sizeHint() const {
    return (QSizeF(m_area.size()) * PixelsPerTwip).toSize();
}

void MarkerCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().window());

    const QRectF outline(toPixels(m_outline.topLeft()), QSizeF(m_outline.size()) * PixelsPerTwip);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(outline);

    // The cross through the neutral position (Line1, Line2).
    const QPointF neutral = toPixels(m_neutral);
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    painter.drawLine(QPointF(outline.left(), neutral.y()), QPointF(outline.right(), neutral.y()));
    painter.drawLine(QPointF(neutral.x(), outline.top()), QPointF(neutral.x(), outline.bottom()));

    // The marker (Image1): a little block of printed lines.
    const QRectF marker = markerRect();
    painter.setPen(QPen(Qt::darkBlue, 1));
    painter.setBrush(QColor(200, 215, 255, 180));
    painter.drawRect(marker);
    painter.setPen(QPen(Qt::darkBlue, 2));
    for (int line = 1; line <= 3; ++line) {
        const double y = marker.top() + marker.height() * line / 4.0;
        painter.drawLine(QPointF(marker.left() + 4, y), QPointF(marker.right() - 4 * line, y));
    }
}

} // namespace printing
