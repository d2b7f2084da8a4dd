#include "postcard/PostcardJob.h"

#include "postcard/BoxSpacing.h"
#include "postcard/PostcardLayout.h"
#include "postcard/HorizontalSender.h"
#include "postcard/VerticalCard.h"

#include "printing/LineFit.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace postcard {

QString postcardCountQuestion(int count) {
    return u"印刷枚数は"_s + QString::number(count) + u"枚です。"_s;
}

QString postcardJobTitle(int count) {
    return u"Tagora はがき "_s + QString::number(count) + u"件"_s;
}

namespace {

void printAt(platform::Printer& printer, int xTwips, int yTwips, const QString& text) {
    printer.setCurrentX(xTwips);
    printer.setCurrentY(yTwips);
    printer.print(text);
}

// The card's right edge, twips from the page origin.
const int CardRightEdgeTwips = cardTwips(CardWidthMillimetres);

// A text line of the card, condensed when it would run off the card's edge.
void printLine(platform::Printer& printer, const TextPlace& place, int dx, int dy, const QString& text) {
    printer.setCurrentX(place.xTwips + dx);
    printer.setCurrentY(place.yTwips + dy);
    printing::printFitted(printer, text, place.xTwips, CardRightEdgeTwips);
}

void useFont(platform::Printer& printer, const QString& face, double points) {
    printer.setFontName(face);
    printer.setFontSize(points);
}

// The seven code boxes the card has, for a preview; never moved by the trims.
void drawCodeBoxOutlines(platform::Printer& printer) {
    const int top = cardTwips(CardBoxTopMillimetres);
    const int width = int(std::lround(CardBoxWidthMillimetres * PaperTwipsPerMillimetre));
    const int height = int(std::lround(CardBoxHeightMillimetres * PaperTwipsPerMillimetre));
    for (double left : CardBoxLeftMillimetres)
        printer.drawGuide(QRect(cardTwips(left), top, width, height), 0);
}

} // namespace

void drawPostcards(platform::Printer& printer, const QList<PostcardText>& postcards,
                   const PostcardJobSettings& settings) {
    const printing::OffsetsTwips offsets = settings.trims.twips();
    const int dx = offsets.xTwips;
    const int dy = offsets.yTwips;
    for (qsizetype i = 0; i < postcards.size(); ++i) {
        const PostcardText& card = postcards[i];
        drawCodeBoxOutlines(printer);
        useFont(printer, settings.zipFace, ZipBoxPoints);
        for (int box = 0; box < ZipBoxCount; ++box)
            if (!card.zipDigits[box].isEmpty())
                printAt(printer,
                        boxTextXTwips(settings.zipFace, ZipBoxPoints, box, card.zipDigits[box]) +
                            dx,
                        ZipBoxYTwips + dy, card.zipDigits[box]);
        if (settings.writing == Writing::Vertical) {
            drawVerticalCard(printer, card, settings.textFace, dx, dy);
            if (settings.sender)
                drawVerticalSender(printer, *settings.sender, settings.textFace, dx, dy);
        } else {
            useFont(printer, settings.textFace, Address1Place.points);
            printLine(printer, Address1Place, dx, dy, card.address1);
            printLine(printer, Address2Place, dx, dy, card.address2);
            printLine(printer, Address3Place, dx, dy, card.address3);
            useFont(printer, settings.textFace, NameLinePlace.points);
            printLine(printer, NameLinePlace, dx, dy, card.nameLine);
            useFont(printer, settings.textFace, CodePlace.points);
            printLine(printer, CodePlace, dx, dy, card.code);
            if (settings.sender)
                drawHorizontalSender(printer, *settings.sender, settings.textFace, dx, dy);
        }
        // A break after the last card would leave a blank page at the end.
        if (i + 1 < postcards.size())
            printer.newPage();
    }
}

} // namespace postcard
