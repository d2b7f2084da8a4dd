#include "postcard/frmPriloc1.h"

#include "book/LenientNumber.h"
#include "labels/OffsetsFile.h"
#include "platform/ProgramFolder.h"
#include "postcard/CardDrawing.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

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

int markerLeft(const QString& xPoint) {
    return NeutralLeft + int((book::leadingNumber(xPoint) - labels::NeutralMarkerX) / labels::MarkerStep * PixelsPerStep);
}

int markerTop(const QString& yPoint) {
    return NeutralTop + int((book::leadingNumber(yPoint) - labels::NeutralMarkerY) / labels::MarkerStep * PixelsPerStep);
}

} // namespace

frmPriloc1::frmPriloc1(app::AppContext& context,
                       std::function<void(const QString& xMm, const QString& yMm)> onSaved, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_onSaved(std::move(onSaved)) {
    setObjectName(u"frmPriloc1"_s);
    setWindowTitle(u"印字位置調整"_s);
    buildControls();
    setOpt(labels::readOffsets(offsetsPath()));
    placeMarker();
    lblXscale->setText(labels::millimetreText(labels::xMillimetres(getOpt())));
    lblYscale->setText(labels::millimetreText(labels::yMillimetres(getOpt())));
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
}

QString frmPriloc1::offsetsPath() {
    return platform::ProgramFolder::file(QString::fromUtf16(labels::PostcardOffsetsFileName));
}

void frmPriloc1::buildControls() {
    m_drawing = new QWidget(this);
    const QPixmap card = blankCardPicture(CardPixelsPerMm);
    m_drawing->setFixedSize(CardLeft * 2 + card.width(), CardTop * 2 + card.height());
    m_drawing->setAutoFillBackground(true);
    QPalette palette = m_drawing->palette();
    palette.setColor(QPalette::Window, QColor(200, 200, 200));
    m_drawing->setPalette(palette);

    Shape1 = new QLabel(m_drawing);
    Shape1->setObjectName(u"Shape1"_s);
    Shape1->setPixmap(card);
    Shape1->setGeometry(CardLeft, CardTop, card.width(), card.height());

    Line1 = new QFrame(m_drawing);
    Line1->setObjectName(u"Line1"_s);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setGeometry(NeutralLeft - 12, NeutralTop, 24, 1);
    Line2 = new QFrame(m_drawing);
    Line2->setObjectName(u"Line2"_s);
    Line2->setFrameShape(QFrame::VLine);
    Line2->setGeometry(NeutralLeft, NeutralTop - 12, 1, 24);
    for (QFrame* line : {Line1, Line2}) {
        line->setStyleSheet(u"background: red; border: none;"_s);
    }

    Image1 = new QLabel(m_drawing);
    Image1->setObjectName(u"Image1"_s);
    const QPixmap block = printedBlockPicture(CardPixelsPerMm);
    Image1->setPixmap(block);
    Image1->resize(block.size());
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto button = [this](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFixedSize(44, 32);
        return b;
    };
    Command1 = button(u"Command1"_s, u"＜"_s);
    Command2 = button(u"Command2"_s, u"＞"_s);
    Command3 = button(u"Command3"_s, u"∧"_s);
    Command4 = button(u"Command4"_s, u"∨"_s);
    Command5 = new QPushButton(u"OK"_s, this);
    Command5->setObjectName(u"Command5"_s);

    auto label = [this](const QString& name, const QString& caption) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(name);
        return l;
    };
    Label1 = label(u"Label1"_s, u"X 位置（横）"_s);
    lblXscale = label(u"lblXscale"_s, {});
    Label3 = label(u"Label3"_s, u"mm"_s);
    Label2 = label(u"Label2"_s, u"Ｙ位置（縦）"_s);
    lblYscale = label(u"lblYscale"_s, {});
    Label4 = label(u"Label4"_s, u"mm"_s);
    for (QLabel* value : {lblXscale, lblYscale}) {
        value->setMinimumWidth(40);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    auto* arrows = new QGridLayout;
    arrows->addWidget(Command3, 0, 1);
    arrows->addWidget(Command1, 1, 0);
    arrows->addWidget(Command2, 1, 2);
    arrows->addWidget(Command4, 2, 1);

    auto* values = new QGridLayout;
    values->addWidget(Label1, 0, 0);
    values->addWidget(lblXscale, 0, 1);
    values->addWidget(Label3, 0, 2);
    values->addWidget(Label2, 1, 0);
    values->addWidget(lblYscale, 1, 1);
    values->addWidget(Label4, 1, 2);

    auto* side = new QVBoxLayout;
    side->addLayout(arrows);
    side->addSpacing(12);
    side->addLayout(values);
    side->addStretch();
    side->addWidget(Command5);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_drawing);
    layout->addLayout(side);

    connect(Command1, &QPushButton::clicked, this, &frmPriloc1::stepLeft);
    connect(Command2, &QPushButton::clicked, this, &frmPriloc1::stepRight);
    connect(Command3, &QPushButton::clicked, this, &frmPriloc1::stepUp);
    connect(Command4, &QPushButton::clicked, this, &frmPriloc1::stepDown);
    connect(Command5, &QPushButton::clicked, this, &frmPriloc1::saveAndClose);
}

void frmPriloc1::setOpt(const labels::MarkerPosition& position) {
    txtXpoint = position.xPoint;
    txtYpoint = position.yPoint;
    txtOpt = position.extra;
}

labels::MarkerPosition frmPriloc1::getOpt() const {
    return {txtXpoint, txtYpoint, txtOpt};
}

void frmPriloc1::placeMarker() {
    Image1->move(markerLeft(txtXpoint), markerTop(txtYpoint));
}

void frmPriloc1::step(labels::MarkerDirection direction) {
    const labels::MarkerPosition before = getOpt();
    const labels::MarkerPosition after = labels::steppedMarker(before, direction);
    if (after.xPoint == before.xPoint && after.yPoint == before.yPoint)
        return;
    setOpt(after);
    placeMarker();
    if (after.xPoint != before.xPoint)
        lblXscale->setText(labels::millimetreText(labels::xMillimetres(after)));
    else
        lblYscale->setText(labels::millimetreText(labels::yMillimetres(after)));
}

void frmPriloc1::stepLeft() { step(labels::MarkerDirection::Left); }
void frmPriloc1::stepRight() { step(labels::MarkerDirection::Right); }
void frmPriloc1::stepUp() { step(labels::MarkerDirection::Up); }
void frmPriloc1::stepDown() { step(labels::MarkerDirection::Down); }

void frmPriloc1::saveAndClose() {
    platform::ProgramFolder::ensureExists();
    const book::WriteResult written = labels::writeOffsets(offsetsPath(), getOpt());
    if (!written.ok()) {
        // The jobs read the file, so a setting that was not kept must not look saved.
        m_context.platform.messages.show(u"印字位置を保存できませんでした。\n"_s + written.error.describe());
        return;
    }
    if (m_onSaved)
        m_onSaved(lblXscale->text(), lblYscale->text());
    close();
}

} // namespace postcard
