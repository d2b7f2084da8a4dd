#include "envelope/EnvelopeLayout.h"

#include "platform/Printer.h"
#include "platform/Units.h"

namespace envelope {

namespace {

// The height of a line of this size, in millimetres.
double lineMm(double points) {
    return points * 25.4 / 72;
}

QRect pageRect(double leftMm, double topMm, double rightMm, double bottomMm) {
    return QRect(QPoint(pageTwips(leftMm), pageTwips(topMm)),
                 QPoint(pageTwips(rightMm) - 1, pageTwips(bottomMm) - 1));
}

// How much larger than a postcard's the texts are set: by the width of an
// upright envelope, the height of one held sideways.
double scaleOf(const QSizeF& page) {
    const bool upright = page.height() >= page.width();
    return upright ? qBound(0.9, page.width() / 100, 1.5) : qBound(0.9, page.height() / 100, 1.3);
}

printing::LineSlot slot(double xMm, double yMm, double points) {
    return {pageTwips(xMm), pageTwips(yMm), points};
}

} // namespace

int pageTwips(double millimetres) {
    return platform::paperTwipsOf(millimetres) - platform::PageOriginInsetTwips;
}

FrontLayout frontLayout(const EnvelopeSize& envelope, Writing writing) {
    FrontLayout layout;
    layout.pageMm = pageFormatOf(envelope, writing).pageMillimetres();
    const double width = layout.pageMm.width();
    const double height = layout.pageMm.height();
    const bool upright = height >= width;
    const double scale = scaleOf(layout.pageMm);

    // Japan Post's boxes are for an envelope held upright.
    const double boxesEnd = width - CodeBoxEndFromRightMm;
    if (envelope.codeBoxes && upright)
        for (double fromEnd : CodeBoxLeftFromEndMm)
            layout.boxesTwips.append(pageRect(boxesEnd - fromEnd, CodeBoxTopMm,
                                              boxesEnd - fromEnd + CodeBoxWidthMm,
                                              CodeBoxTopMm + CodeBoxHeightMm));
    const double boxesBottom = CodeBoxTopMm + CodeBoxHeightMm;
    // A code the boxes cannot hold is written just below them, never in them.
    layout.codeLine = slot(boxesEnd - CodeBoxLeftFromEndMm[0],
                           layout.boxesTwips.isEmpty() ? CodeBoxTopMm + 1 : boxesBottom + 1, 12);
    layout.codeLineRightTwips = pageTwips(boxesEnd);

    if (writing == Writing::Vertical) {
        // The barcode across the foot, the free code beneath it.
        const double barcodeTop = height - 12 - BarcodeHeightMm;
        layout.barcodeTwips = pageRect((width - BarcodeWidthMm) / 2, barcodeTop,
                                       (width + BarcodeWidthMm) / 2, barcodeTop + BarcodeHeightMm);
        printing::VerticalFrame& frame = layout.vertical;
        const double addressTop = boxesBottom + 8;
        frame.addressRightTwips = pageTwips(width - 12 * scale);
        frame.addressTopTwips = pageTwips(addressTop);
        frame.addressBottomTwips = pageTwips(barcodeTop - 4);
        frame.addressPoints = 14 * scale;
        frame.addressLeastPoints = 11;
        frame.nameCentreTwips = pageTwips(width / 2);
        frame.nameTopTwips = pageTwips(addressTop + 12 * scale);
        frame.nameBottomTwips = pageTwips(barcodeTop - 4);
        // The stamp stands in the top-left corner.
        frame.nameLeftLimitTwips = pageTwips(width / 4);
        frame.namePoints = 28 * scale;
        // The sender is on the back: a corner of no size below the name.
        frame.senderTwips = QRect(QPoint(pageTwips(0), frame.nameBottomTwips), QSize(1, 1));
        frame.clearanceTwips = 0;
        frame.codeXTwips = pageTwips(10 * scale);
        frame.codeYTwips = pageTwips(height - 10);
        frame.codeRightTwips = pageTwips(width - 8);
        frame.codePoints = 8;
        return layout;
    }

    // Horizontal: the stamp top-left on an upright envelope, top-right on one
    // held sideways; the lines start below or left of it.
    const double left = upright ? 12 * scale : width / 4;
    const double top = upright ? 38 * scale : height * 0.3;
    const double addressPoints = qMin(11 * scale, 15.0);
    const double namePoints = qMin(18 * scale, 26.0);
    const double codePoints = 9;
    const double pitch = 1.6 * lineMm(addressPoints);
    const double address1 = top + 1.2 * pitch;
    const double address3 = address1 + 2 * pitch;
    const double name = address3 + pitch + 0.6 * lineMm(namePoints);
    const double nameLeft = left + (upright ? 0.1 : 0.05) * width;
    const double code = name + 1.7 * lineMm(namePoints);
    // Japan Post asks for the barcode below the address.
    const double barcodeTop = code + lineMm(codePoints) + 2;
    const double barcodeLeft = qMin(left, (width - BarcodeWidthMm) / 2);
    layout.barcodeTwips = pageRect(barcodeLeft, barcodeTop, barcodeLeft + BarcodeWidthMm,
                                   barcodeTop + BarcodeHeightMm);

    printing::HorizontalFrame& frame = layout.horizontal;
    frame.boundsTwips = pageRect(left - 2, top - 2, width - 10, barcodeTop);
    frame.postal = slot(left, top, addressPoints + 1);
    frame.addresses = {slot(left, address1, addressPoints),
                       slot(left, address1 + pitch, addressPoints),
                       slot(left + lineMm(addressPoints), address3, addressPoints)};
    frame.name = slot(nameLeft, name, namePoints);
    frame.code = slot(nameLeft, code, codePoints);
    return layout;
}

BackLayoutFrames backLayout(const EnvelopeSize& envelope, Writing writing, BackLayout layout) {
    BackLayoutFrames frames;
    const QSizeF page = pageFormatOf(envelope, writing).pageMillimetres();
    const double width = page.width();
    const double height = page.height();
    const double scale = scaleOf(page);
    const double addressPoints = qMin(11 * scale, 13.0);
    const double namePoints = qMin(14 * scale, 18.0);
    const double codePoints = 9;

    if (writing == Writing::Vertical) {
        const double top = height * 0.55;
        const double bottom = height - 15;
        auto frameOf = [&](double leftMm, double rightMm, double codeX, double codeY) {
            printing::VerticalSenderFrame frame;
            frame.columnsTwips = pageRect(leftMm, top, rightMm, bottom);
            frame.addressPoints = addressPoints;
            frame.namePoints = namePoints;
            frame.codeXTwips = pageTwips(codeX);
            frame.codeYTwips = pageTwips(codeY);
            frame.codePoints = codePoints;
            return frame;
        };
        if (layout == BackLayout::Seam) {
            const double seam = width / 2;
            // The address starts right of the seam once set (the job moves
            // its columns up to it); the code line across above it.
            frames.address = frameOf(seam + 3, width - 8, seam + 3, top - 7);
            frames.name = frameOf(8, seam - 3, 8, top - 7);
        } else {
            frames.address = frameOf(8 * scale, width * 0.45, 8 * scale, bottom + 3);
        }
        return frames;
    }

    // On the flap, which folds 28 mm down from the top edge: the postal code,
    // the address, the building and the name, one under another.
    const double flapDepth = 28;
    const double left = qMax(10.0, width / 2 - 40);
    const double lineTop = 5;
    const double pitch = 4.6;
    printing::HorizontalFrame& flap = frames.flap;
    flap.boundsTwips = pageRect(left, lineTop - 1, width - left, flapDepth - 2);
    flap.addresses = {slot(left, lineTop, codePoints), slot(left, lineTop + pitch, codePoints),
                      slot(left + 3, lineTop + 2 * pitch, codePoints)};
    flap.name = slot(left + 6, lineTop + 3 * pitch + 0.5, 10.5);
    return frames;
}

} // namespace envelope
