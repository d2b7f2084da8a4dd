#include "postcard/CardPreview.h"

#include "book/Honorifics.h"
#include "platform/Fonts.h"
#include "platform/Printer.h"
#include "platform/RecordingPrinter.h"
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
    return qRound((layoutTwips + platform::PageOriginInsetTwips) / PaperTwipsPerMillimetre *
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

// Draws what a job prints onto the card's picture, one twip a unit from the
// page origin. Columns stand character under character, in the faces'
// usual forms: the picture shows where things go and how large.
class PicturePrinter : public platform::Printer {
  public:
    explicit PicturePrinter(QPixmap& picture) : m_painter(&picture) {
        const double scale = PreviewPixelsPerMm / PaperTwipsPerMillimetre;
        m_painter.setRenderHint(QPainter::TextAntialiasing);
        m_painter.scale(scale, scale);
        m_painter.translate(platform::PageOriginInsetTwips, platform::PageOriginInsetTwips);
        m_painter.setPen(QColor(30, 30, 30));
    }
    bool begin(const platform::PageFormat&) override { return true; }
    QMargins unprintableTwips() const override { return {}; }
    void setFontName(const QString& face) override {
        m_face = face;
        apply();
    }
    void setFontSize(double points) override {
        m_points = points;
        apply();
    }
    void setFontStretch(int percent) override {
        m_font.setStretch(percent);
        m_painter.setFont(m_font);
    }
    double textWidth(const QString& text) const override {
        return QFontMetricsF(m_font).horizontalAdvance(text);
    }
    void setCurrentX(int twips) override { m_x = twips; }
    void setCurrentY(int twips) override { m_y = twips; }
    void print(const QString& text) override {
        m_painter.drawText(QPointF(m_x, m_y + QFontMetricsF(m_font).ascent()), text);
    }
    void printVertical(const QString& text) override {
        const double em = m_points * 20;
        const QFontMetricsF metrics(m_font);
        double y = m_y;
        for (const uint c : text.toUcs4()) {
            const QString character = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
            const double width = metrics.horizontalAdvance(character);
            m_painter.drawText(QPointF(m_x + (em - width) / 2, y + metrics.ascent()), character);
            y += em;
        }
    }
    double verticalLength(const QString& text) const override {
        return double(text.toUcs4().size()) * m_points * 20;
    }
    void fillRect(const QRect& twips) override { m_painter.fillRect(twips, QColor(30, 30, 30)); }
    void newPage() override {}
    bool endDoc() override { return true; }
    QString errorText() const override { return {}; }
    QStringList fontNames() const override { return {}; }
    void drawLine(const QPoint& fromTwips, const QPoint& toTwips) override {
        m_painter.drawLine(fromTwips, toTwips);
    }

  private:
    void apply() {
        m_font = QFont(platform::printableFamily(m_face));
        m_font.setPixelSize(qMax(1, qRound(m_points * 20)));
        m_painter.setFont(m_font);
    }
    QPainter m_painter;
    QFont m_font;
    QString m_face;
    double m_points = 10;
    int m_x = 0;
    int m_y = 0;
};

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
        PicturePrinter printer(picture);
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
