#include "postcard/CardDrawing.h"

#include "platform/Printer.h"
#include "platform/Units.h"
#include "postcard/PostcardLayout.h"

#include <QPainter>

namespace postcard {

namespace {

double toPixels(int twips, double pixelsPerMm) {
    return platform::paperMillimetresOf(twips) * pixelsPerMm;
}

} // namespace

QPixmap blankCardPicture(double pixelsPerMm) {
    QPixmap picture(qRound(CardWidthMillimetres * pixelsPerMm) + 1,
                    qRound(CardHeightMillimetres * pixelsPerMm) + 1);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawRect(0, 0, picture.width() - 1, picture.height() - 1);
    painter.setPen(QPen(QColor(220, 40, 40), 1));
    for (double left : CardBoxLeftMillimetres)
        painter.drawRect(QRectF(left * pixelsPerMm, CardBoxTopMillimetres * pixelsPerMm,
                                CardBoxWidthMillimetres * pixelsPerMm,
                                CardBoxHeightMillimetres * pixelsPerMm));
    return picture;
}

QPixmap printedBlockPicture(double pixelsPerMm) {
    const double right = toPixels(ZipBoxXTwips.back() + 400, pixelsPerMm);
    const double bottom = toPixels(CodePlace.yTwips + 300, pixelsPerMm);
    QPixmap picture(qCeil(right), qCeil(bottom));
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QColor ink(30, 60, 160);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    // A digit is printed one space right of its box's X.
    const double digitWidth = toPixels(110, pixelsPerMm);
    const double digitHeight = toPixels(200, pixelsPerMm);
    for (int x : ZipBoxXTwips)
        painter.drawRect(QRectF(toPixels(x + 70, pixelsPerMm),
                                toPixels(ZipBoxYTwips + 40, pixelsPerMm), digitWidth, digitHeight));
    const struct {
        TextPlace place;
        int characters;
    } lines[] = {{Address1Place, 14},
                 {Address2Place, 10},
                 {Address3Place, 8},
                 {NameLinePlace, 8},
                 {CodePlace, 5}};
    for (const auto& line : lines) {
        const double em = platform::twipsOfPoints(line.place.points);
        painter.drawRect(QRectF(toPixels(line.place.xTwips, pixelsPerMm),
                                toPixels(line.place.yTwips, pixelsPerMm),
                                toPixels(int(em * line.characters), pixelsPerMm),
                                qMax(1.0, toPixels(int(em * 0.6), pixelsPerMm))));
    }
    painter.setBrush(QColor(220, 40, 40));
    painter.drawEllipse(QPointF(1.5, 1.5), 1.5, 1.5);
    return picture;
}

} // namespace postcard
