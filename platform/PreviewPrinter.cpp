#include "platform/PreviewPrinter.h"

namespace platform {

namespace {

// Red, as the code boxes are printed on a postcard.
constexpr QRgb GuideColour = 0xffe02020;

} // namespace

void PreviewPrinter::drawGuide(const QRect& twips, int cornerRadiusTwips) {
    QPainter& page = painter();
    if (!page.isActive())
        return;
    page.save();
    // A hairline a fifth of a millimetre wide, as on the paper.
    page.setPen(QPen(QColor::fromRgba(GuideColour), 11));
    page.setBrush(Qt::NoBrush);
    page.drawRoundedRect(twips, cornerRadiusTwips, cornerRadiusTwips);
    page.restore();
}

} // namespace platform
