#include "postcard/PostcardJob.h"

#include "postcard/BoxSpacing.h"
#include "postcard/HorizontalSender.h"
#include "postcard/PostcardLayout.h"
#include "postcard/VerticalCard.h"

#include "platform/RecordingPrinter.h"
#include "printing/PlacedRun.h"

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

printing::HorizontalFrame horizontalCardFrame(bool withSender) {
    auto slot = [](const TextPlace& place) {
        return printing::LineSlot{place.xTwips, place.yTwips, place.points};
    };
    printing::HorizontalFrame frame;
    const int bottom =
        withSender ? cardTwips(HorizontalSenderTopMm - 3) : cardTwips(CardHeightMillimetres - 2);
    frame.boundsTwips =
        QRect(QPoint(cardTwips(0), cardTwips(0)), QPoint(CardRightEdgeTwips - 1, bottom));
    // A code the boxes cannot hold is written out just below them.
    frame.postal = {cardTwips(CardBoxLeftMillimetres[0]),
                    cardTwips(CardBoxTopMillimetres + CardBoxHeightMillimetres + 1), 10};
    frame.addresses = {slot(Address1Place), slot(Address2Place), slot(Address3Place)};
    frame.name = slot(NameLinePlace);
    frame.code = slot(CodePlace);
    return frame;
}

printing::TypesetCard typesetHorizontalCard(platform::Printer& measure, const PostcardText& card,
                                            const PostcardJobSettings& settings) {
    return printing::typesetHorizontal(measure, settings.textFace, card.horizontal,
                                       horizontalCardFrame(settings.sender.has_value()));
}

void notePostcardCompromises(platform::Printer& measure, const book::CardList& entries,
                             const PostcardJobSettings& settings, printing::JobReview& review) {
    for (const book::AddressCard& entry : entries)
        review.noteCompromises(
            entry, typesetPostcard(measure, postcardTextOf(entry, settings.printCode), settings)
                       .compromises);
}

printing::TypesetCard typesetPostcard(platform::Printer& measure, const PostcardText& card,
                                      const PostcardJobSettings& settings) {
    if (settings.writing == Writing::Vertical)
        return typesetVerticalCard(measure, card, settings.sender ? &*settings.sender : nullptr,
                                   settings.textFace);
    return typesetHorizontalCard(measure, card, settings);
}

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
            if (!card.typedCode.isEmpty()) {
                printing::LineSlot place = horizontalCardFrame(false).postal;
                printing::drawRuns(
                    printer,
                    {{printing::RunRole::PostalCode, card.typedCode, settings.textFace,
                      place.points, 100, place.xTwips, place.yTwips, false}},
                    offsets);
            }
        }
        // Measured in the fonts' own metrics, so every device breaks the lines alike.
        platform::RecordingPrinter measure;
        printing::drawRuns(printer, typesetPostcard(measure, card, settings).runs, offsets);
        if (settings.writing == Writing::Horizontal && settings.sender)
            drawHorizontalSender(printer, *settings.sender, settings.textFace, dx, dy);
        // A break after the last card would leave a blank page at the end.
        if (i + 1 < postcards.size())
            printer.newPage();
    }
}

} // namespace postcard
