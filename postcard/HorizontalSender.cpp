#include "postcard/HorizontalSender.h"

#include "book/JointNames.h"
#include "platform/RecordingPrinter.h"
#include "postcard/PostcardLayout.h"
#include "printing/CardForPrint.h"
#include "printing/HorizontalTypesetter.h"
#include "printing/PostalCode.h"

using namespace Qt::StringLiterals;

namespace postcard {

namespace {

// The sender's corner: three lines 4.5 mm apart from 122 mm down, up to 72 mm across.
printing::HorizontalFrame senderFrame() {
    auto line = [](int index) {
        return printing::LineSlot{
            cardTwips(HorizontalSenderLeftMm),
            cardTwips(HorizontalSenderTopMm + HorizontalSenderPitchMm * index),
            HorizontalSenderPoints};
    };
    printing::HorizontalFrame frame;
    frame.boundsTwips =
        QRect(QPoint(cardTwips(HorizontalSenderLeftMm), cardTwips(HorizontalSenderTopMm - 1)),
              QPoint(cardTwips(HorizontalSenderRightMm) - 1, cardTwips(CardHeightMillimetres - 2)));
    // A long line is carried onto the line below; when the name then has no
    // line of its own the corner is set afresh from its top.
    frame.addresses = {line(0), line(1), line(2)};
    frame.name = line(2);
    return frame;
}

} // namespace

void drawHorizontalSender(platform::Printer& printer, const book::AddressCard& typed,
                          const QString& textFace, int dx, int dy) {
    const book::AddressCard sender = printing::cardForPrint(typed);
    printing::HorizontalCardText text;
    QString first = sender.address1 + sender.address2;
    if (!sender.postalCode.isEmpty())
        first = printing::zipLine(sender.postalCode) + u"　"_s + first;
    text.addresses = {first, sender.address3, QString()};
    text.name = sender.name;
    platform::RecordingPrinter measure;
    printing::TypesetCard set = printing::typesetHorizontal(measure, textFace, text, senderFrame());
    for (printing::PlacedRun& run : set.runs)
        run.role = printing::RunRole::Sender;
    printing::drawRuns(printer, set.runs, {dx, dy});
}

} // namespace postcard
