#include "labels/SheetPicture.h"

#include <QPainter>

namespace labels {

SheetPicture::SheetPicture(QWidget* parent) : QWidget(parent) {
    setSheet(standardSheet());
}

void SheetPicture::setSheet(const SheetTemplate& sheet) {
    m_sheet = sheet;
    m_labels = sheet.labelRects();
    update();
}

QSize SheetPicture::sizeHint() const {
    return {220, 300};
}

void SheetPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF paper = paperSizeMm(m_sheet.paper);
    const double scale = std::min((width() - 8) / paper.width(), (height() - 8) / paper.height());
    painter.translate((width() - paper.width() * scale) / 2, (height() - paper.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.setPen(QPen(Qt::darkGray, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(QPointF(0, 0), paper));
    painter.setPen(QPen(Qt::blue, 0));
    painter.setBrush(QColor(230, 238, 255));
    const double radius = m_sheet.cornerRadiusMm;
    for (const QRectF& label : m_labels)
        painter.drawRoundedRect(label, radius, radius);
}

} // namespace labels
