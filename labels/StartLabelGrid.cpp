#include "labels/StartLabelGrid.h"

#include "book/LenientNumber.h"
#include "labels/LabelLayout.h"
#include "ui/Named.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace labels {

StartLabelGrid::StartLabelGrid(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_sheetGrid = new QGridLayout;
    m_sheetGrid->setSpacing(2);
    column->addLayout(m_sheetGrid);

    auto* proposal = new QHBoxLayout;
    MatName = ui::named(new QLabel(u"印刷開始ラベル番号"_s, this), u"MatName"_s);
    Mat4 = ui::named(new QLabel(u"1"_s, this), u"Mat4"_s);
    Mat4->setMinimumWidth(24);
    Mat4->setAlignment(Qt::AlignCenter);
    QFont bold = Mat4->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    Mat4->setFont(bold);
    QSizePolicy keep = Mat4->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Mat4->setSizePolicy(keep);
    Mat3 = ui::named(new QLabel(u"番から開始"_s, this), u"Mat3"_s);
    proposal->addWidget(MatName);
    proposal->addWidget(Mat4);
    proposal->addWidget(Mat3);
    column->addLayout(proposal);

    auto* confirm = new QHBoxLayout;
    cmdOk = ui::named(new QPushButton(u"OK"_s, this), u"cmdOk"_s);
    cmdReset = ui::named(new QPushButton(u"Cancel"_s, this), u"cmdReset"_s);
    confirm->addWidget(cmdOk);
    confirm->addWidget(cmdReset);
    column->addLayout(confirm);
    usedLabelsButton =
        ui::named(new QPushButton(u"使用済みのラベルを選ぶ"_s, this), u"usedLabelsButton"_s);
    usedLabelsButton->setCheckable(true);
    usedLabelsButton->setToolTip(
        u"押している間、ラベルを押すと使用済み（済）と空きが切り替わります。"
        u"使用済みのラベルには印刷しません。"_s);
    column->addWidget(usedLabelsButton);

    Timer1 = ui::named(new QTimer(this), u"Timer1"_s);
    Timer1->setInterval(500);
    Timer2 = ui::named(new QTimer(this), u"Timer2"_s);
    Timer2->setInterval(500);

    connect(cmdOk, &QPushButton::clicked, this, &StartLabelGrid::confirmStartLabel);
    connect(cmdReset, &QPushButton::clicked, this, &StartLabelGrid::resetStartLabel);
    connect(Timer1, &QTimer::timeout, this, &StartLabelGrid::blinkConfirmed);
    connect(Timer2, &QTimer::timeout, this, &StartLabelGrid::blinkProposal);

    setSheet(standardSheet());
}

void StartLabelGrid::setSheet(const SheetTemplate& sheet) {
    Timer1->stop();
    qDeleteAll(Shape3);
    lblNo.clear();
    Shape3.clear();
    Label1.clear();
    m_used = QList<bool>(sheet.labelCount(), false);
    const QList<QPoint> places = sheet.gridPlaces();
    int columns = 1, rows = 1;
    for (const QPoint& place : places) {
        columns = std::max(columns, place.x() + 1);
        rows = std::max(rows, place.y() + 1);
    }
    // The standard sheet's buttons are 64 × 26; a sheet of many labels gets
    // smaller ones, so the grid keeps to about the same room.
    const QSize buttonSize(std::clamp(140 / columns, 24, 64), std::clamp(170 / rows, 14, 26));
    for (int index = 0; index < places.size(); ++index) {
        auto* frame = ui::named(new QFrame(this), u"Shape3_%1"_s.arg(index));
        frame->setFrameShape(QFrame::Box);
        auto* inFrame = new QHBoxLayout(frame);
        const int margin = buttonSize.height() < 26 ? 1 : 3;
        inFrame->setContentsMargins(margin, margin, margin, margin);
        auto* button =
            ui::named(new QPushButton(QString::number(index + 1), frame), u"lblNo_%1"_s.arg(index));
        button->setFixedSize(buttonSize);
        // A blinking button keeps its place in the sheet.
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
        inFrame->addWidget(button);
        m_sheetGrid->addWidget(frame, places[index].y(), places[index].x());
        lblNo << button;
        Shape3 << frame;
        connect(button, &QPushButton::clicked, this, [this, index] { labelPressed(index); });
    }
    proposeFirstLabel();
    cmdOk->setEnabled(true);
    cmdReset->setEnabled(false);
}

int StartLabelGrid::confirmedIndex() const {
    return qBound(0, book::leadingInteger(Label1), int(lblNo.size()) - 1);
}

void StartLabelGrid::setMat4Colour(const QColor& colour) {
    Mat4->setStyleSheet(u"color: %1;"_s.arg(colour.name()));
}

void StartLabelGrid::setButtonColour(int index, const QColor& colour) {
    lblNo[index]->setStyleSheet(u"color: %1;"_s.arg(colour.name()));
}

int StartLabelGrid::shownLabel() const {
    return book::leadingInteger(Mat4->text());
}

void StartLabelGrid::proposeLabel(int label) {
    Mat4->setText(QString::number(label));
    setMat4Colour(Qt::red);
    Timer2->start();
}

void StartLabelGrid::proposeFirstLabel() {
    for (int index = 0; index < lblNo.size(); ++index) {
        setButtonColour(index, Qt::blue);
        lblNo[index]->setVisible(true);
        Shape3[index]->setVisible(true);
    }
    proposeLabel(1);
}

void StartLabelGrid::holdConfirmed() {
    lblNo[confirmedIndex()]->setVisible(true);
    Timer1->stop();
}

QList<int> StartLabelGrid::usedLabels() const {
    QList<int> used;
    for (int index = 0; index < m_used.size(); ++index)
        if (m_used[index])
            used.append(index + 1);
    return used;
}

void StartLabelGrid::labelPressed(int index) {
    if (!usedLabelsButton->isChecked()) {
        chooseStartLabel(index);
        return;
    }
    m_used[index] = !m_used[index];
    lblNo[index]->setText(m_used[index] ? u"済"_s : QString::number(index + 1));
}

void StartLabelGrid::chooseStartLabel(int index) {
    Timer1->stop();
    emit proposed();
    const int previous = confirmedIndex();
    setButtonColour(previous, Qt::blue);
    lblNo[previous]->setVisible(true);
    proposeLabel(index + 1);
}

void StartLabelGrid::confirmStartLabel() {
    Timer2->stop();
    Timer1->start();
    const int label = book::leadingInteger(Mat4->text());
    Label1 = QString::number(label - 1);
    setButtonColour(confirmedIndex(), Qt::red);
    setMat4Colour(Qt::black);
    Mat4->setVisible(true);
    cmdOk->setEnabled(false);
    cmdReset->setEnabled(true);
    emit confirmed(label);
}

void StartLabelGrid::resetStartLabel() {
    // The confirmed button goes back to blue and stops blinking.
    Timer1->stop();
    const int index = confirmedIndex();
    setButtonColour(index, Qt::blue);
    lblNo[index]->setVisible(true);
    Shape3[index]->setVisible(true);
    proposeLabel(1);
    cmdOk->setEnabled(true);
    emit withdrawn();
}

void StartLabelGrid::blinkProposal() {
    Mat4->setVisible(Mat4->isHidden());
}

void StartLabelGrid::blinkConfirmed() {
    QPushButton* button = lblNo[confirmedIndex()];
    button->setVisible(button->isHidden());
}

} // namespace labels
