#include "printing/PositionDialog.h"

#include "book/LenientNumber.h"
#include "platform/ProgramFolder.h"
#include "printing/AlignmentPage.h"
#include "printing/OffsetsFile.h"
#include "printing/OutputChoice.h"
#include "printing/PrinterTrims.h"
#include "ui/CentreOnScreen.h"
#include "ui/Named.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace printing {

PositionDialog::PositionDialog(ui::AppContext& context, const QString& offsetsPath,
                               std::function<void(const Trims& trims)> onAccepted, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_path(offsetsPath),
      m_onAccepted(std::move(onAccepted)) {
    setWindowTitle(u"印字位置調整"_s);

    auto button = [this](const char* name, const QString& text) {
        auto* b = ui::named(new QPushButton(text, this), name);
        b->setFixedWidth(44);
        return b;
    };
    QPushButton* Command1 = button("Command1", u"＜"_s);
    QPushButton* Command2 = button("Command2", u"＞"_s);
    QPushButton* Command3 = button("Command3", u"∧"_s);
    QPushButton* Command4 = button("Command4", u"∨"_s);
    QPushButton* Command5 = ui::named(new QPushButton(u"OK"_s, this), u"Command5"_s);
    QPushButton* alignmentButton =
        ui::named(new QPushButton(u"位置合わせ用紙を印刷"_s, this), u"alignmentButton"_s);
    alignmentButton->setToolTip(
        u"十字と目盛りを今の印字位置で印刷します。ずれを測って mm で入力してください"_s);

    auto* arrows = new QGridLayout;
    arrows->addWidget(Command3, 0, 1);
    arrows->addWidget(Command1, 1, 0);
    arrows->addWidget(Command2, 1, 2);
    arrows->addWidget(Command4, 2, 1);

    auto label = [this](const char* name, const QString& text) {
        return ui::named(new QLabel(text, this), name);
    };
    lblXscale = label("lblXscale", {});
    lblYscale = label("lblYscale", {});
    for (QLabel* value : {lblXscale, lblYscale}) {
        value->setMinimumWidth(40);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    auto* values = new QGridLayout;
    values->addWidget(label("Label1", u"X 位置（横）"_s), 0, 0);
    values->addWidget(lblXscale, 0, 1);
    values->addWidget(label("Label3", u"mm"_s), 0, 2);
    values->addWidget(label("Label2", u"Ｙ位置（縦）"_s), 1, 0);
    values->addWidget(lblYscale, 1, 1);
    values->addWidget(label("Label4", u"mm"_s), 1, 2);

    auto offsetBox = [this](const char* name, int least, int most, int neutral) {
        auto* box = ui::named(new QDoubleSpinBox(this), name);
        box->setDecimals(1);
        box->setSingleStep(0.1);
        box->setRange(double(least - neutral) / MarkerStep, double(most - neutral) / MarkerStep);
        box->setSuffix(u" mm"_s);
        return box;
    };
    xOffsetBox = offsetBox("xOffsetBox", MarkerMinX, MarkerMaxX, NeutralMarkerX);
    yOffsetBox = offsetBox("yOffsetBox", MarkerMinY, MarkerMaxY, NeutralMarkerY);
    values->addWidget(new QLabel(u"X を入力"_s, this), 2, 0);
    values->addWidget(xOffsetBox, 2, 1, 1, 2);
    values->addWidget(new QLabel(u"Y を入力"_s, this), 3, 0);
    values->addWidget(yOffsetBox, 3, 1, 1, 2);

    auto* side = new QVBoxLayout;
    side->addLayout(arrows);
    side->addSpacing(12);
    side->addLayout(values);
    side->addStretch(1);
    side->addWidget(alignmentButton);
    side->addWidget(Command5);
    m_layout = new QHBoxLayout(this);
    m_layout->addLayout(side);

    connect(Command1, &QPushButton::clicked, this, [this] { step(MarkerDirection::Left); });
    connect(Command2, &QPushButton::clicked, this, [this] { step(MarkerDirection::Right); });
    connect(Command3, &QPushButton::clicked, this, [this] { step(MarkerDirection::Up); });
    connect(Command4, &QPushButton::clicked, this, [this] { step(MarkerDirection::Down); });
    connect(Command5, &QPushButton::clicked, this, &PositionDialog::accept);
    connect(alignmentButton, &QPushButton::clicked, this, &PositionDialog::printAlignmentPage);
    for (QDoubleSpinBox* box : {xOffsetBox, yOffsetBox})
        connect(box, &QDoubleSpinBox::valueChanged, this, &PositionDialog::takeTypedOffsets);
}

void PositionDialog::showDrawing(QWidget* drawing,
                                 std::function<void(const QPoint& markerTwips)> placeMarker) {
    m_placeMarker = std::move(placeMarker);
    m_layout->insertWidget(0, drawing);
    SetOpt(markerFor(printerTrimsPathBeside(m_path), m_path, m_printer, m_medium));
    showMarker();

    adjustSize();
    ui::centreOnScreen(this);
}

void PositionDialog::keepPerPrinter(const QString& printer, const QString& medium) {
    m_printer = printer;
    m_medium = medium;
}

void PositionDialog::SetOpt(const MarkerPosition& position) {
    txtXpoint = position.xPoint;
    txtYpoint = position.yPoint;
    txtOpt = position.extra;
}

MarkerPosition PositionDialog::GetOpt() const {
    return {txtXpoint, txtYpoint, txtOpt};
}

void PositionDialog::showMarker() {
    const MarkerPosition position = GetOpt();
    m_placeMarker(
        QPoint(qRound(book::leadingNumber(txtXpoint)), qRound(book::leadingNumber(txtYpoint))));
    lblXscale->setText(millimetreText(xMillimetres(position)));
    lblYscale->setText(millimetreText(yMillimetres(position)));
    const QSignalBlocker xBlocker(xOffsetBox);
    const QSignalBlocker yBlocker(yOffsetBox);
    xOffsetBox->setValue(xMillimetres(position));
    yOffsetBox->setValue(yMillimetres(position));
}

void PositionDialog::takeTypedOffsets() {
    SetOpt(typedMarker(GetOpt(), xOffsetBox->value(), yOffsetBox->value()));
    showMarker();
}

void PositionDialog::step(MarkerDirection direction) {
    SetOpt(steppedMarker(GetOpt(), direction));
    showMarker();
}

void PositionDialog::printAlignmentPage() {
    // Printed with the trims on screen, so that the crosses show what is left to correct.
    const OffsetsTwips offsets = trimsOf(GetOpt()).twips();
    const platform::PageFormat paper = m_alignmentPaper;
    QSizeF paperMm(paper.widthMillimetres, paper.heightMillimetres);
    if (paper.landscape)
        paperMm.transpose();
    const QString medium = m_medium.isEmpty() ? windowTitle() : m_medium;
    deliverJob(
        outputChoiceForThisRun(), m_context.platform, u"位置合わせ用紙.pdf"_s,
        m_context.state.book.path(), u"Tagora 位置合わせ用紙 "_s + medium, paper, 1,
        [&](platform::Printer& printer) { drawAlignmentPage(printer, paperMm, medium, offsets); });
}

void PositionDialog::accept() {
    platform::ProgramFolder::ensureExists();
    book::WriteResult written = writeOffsets(m_path, GetOpt());
    // The offsets file keeps the latest trims for printers with none of their own.
    if (written.ok() && !m_printer.isEmpty())
        written =
            writePrinterTrims(printerTrimsPathBeside(m_path), {m_printer, m_medium, GetOpt()});
    if (!written.ok()) {
        // The trims are not handed over unsaved: every job reads the file.
        m_context.platform.messages.show(u"印字位置を保存できませんでした。\n"_s +
                                             written.error.describe(),
                                         platform::Buttons::Ok);
        return;
    }
    if (m_onAccepted)
        m_onAccepted(trimsOf(GetOpt()));
    close();
}

} // namespace printing
