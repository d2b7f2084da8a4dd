#include "envelope/EnvelopePicture.h"

#include "platform/Fonts.h"
#include "platform/PainterPrinter.h"
#include "platform/Printer.h"
#include "platform/Units.h"

#include <QFontMetricsF>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace envelope {

namespace {

// The picture's pages fit this many pixels down.
constexpr int PictureHeight = 520;
constexpr int Gap = 16;

} // namespace

EnvelopePicture::EnvelopePicture(QWidget* parent) : QWidget(parent) {
    setObjectName(u"picEnvelope"_s);
    setMinimumSize(sizeHint());
}

QSize EnvelopePicture::sizeHint() const {
    const double pixelsPerMm = PictureHeight / qMax(m_pageMm.height(), m_pageMm.width());
    const int pageWidth = qRound(m_pageMm.width() * pixelsPerMm);
    return {2 * pageWidth + 3 * Gap, qRound(m_pageMm.height() * pixelsPerMm) + 2 * Gap};
}

void EnvelopePicture::showEnvelope(const QSizeF& pageMm, const QList<QRect>& boxesTwips,
                                   const QList<printing::PlacedRun>& front,
                                   const std::optional<QList<printing::PlacedRun>>& back,
                                   const QList<QRect>& barsTwips) {
    m_pageMm = pageMm;
    m_boxes = boxesTwips;
    m_bars = barsTwips;
    m_front = front;
    m_back = back;
    setMinimumSize(sizeHint());
    updateGeometry();
    update();
}

void EnvelopePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double pixelsPerMm = PictureHeight / qMax(m_pageMm.height(), m_pageMm.width());
    const QSizeF page = m_pageMm * pixelsPerMm;
    auto drawPage = [&](double left, const QList<printing::PlacedRun>& runs, bool front) {
        painter.save();
        painter.translate(left, Gap);
        painter.setPen(QColor(150, 150, 150));
        painter.setBrush(QColor(252, 250, 244));
        painter.drawRect(QRectF(QPointF(0, 0), page));
        const double scale = pixelsPerMm / platform::PaperTwipsPerMillimetre;
        painter.scale(scale, scale);
        painter.translate(platform::PageOriginInsetTwips, platform::PageOriginInsetTwips);
        if (front) {
            painter.setPen(QPen(QColor(220, 60, 40), platform::paperTwipsUnrounded(0.4)));
            painter.setBrush(Qt::NoBrush);
            for (const QRect& box : m_boxes)
                painter.drawRect(box);
            for (const QRect& bar : m_bars)
                painter.fillRect(bar, QColor(30, 30, 30));
        }
        painter.setPen(QColor(30, 30, 30));
        platform::PainterPrinter printer(painter);
        printing::drawRuns(printer, runs, {});
        painter.restore();
    };
    drawPage(Gap, m_front, true);
    if (m_back)
        drawPage(2 * Gap + page.width(), *m_back, false);
}

} // namespace envelope
