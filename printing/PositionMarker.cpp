#include "printing/PositionMarker.h"

#include <algorithm>
#include <cmath>

#include "book/LenientNumber.h"

namespace printing {

namespace {

QString numberText(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace

MarkerPosition steppedMarker(const MarkerPosition& position, MarkerDirection direction) {
    MarkerPosition moved = position;
    const double x = book::leadingNumber(position.xPoint);
    const double y = book::leadingNumber(position.yPoint);
    switch (direction) {
    case MarkerDirection::Left:
        if (x > MarkerMinX)
            moved.xPoint = numberText(x - MarkerStep);
        break;
    case MarkerDirection::Right:
        if (x < MarkerMaxX)
            moved.xPoint = numberText(x + MarkerStep);
        break;
    case MarkerDirection::Up:
        if (y > MarkerMinY)
            moved.yPoint = numberText(y - MarkerStep);
        break;
    case MarkerDirection::Down:
        if (y < MarkerMaxY)
            moved.yPoint = numberText(y + MarkerStep);
        break;
    }
    return moved;
}

MarkerPosition typedMarker(const MarkerPosition& position, double xMm, double yMm) {
    const auto twips = [](double mm, int neutral, int least, int most) {
        return QString::number(
            std::clamp(int(std::lround(neutral + mm * MarkerStep)), least, most));
    };
    MarkerPosition typed = position;
    typed.xPoint = twips(xMm, NeutralMarkerX, MarkerMinX, MarkerMaxX);
    typed.yPoint = twips(yMm, NeutralMarkerY, MarkerMinY, MarkerMaxY);
    return typed;
}

} // namespace printing
