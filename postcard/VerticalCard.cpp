#include "postcard/VerticalCard.h"

#include "book/Honorifics.h"
#include "book/JointNames.h"
#include "printing/FullWidth.h"
#include "printing/PostalCode.h"
#include "printing/LineFit.h"
#include "postcard/VerticalText.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace postcard {

namespace {

constexpr double SmallestPoints = 4;
// Columns of one block stand a quarter of a character apart.
constexpr double ColumnGapEm = 0.25;

double em(double points) {
    return points * 20;
}

void column(platform::Printer& printer, double points, int xTwips, int yTwips, const QString& text) {
    if (text.isEmpty())
        return;
    printer.setFontSize(points);
    printer.setCurrentX(xTwips);
    printer.setCurrentY(yTwips);
    printer.printVertical(text);
}

// The name block: one column per given name, the family name once at the
// head of the first (rightmost) one, each given name's honorific on one level.
void drawName(platform::Printer& printer, const PostcardText& card, int dx, int dy) {
    const book::JointName joint = book::splitJointName(card.name);
    const QString honorific = verticalText(book::trimmedSpaces(card.honorific));
    QString head; // what stands above the given names in the first column
    QStringList given;
    if (joint.givenNames.size() <= 1) {
        given << verticalText(book::trimmedSpaces(card.name));
    } else {
        head = joint.family.isEmpty() ? QString() : verticalText(joint.family) + u"　"_s;
        for (const QString& name : joint.givenNames)
            given << verticalText(name);
    }
    // Lengths at the largest size; a column's length grows with the size.
    printer.setFontSize(VerticalNamePoints);
    const double headLength = printer.verticalLength(head);
    double givenLength = 0;
    for (const QString& name : given)
        givenLength = qMax(givenLength, printer.verticalLength(name));
    const double gap = honorific.isEmpty() ? 0 : em(VerticalNamePoints);
    const double whole = headLength + givenLength + gap + printer.verticalLength(honorific);
    const double room = (VerticalNameBottomMm - VerticalNameTopMm) * PaperTwipsPerMillimetre;
    const double points = whole <= room ? VerticalNamePoints
                                        : qMax(SmallestPoints, std::floor(VerticalNamePoints * room / whole * 10) / 10);
    const double scale = points / VerticalNamePoints;

    const double width = em(points);
    const double pitch = width * (1 + ColumnGapEm);
    const double blockWidth = width + pitch * double(given.size() - 1);
    const double firstLeft = cardTwips(VerticalNameCentreMm) + blockWidth / 2 - width;
    const int top = cardTwips(VerticalNameTopMm) + dy;
    const int givenTop = top + int(std::lround(headLength * scale));
    const int honorificTop = givenTop + int(std::lround((givenLength + gap) * scale));
    for (qsizetype k = 0; k < given.size(); ++k) {
        const int left = int(std::lround(firstLeft - pitch * double(k))) + dx;
        if (k == 0 && !head.isEmpty())
            column(printer, points, left, top, head + given[k]);
        else
            column(printer, points, left, givenTop, given[k]);
        column(printer, points, left, honorificTop, honorific);
    }
}

// A column of at most maxPoints whose right edge stands at rightTwips,
// sized down to end above bottomTwips. Returns its left edge.
int fittedColumn(platform::Printer& printer, const QString& text, double maxPoints, int rightTwips, int topTwips,
                 int bottomTwips, int dx, int dy) {
    const double points = fittingColumnPoints(printer, text, maxPoints, bottomTwips - topTwips);
    const int left = rightTwips - int(std::lround(em(points)));
    column(printer, points, left + dx, topTwips + dy, text);
    return left;
}

} // namespace

double fittingColumnPoints(platform::Printer& printer, const QString& text, double maxPoints, double roomTwips) {
    printer.setFontSize(maxPoints);
    const double length = printer.verticalLength(text);
    if (length <= roomTwips || length <= 0)
        return maxPoints;
    // Rounded down to a tenth of a point, so the column never ends a fraction too low.
    return qMax(SmallestPoints, std::floor(maxPoints * roomTwips / length * 10) / 10);
}

void drawVerticalCard(platform::Printer& printer, const PostcardText& card, const QString& textFace, int dx, int dy) {
    printer.setFontName(textFace);
    drawName(printer, card, dx, dy);

    const int bottom = cardTwips(VerticalAddressBottomMm);
    const int firstRight = cardTwips(VerticalAddressRightMm);
    const QString street = verticalText(card.address1 + card.address2);
    fittedColumn(printer, street, VerticalAddressPoints, firstRight, cardTwips(VerticalAddressTopMm), bottom, dx, dy);
    // The building stands in the next column, one and a half characters of the largest size further left.
    const int secondRight = firstRight - int(std::lround(em(VerticalAddressPoints) * 1.5));
    fittedColumn(printer, verticalText(card.address3), VerticalAddressPoints, secondRight,
                 cardTwips(VerticalBuildingTopMm), bottom, dx, dy);

    if (!card.code.isEmpty()) {
        printer.setFontSize(VerticalCodePoints);
        const int left = cardTwips(VerticalCodeLeftMm);
        printer.setCurrentX(left + dx);
        printer.setCurrentY(cardTwips(VerticalCodeTopMm) + dy);
        printing::printFitted(printer, card.code, left, cardTwips(100));
    }
}

void drawVerticalSender(platform::Printer& printer, const book::AddressCard& sender, const QString& textFace, int dx,
                        int dy) {
    printer.setFontName(textFace);
    const int top = cardTwips(SenderTopMm);
    const int bottom = cardTwips(SenderBottomMm);
    const int pitch = int(std::lround(em(SenderAddressPoints) * 1.5));
    int right = cardTwips(SenderRightMm);
    const QString street = verticalText(sender.address1 + sender.address2);
    if (!street.isEmpty()) {
        fittedColumn(printer, street, SenderAddressPoints, right, top, bottom, dx, dy);
        right -= pitch;
    }
    const QString building = verticalText(sender.address3);
    if (!building.isEmpty()) {
        fittedColumn(printer, building, SenderAddressPoints, right, top + int(em(SenderAddressPoints) * 2), bottom,
                     dx, dy);
        right -= pitch;
    }
    // The name stands a little lower than the address, as it is written by hand.
    const QString name = verticalText(book::jointNameLine(book::trimmedSpaces(sender.name)));
    fittedColumn(printer, name, SenderNamePoints, right - int(em(SenderNamePoints) * 0.25),
                 top + int(em(SenderNamePoints)), bottom, dx, dy);

    if (!sender.postalCode.isEmpty()) {
        printer.setFontSize(SenderCodePoints);
        const int left = cardTwips(SenderCodeLeftMm);
        printer.setCurrentX(left + dx);
        printer.setCurrentY(cardTwips(SenderCodeTopMm) + dy);
        printing::printFitted(printer, printing::zipLine(sender.postalCode), left, cardTwips(45));
    }
}

} // namespace postcard
