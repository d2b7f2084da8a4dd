#include "postcard/frmPriloc1.h"

#include "platform/ProgramFolder.h"
#include "postcard/CardDrawing.h"
#include "printing/OffsetsFile.h"
#include "ui/Named.h"

#include <QFrame>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace postcard {

namespace {

// The card is drawn at 1.5 pixels per millimetre, and the marker moves
// 3 pixels a step so that one millimetre can be seen.
constexpr double CardPixelsPerMm = 1.5;
constexpr int PixelsPerStep = 3;
constexpr int CardLeft = 20;
constexpr int CardTop = 16;
// The page origin lies 240 twips (4.2 mm) inside the card's corner.
constexpr int NeutralLeft = CardLeft + 6;
constexpr int NeutralTop = CardTop + 6;

QPoint markerPixels(const QPoint& markerTwips) {
    auto pixels = [](int twips, int neutral) {
        return int(double(twips - neutral) / printing::MarkerStep * PixelsPerStep);
    };
    return {NeutralLeft + pixels(markerTwips.x(), printing::NeutralMarkerX),
            NeutralTop + pixels(markerTwips.y(), printing::NeutralMarkerY)};
}

} // namespace

frmPriloc1::frmPriloc1(ui::AppContext& context,
                       std::function<void(const printing::Trims& trims)> onSaved, QWidget* parent,
                       const QString& printer, const QString& medium)
    : printing::PositionDialog(context, offsetsPath(), std::move(onSaved), parent) {
    setObjectName(u"frmPriloc1"_s);
    keepPerPrinter(printer, medium);
    setAlignmentPaper(medium == u"A4"_s ? platform::PaperSize::A4 : platform::PaperSize::Postcard);
    showDrawing(buildDrawing(),
                [this](const QPoint& markerTwips) { Image1->move(markerPixels(markerTwips)); });
}

QString frmPriloc1::offsetsPath() {
    return platform::ProgramFolder::file(QString::fromUtf16(printing::PostcardOffsetsFileName));
}

QWidget* frmPriloc1::buildDrawing() {
    m_drawing = new QWidget(this);
    const QPixmap card = blankCardPicture(CardPixelsPerMm);
    m_drawing->setFixedSize(CardLeft * 2 + card.width(), CardTop * 2 + card.height());
    m_drawing->setAutoFillBackground(true);
    QPalette palette = m_drawing->palette();
    palette.setColor(QPalette::Window, QColor(200, 200, 200));
    m_drawing->setPalette(palette);

    Shape1 = ui::named(new QLabel(m_drawing), u"Shape1"_s);
    Shape1->setPixmap(card);
    Shape1->setGeometry(CardLeft, CardTop, card.width(), card.height());

    Line1 = ui::named(new QFrame(m_drawing), u"Line1"_s);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setGeometry(NeutralLeft - 12, NeutralTop, 24, 1);
    Line2 = ui::named(new QFrame(m_drawing), u"Line2"_s);
    Line2->setFrameShape(QFrame::VLine);
    Line2->setGeometry(NeutralLeft, NeutralTop - 12, 1, 24);
    for (QFrame* line : {Line1, Line2}) {
        line->setStyleSheet(u"background: red; border: none;"_s);
    }

    Image1 = ui::named(new QLabel(m_drawing), u"Image1"_s);
    const QPixmap block = printedBlockPicture(CardPixelsPerMm);
    Image1->setPixmap(block);
    Image1->resize(block.size());
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    return m_drawing;
}

} // namespace postcard
