#include "postcard/PostcardJob.h"

#include "platform/Units.h"
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
    const int width = platform::paperTwipsOf(CardBoxWidthMillimetres);
    const int height = platform::paperTwipsOf(CardBoxHeightMillimetres);
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

std::optional<barcode::BarcodePlace> placePostcardBarcode(platform::Printer& measure,
                                                          const PostcardText& card,
                                                          const PostcardJobSettings& settings,
                                                          printing::TypesetCard& typeset) {
    if (!settings.barcodes || !card.barcode.data)
        return std::nullopt;
    // Japan Post lets the bars stand 10 mm inside the card's edges, below
    // the cancellation area at the top left, which the address is below too.
    const double margin = 10;
    barcode::BarcodeRoom room;
    room.barsAreaTwips = QRect(QPoint(cardTwips(margin), cardTwips(35)),
                               QPoint(cardTwips(CardWidthMillimetres - margin) - 1,
                                      cardTwips(CardHeightMillimetres - margin) - 1));
    const int width = barcode::barcodeSizeTwips(barcode::StandardBarcodePoints).width();
    room.preferredLeftTwips = room.barsAreaTwips.center().x() - width / 2;
    if (settings.writing == Writing::Vertical) {
        // A vertical address has its barcode at the foot of the card.
        room.topTwips = room.barsAreaTwips.bottom() + 1 -
                        barcode::barcodeSizeTwips(barcode::StandardBarcodePoints).height();
        return barcode::placeBarcode(measure, typeset, room);
    }
    const std::optional<int> nameBottom = barcode::nameBottomTwips(measure, typeset.runs);
    if (!nameBottom)
        return std::nullopt;
    // A horizontal one has it alone right under the name, above the sender.
    const QRect frame = horizontalCardFrame(settings.sender.has_value()).boundsTwips;
    room.barsAreaTwips.setBottom(
        std::min(room.barsAreaTwips.bottom(), frame.bottom() - barcode::clearSpaceTwips()));
    room.topTwips = *nameBottom + barcode::clearSpaceTwips();
    room.preferredLeftTwips = NameLinePlace.xTwips;
    return barcode::placeBarcode(measure, typeset, room);
}

void notePostcardCompromises(platform::Printer& measure, const book::CardList& entries,
                             const PostcardJobSettings& settings, printing::JobReview& review) {
    for (const book::AddressCard& entry : entries) {
        const PostcardText card = postcardTextOf(entry, settings.printCode, settings.barcodes);
        printing::TypesetCard typeset = typesetPostcard(measure, card, settings);
        if (settings.barcodes) {
            if (!card.barcode.data)
                review.noteWithoutBarcode(entry, card.barcode.whyNone);
            else if (!placePostcardBarcode(measure, card, settings, typeset))
                review.noteWithoutBarcode(entry, u"はがきに余白が足りません"_s);
        }
        review.noteCompromises(entry, typeset.compromises);
    }
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
        printing::TypesetCard typeset = typesetPostcard(measure, card, settings);
        const std::optional<barcode::BarcodePlace> place =
            placePostcardBarcode(measure, card, settings, typeset);
        printing::drawRuns(printer, typeset.runs, offsets);
        if (place)
            barcode::drawCustomerBarcode(printer, *card.barcode.data,
                                         place->topLeftTwips + QPoint(dx, dy), place->points);
        if (settings.writing == Writing::Horizontal && settings.sender)
            drawHorizontalSender(printer, *settings.sender, settings.textFace, dx, dy);
        // A break after the last card would leave a blank page at the end.
        if (i + 1 < postcards.size())
            printer.newPage();
    }
}

} // namespace postcard
