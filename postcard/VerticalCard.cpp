#include "postcard/VerticalCard.h"

#include "platform/Units.h"

namespace postcard {

namespace {

QRect cardRect(double leftMm, double topMm, double rightMm, double bottomMm) {
    return QRect(QPoint(cardTwips(leftMm), cardTwips(topMm)),
                 QPoint(cardTwips(rightMm), cardTwips(bottomMm)));
}

printing::VerticalAddressee addresseeOf(const PostcardText& card) {
    return {card.name, card.honorific, card.address1, card.address2, card.address3, card.code};
}

} // namespace

printing::VerticalFrame verticalCardFrame() {
    printing::VerticalFrame frame;
    frame.addressRightTwips = cardTwips(VerticalAddressRightMm);
    frame.addressTopTwips = cardTwips(VerticalAddressTopMm);
    frame.addressBottomTwips = cardTwips(VerticalAddressBottomMm);
    frame.addressPoints = VerticalAddressPoints;
    frame.addressLeastPoints = VerticalAddressLeastPoints;
    frame.nameCentreTwips = cardTwips(VerticalNameCentreMm);
    frame.nameTopTwips = cardTwips(VerticalNameTopMm);
    frame.nameBottomTwips = cardTwips(VerticalNameBottomMm);
    frame.nameLeftLimitTwips = cardTwips(VerticalNameLeftLimitMm);
    frame.namePoints = VerticalNamePoints;
    frame.senderTwips = cardRect(SenderLeftMm, SenderTopMm, SenderRightMm, SenderCodeBottomMm);
    frame.clearanceTwips = platform::paperTwipsOf(SenderClearanceMm);
    frame.codeXTwips = cardTwips(VerticalCodeLeftMm);
    frame.codeYTwips = cardTwips(VerticalCodeTopMm);
    frame.codeRightTwips = cardTwips(CardWidthMillimetres);
    frame.codePoints = VerticalCodePoints;
    return frame;
}

printing::VerticalSenderFrame verticalSenderFrame() {
    printing::VerticalSenderFrame frame;
    frame.columnsTwips = cardRect(SenderLeftMm, SenderTopMm, SenderRightMm, SenderBottomMm);
    frame.addressPoints = SenderAddressPoints;
    frame.namePoints = SenderNamePoints;
    frame.codeXTwips = cardTwips(SenderCodeLeftMm);
    frame.codeYTwips = cardTwips(SenderCodeTopMm);
    frame.codePoints = SenderCodePoints;
    return frame;
}

printing::TypesetCard typesetVerticalCard(platform::Printer& printer, const PostcardText& card,
                                          const book::AddressCard* sender,
                                          const QString& textFace) {
    printing::TypesetCard typeset = printing::typesetVerticalAddressee(
        printer, addresseeOf(card), textFace, verticalCardFrame());
    if (!sender)
        return typeset;
    double below = printing::largestPoints(typeset, printing::RunRole::Address);
    if (below <= 0)
        below = VerticalAddressLeastPoints;
    const printing::TypesetCard senderSet =
        printing::typesetVerticalSender(printer, *sender, textFace, verticalSenderFrame(), below);
    typeset.runs += senderSet.runs;
    typeset.compromises += senderSet.compromises;
    return typeset;
}

} // namespace postcard
