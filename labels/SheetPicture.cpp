#include "labels/SheetPicture.h"

#include <QPainter>

namespace labels {

SheetPicture::SheetPicture(QWidget* parent) : QWidget(parent) {
    setSheet(standardSheet());
}

void SheetPicture::setSheet(const SheetTemplate& sheet) {
    m_sheet = sheet;
    update();
}

void SheetPicture::clearSheet() {
    m_sheet.reset();
    update();
}

QSize SheetPicture::sizeHint() const {
    return {220, 300};
}

void SheetPicture::paintSheet(QPainter& painter, const QRectF& area, const SheetTemplate& sheet) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF paper = paperSizeMm(sheet.paper);
    const QRectF sheetRect(QPointF(0, 0), paper);
    const QList<QRectF> labels = sheet.labelRects();
    // Labels past the paper are drawn too, up to a second paper's length.
    QRectF drawn = sheetRect;
    for (const QRectF& label : labels)
        drawn |= label;
    drawn &= sheetRect.adjusted(-paper.width(), -paper.height(), paper.width(), paper.height());
    const double scale = std::min(area.width() / drawn.width(), area.height() / drawn.height());
    painter.translate(
        area.left() + (area.width() - drawn.width() * scale) / 2 - drawn.left() * scale,
        area.top() + (area.height() - drawn.height() * scale) / 2 - drawn.top() * scale);
    painter.scale(scale, scale);
    painter.setPen(QPen(Qt::darkGray, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(sheetRect);
    const double radius = sheet.cornerRadiusMm;
    for (const QRectF& label : labels) {
        const bool off = !sheetRect.adjusted(-0.3, -0.3, 0.3, 0.3).contains(label);
        painter.setPen(QPen(off ? Qt::red : Qt::blue, 0));
        painter.setBrush(off ? QColor(255, 220, 220, 160) : QColor(230, 238, 255));
        painter.drawRoundedRect(label, radius, radius);
    }
    painter.restore();
}

QPixmap SheetPicture::thumbnail(const SheetTemplate& sheet, const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintSheet(painter, QRectF(1, 1, size.width() - 2, size.height() - 2), sheet);
    return pixmap;
}

void SheetPicture::paintEvent(QPaintEvent*) {
    if (!m_sheet)
        return;
    QPainter painter(this);
    paintSheet(painter, QRectF(rect()).adjusted(4, 4, -4, -4), *m_sheet);
}

} // namespace labels
