#include "postcard/BoxSpacing.h"

#include "platform/Fonts.h"

#include <QFont>
#include <QFontMetricsF>

#include <cmath>

namespace postcard {

namespace {

// The width of a space in twips, in the face a printer uses for this name.
double spaceTwips(const QString& face, double points) {
    QFont font(platform::printableFamily(face));
    font.setPixelSize(qMax(1, qRound(points * 20)));
    font.setStyleStrategy(QFont::PreferOutline);
    return QFontMetricsF(font).horizontalAdvance(QLatin1Char(' '));
}

} // namespace

int boxTextShiftTwips(const QString& zipFace, double points) {
    const double excess = spaceTwips(zipFace, points) - spaceTwips(QString::fromUtf16(platform::MinchoFace), points);
    return excess > 0 ? int(std::lround(excess)) : 0;
}

} // namespace postcard
