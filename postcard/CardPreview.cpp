#include "postcard/CardPreview.h"

#include "book/Honorifics.h"
#include "platform/Fonts.h"
#include "platform/PainterPrinter.h"
#include "platform/Printer.h"
#include "platform/RecordingPrinter.h"
#include "platform/Units.h"
#include "postcard/CardDrawing.h"
#include "postcard/HorizontalSender.h"
#include "postcard/PostcardJob.h"
#include "postcard/PostcardLayout.h"
#include "postcard/PostcardText.h"
#include "postcard/VerticalCard.h"
#include "printing/PlacedRun.h"
#include "ui/Named.h"

#include <QFontMetricsF>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace postcard {

namespace {

// The preview draws the card at 3 pixels per millimetre.
constexpr double PreviewPixelsPerMm = 3.0;
constexpr double MillimetresPerPoint = 25.4 / 72.0;

int previewPixels(int layoutTwips) {
    return qRound(platform::paperMillimetresOf(layoutTwips + platform::PageOriginInsetTwips) *
                  PreviewPixelsPerMm);
}

int previewFontPixels(double points) {
    return qRound(points * MillimetresPerPoint * PreviewPixelsPerMm);
}

QFont faceAt(const QString& face, double points) {
    QFont font(face);
    font.setPixelSize(previewFontPixels(points));
    return font;
}

// The card's picture as a painter one twip a unit from the page origin.
void scaleToTwips(QPainter& painter) {
    const double scale = PreviewPixelsPerMm / platform::PaperTwipsPerMillimetre;
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.translate(platform::PageOriginInsetTwips, platform::PageOriginInsetTwips);
    painter.setPen(QColor(30, 30, 30));
}

} // namespace

CardPreview::CardPreview(QWidget* parent) : QLabel(parent) {
    setObjectName(u"picCard"_s);
    const QPixmap blank = blankCardPicture(PreviewPixelsPerMm);
    setPixmap(blank);
    setFixedSize(blank.size());

    for (int box = 0; box < ZipBoxCount; ++box) {
        auto* label = ui::named(new QLabel(this), u"lblZipb%1"_s.arg(box));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(qRound(CardBoxLeftMillimetres[box] * PreviewPixelsPerMm),
                           qRound(CardBoxTopMillimetres * PreviewPixelsPerMm),
                           qRound(CardBoxWidthMillimetres * PreviewPixelsPerMm),
                           qRound(CardBoxHeightMillimetres * PreviewPixelsPerMm));
        lblZipb[box] = label;
    }
    auto line = [&](const QString& name, const TextPlace& place) {
        auto* label = ui::named(new QLabel(this), name);
        const int left = previewPixels(place.xTwips);
        label->setGeometry(left, previewPixels(place.yTwips), blank.width() - left - 4,
                           previewFontPixels(place.points) + 6);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    lblAdd1 = line(u"lblAdd1"_s, Address1Place);
    lblAdd2 = line(u"lblAdd2"_s, Address2Place);
    lblAdd3 = line(u"lblAdd3"_s, Address3Place);
    lblName = line(u"lblName"_s, NameLinePlace);
    lblCode = line(u"lblCode"_s, CodePlace);
}

void CardPreview::showEntry(const book::AddressCard& entry, const QString& textFace,
                            Writing writing, const std::optional<book::AddressCard>& sender) {
    QPixmap picture = blankCardPicture(PreviewPixelsPerMm);
    {
        QPainter painter(&picture);
        scaleToTwips(painter);
        platform::PainterPrinter printer(painter);
        if (writing == Writing::Vertical) {
            platform::RecordingPrinter measure;
            printing::drawRuns(printer,
                               typesetVerticalCard(measure, postcardTextOf(entry),
                                                   sender ? &*sender : nullptr, textFace)
                                   .runs,
                               {});
        } else {
            // The lines as the job sets them: broken, condensed, stacked alike.
            PostcardJobSettings settings;
            settings.textFace = textFace;
            settings.sender = sender;
            platform::RecordingPrinter measure;
            printing::drawRuns(
                printer, typesetHorizontalCard(measure, postcardTextOf(entry), settings).runs, {});
            if (sender)
                drawHorizontalSender(printer, *sender, textFace, 0, 0);
        }
    }
    setPixmap(picture);
    // The text boxes keep the entry's lines for whoever reads them; the
    // picture shows them as printed.
    for (QLabel* line : {lblName, lblAdd1, lblAdd2, lblAdd3, lblCode})
        line->setVisible(false);
    lblName->setText(book::previewNameLine(entry));
    lblAdd1->setText(entry.address1);
    lblAdd2->setText(entry.address2);
    lblCode->setText(entry.code);
    lblAdd3->setText(entry.address3);
    lblName->setFont(faceAt(textFace, NameLinePlace.points));
    lblAdd1->setFont(faceAt(textFace, Address1Place.points));
    lblAdd2->setFont(faceAt(textFace, Address2Place.points));
    lblAdd3->setFont(faceAt(textFace, Address3Place.points));
    lblCode->setFont(faceAt(textFace, CodePlace.points));
}

void CardPreview::showCode(const ZipBoxes& boxes, const QString& codeFace) {
    for (int box = 0; box < ZipBoxCount; ++box) {
        lblZipb[box]->setText(boxes[box]);
        lblZipb[box]->setFont(faceAt(codeFace, ZipBoxPoints));
    }
}

} // namespace postcard
