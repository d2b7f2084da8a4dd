#include "printing/PositionMarker.h"

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

} // namespace printing
