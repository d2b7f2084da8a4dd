#include "postcard/HorizontalSender.h"

#include "book/JointNames.h"
#include "postcard/PostcardLayout.h"
#include "printing/FullWidth.h"
#include "printing/PostalCode.h"
#include "printing/LineFit.h"

using namespace Qt::StringLiterals;

namespace postcard {

void drawHorizontalSender(platform::Printer& printer, const book::AddressCard& sender, const QString& textFace,
                          int dx, int dy) {
    printer.setFontName(textFace);
    printer.setFontSize(HorizontalSenderPoints);
    QString first = sender.address1 + sender.address2;
    if (!sender.postalCode.isEmpty())
        first = printing::zipLine(sender.postalCode) + u"　"_s + first;
    const QString lines[] = {first, sender.address3, book::jointNameLine(sender.name)};
    const int left = cardTwips(HorizontalSenderLeftMm);
    for (int i = 0; i < 3; ++i) {
        printer.setCurrentX(left + dx);
        printer.setCurrentY(cardTwips(HorizontalSenderTopMm + HorizontalSenderPitchMm * i) + dy);
        printing::printFitted(printer, lines[i], left, cardTwips(HorizontalSenderRightMm));
    }
}

} // namespace postcard
