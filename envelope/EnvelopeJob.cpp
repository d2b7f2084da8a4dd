#include "envelope/EnvelopeJob.h"

#include "barcode/BarcodeDrawing.h"
#include "barcode/CardBarcode.h"
#include "book/Honorifics.h"
#include "book/PostalCode.h"
#include "platform/RecordingPrinter.h"
#include "platform/Units.h"
#include "printing/CardForPrint.h"
#include "printing/PostalCode.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace envelope {

namespace {

printing::VerticalAddressee addresseeOf(const book::AddressCard& card, bool printCode) {
    return {card.name,     book::honorificText(card.honorific), card.address1, card.address2,
            card.address3, printCode ? card.code : QString()};
}

// The seven digits, each centred across its box and as high as the box.
void placeBoxDigits(printing::TypesetCard& card, platform::Printer& measure, const QString& digits,
                    const FrontLayout& layout, const QString& face) {
    measure.setFontName(face);
    measure.setFontSize(CodeBoxPoints);
    const int lineTwips = int(std::lround(platform::twipsOfPoints(CodeBoxPoints)));
    for (qsizetype i = 0; i < digits.size() && i < layout.boxesTwips.size(); ++i) {
        const QRect& box = layout.boxesTwips[i];
        const QString digit(digits[i]);
        const int x = box.x() + int(std::lround((box.width() - measure.textWidth(digit)) / 2.0));
        const int y = box.y() + (box.height() - lineTwips) / 2;
        card.runs.append(
            {printing::RunRole::PostalCode, digit, face, CodeBoxPoints, 100, x, y, false});
    }
}

void markSender(printing::TypesetCard& card) {
    for (printing::PlacedRun& run : card.runs)
        run.role = printing::RunRole::Sender;
}

} // namespace

platform::PageFormat envelopePage(const EnvelopeJobSettings& settings) {
    return pageFormatOf(settings.envelope, settings.writing);
}

printing::TypesetCard typesetEnvelopeFront(platform::Printer& measure,
                                           const book::AddressCard& typed,
                                           const EnvelopeJobSettings& settings) {
    const book::AddressCard entry = printing::cardForPrint(typed);
    const FrontLayout layout = frontLayout(settings.envelope, settings.writing);
    const book::PostalCode code = book::postalCodeOf(entry.postalCode);
    const bool inBoxes = code.isValid() && !layout.boxesTwips.isEmpty();
    const QString writtenCode =
        code.isEmpty() || inBoxes ? QString() : printing::fullWidthCode(code);

    printing::TypesetCard card;
    if (settings.writing == Writing::Vertical) {
        card = printing::typesetVerticalAddressee(measure, addresseeOf(entry, settings.printCode),
                                                  settings.textFace, layout.vertical);
        if (!writtenCode.isEmpty()) {
            // Across, ending where the boxes would end.
            measure.setFontName(settings.textFace);
            measure.setFontSize(layout.codeLine.points);
            const int width = int(std::ceil(measure.textWidth(writtenCode)));
            card.runs.prepend({printing::RunRole::PostalCode, writtenCode, settings.textFace,
                               layout.codeLine.points, 100, layout.codeLineRightTwips - width,
                               layout.codeLine.yTwips, false});
        }
    } else {
        printing::HorizontalCardText text = printing::horizontalTextOf(entry, settings.printCode);
        text.postalLine = writtenCode;
        card = printing::typesetHorizontal(measure, settings.textFace, text, layout.horizontal);
    }
    if (inBoxes)
        placeBoxDigits(card, measure, code.digits, layout, settings.textFace);
    return card;
}

printing::TypesetCard typesetEnvelopeBack(platform::Printer& measure,
                                          const book::AddressCard& typed,
                                          const EnvelopeJobSettings& settings) {
    const book::AddressCard sender = printing::cardForPrint(typed);
    const BackLayoutFrames frames =
        backLayout(settings.envelope, settings.writing, settings.backLayout);
    printing::TypesetCard card;
    if (settings.writing == Writing::Horizontal) {
        printing::HorizontalCardText text;
        text.addresses = {sender.postalCode.isEmpty() ? QString()
                                                      : printing::zipLine(sender.postalCode),
                          sender.address1 + sender.address2, sender.address3};
        text.name = sender.name;
        printing::HorizontalFrame flap = frames.flap;
        // Without a building the name follows the address directly.
        if (sender.address3.isEmpty())
            flap.name.yTwips = flap.addresses[2].yTwips;
        card = printing::typesetHorizontal(measure, settings.textFace, text, flap);
        markSender(card);
        return card;
    }
    if (settings.backLayout == BackLayout::Left)
        return printing::typesetVerticalSender(measure, sender, settings.textFace, frames.address,
                                               frames.address.namePoints + 1);

    // The seam: the address and code right of it, the name left of it,
    // each block moved up to the seam once set.
    auto moveAcross = [](printing::TypesetCard& set, int shift) {
        for (printing::PlacedRun& run : set.runs)
            run.xTwips += shift;
    };
    book::AddressCard address = sender;
    address.name.clear();
    address.postalCode.clear();
    card = printing::typesetVerticalSender(measure, address, settings.textFace, frames.address,
                                           frames.address.namePoints + 1);
    int left = frames.address.columnsTwips.right();
    for (const printing::PlacedRun& run : std::as_const(card.runs))
        if (!run.text.isEmpty())
            left = qMin(left, run.xTwips);
    moveAcross(card, frames.address.columnsTwips.left() - left);

    book::AddressCard code;
    code.postalCode = sender.postalCode;
    card.runs += printing::typesetVerticalSender(measure, code, settings.textFace, frames.address,
                                                 frames.address.namePoints + 1)
                     .runs;

    book::AddressCard name;
    name.name = sender.name;
    // The name a little larger than the address, as by hand.
    const double below = printing::largestPoints(card, printing::RunRole::Sender) + 3;
    printing::TypesetCard nameSet = printing::typesetVerticalSender(
        measure, name, settings.textFace, frames.name, qMax(below, frames.name.namePoints + 1));
    int right = frames.name.columnsTwips.left();
    for (const printing::PlacedRun& run : std::as_const(nameSet.runs))
        if (!run.text.isEmpty())
            right = qMax(right, run.xTwips + int(std::lround(platform::twipsOfPoints(run.points))));
    moveAcross(nameSet, frames.name.columnsTwips.right() - right);
    card.runs += nameSet.runs;
    card.compromises += nameSet.compromises;
    return card;
}

void noteEnvelopeCompromises(platform::Printer& measure, const book::CardList& entries,
                             const EnvelopeJobSettings& settings, printing::JobReview& review) {
    for (const book::AddressCard& entry : entries) {
        review.noteCompromises(entry, typesetEnvelopeFront(measure, entry, settings).compromises);
        if (settings.barcodes)
            if (const barcode::CardBarcode bars = barcode::barcodeOfCard(entry); !bars.data)
                review.noteWithoutBarcode(entry, bars.whyNone);
    }
}

int envelopePageCount(int count, const EnvelopeJobSettings& settings) {
    return settings.printBack && settings.sender ? 2 * count : count;
}

QString envelopeCountQuestion(int count) {
    return u"印刷枚数は"_s + QString::number(count) + u"枚です。"_s;
}

QString envelopeJobTitle(int count) {
    return u"Tagora 封筒 "_s + QString::number(count) + u"件"_s;
}

void drawEnvelopeBarcode(platform::Printer& printer, const book::AddressCard& entry,
                         const EnvelopeJobSettings& settings, printing::OffsetsTwips offsets) {
    if (!settings.barcodes)
        return;
    const barcode::CardBarcode bars = barcode::barcodeOfCard(entry);
    if (!bars.data)
        return;
    // The band below the address is kept free of text for the bars and their clear space.
    const QRect band = frontLayout(settings.envelope, settings.writing).barcodeTwips;
    const int clear = barcode::clearSpaceTwips();
    barcode::drawCustomerBarcode(printer, *bars.data,
                                 band.topLeft() +
                                     QPoint(clear + offsets.xTwips, clear + offsets.yTwips));
}

void drawEnvelopes(platform::Printer& printer, const book::CardList& entries,
                   const EnvelopeJobSettings& settings) {
    const printing::OffsetsTwips offsets = settings.trims.twips();
    const FrontLayout layout = frontLayout(settings.envelope, settings.writing);
    // Measured in the fonts' own metrics, so every device breaks the lines alike.
    platform::RecordingPrinter measure;
    const bool back = settings.printBack && settings.sender;
    const printing::TypesetCard backSet =
        back ? typesetEnvelopeBack(measure, *settings.sender, settings) : printing::TypesetCard();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        for (const QRect& box : layout.boxesTwips)
            printer.drawGuide(box, 0);
        printing::drawRuns(printer, typesetEnvelopeFront(measure, entries[i], settings).runs,
                           offsets);
        drawEnvelopeBarcode(printer, entries[i], settings, offsets);
        if (back) {
            printer.newPage();
            printing::drawRuns(printer, backSet.runs, offsets);
        }
        // A break after the last envelope would leave a blank page at the end.
        if (i + 1 < entries.size())
            printer.newPage();
    }
}

} // namespace envelope
