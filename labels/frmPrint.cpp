#include "labels/frmPrint.h"

#include "ui/Named.h"
#include "book/Honorifics.h"
#include "book/LenientNumber.h"
#include "labels/FullWidth.h"
#include "labels/LabelPrintJob.h"
#include "labels/OffsetsFile.h"
#include "labels/OutputChoice.h"
#include "ui/ToolWindow.h"
#include "labels/frmFont.h"
#include "labels/frmOutput.h"
#include "labels/frmPriloc.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// The preview is a label cell at 15 twips to the pixel.
constexpr int PreviewTwipsPerPixel = 15;

QLabel* previewLine(QWidget* parent, const char* name, int xTwips, int yTwips, int widthPixels) {
    auto* label = ui::named(new QLabel(parent), name);
    label->setGeometry(xTwips / PreviewTwipsPerPixel + 8, yTwips / PreviewTwipsPerPixel + 8, widthPixels, 22);
    return label;
}

QFont previewFont(const QString& face, int points) {
    QFont font(face);
    font.setPointSize(points);
    return font;
}

} // namespace

frmPrint::frmPrint(ui::AppContext& context, const book::CardList& entries, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_printCopy(entries) {
    setObjectName(u"frmPrint"_s);
    setWindowTitle(u"印刷フォーマット"_s);
    buildWindow();
    buildMenuAndToolbar();

    proposeFirstLabel();
    cmdPrint->setEnabled(false);
    cmdReset->setEnabled(false);

    m_preview.EntryCount = int(m_printCopy.size());
    Text6 = QStringView(platform::MinchoFace).toString();
    m_preview.CurrentEntry = 0;
    if (m_context.state.PrintFromList) {
        GetPage();
        showPosition();
    } else {
        // One typed address: nothing to step through.
        lblPP->setVisible(false);
        cmdRew->setEnabled(false);
        cmdFF->setEnabled(false);
        m_preview.EntryCount = qMin(m_preview.EntryCount, 1);
        m_printCopy = m_printCopy.mid(0, 1);
        GetPage();
    }

    adjustSize();
    if (QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
}

void frmPrint::buildWindow() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* columns = new QHBoxLayout(central);

    auto* left = new QVBoxLayout;
    Shape1 = ui::named(new QFrame(central), u"Shape1"_s);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setFixedSize(4950 / PreviewTwipsPerPixel + 16, 2390 / PreviewTwipsPerPixel + 16);
    Shape1->setStyleSheet(u"QFrame#Shape1 { background: white; }"_s);
    // Lines where they fall in a left-column cell, from its postal line.
    lblZip = previewLine(Shape1, "lblZip", 0, 0, 300);
    lblAdd1 = previewLine(Shape1, "lblAdd1", 0, 400, 320);
    lblAdd2 = previewLine(Shape1, "lblAdd2", 0, 700, 320);
    lblAdd3 = previewLine(Shape1, "lblAdd3", 200, 1000, 300);
    lblName = previewLine(Shape1, "lblName", 800, 1500, 280);
    lblCode = previewLine(Shape1, "lblCode", 1000, 1850, 260);
    for (QLabel* line : {lblZip, lblAdd1, lblAdd2, lblAdd3, lblCode})
        line->setFont(previewFont(QStringView(platform::MinchoFace).toString(), 10));
    lblName->setFont(previewFont(QStringView(platform::MinchoFace).toString(), 11));
    left->addWidget(Shape1);

    auto* navigation = new QHBoxLayout;
    cmdRew = ui::named(new QPushButton(u"＜"_s, central), u"cmdRew"_s);
    cmdRew->setToolTip(u"戻る"_s);
    lblPP = ui::named(new QLabel(central), u"lblPP"_s);
    lblPP->setAlignment(Qt::AlignCenter);
    cmdFF = ui::named(new QPushButton(u"＞"_s, central), u"cmdFF"_s);
    cmdFF->setToolTip(u"次のラベルへ"_s);
    navigation->addWidget(cmdRew);
    navigation->addWidget(lblPP, 1);
    navigation->addWidget(cmdFF);
    left->addLayout(navigation);
    left->addStretch(1);

    auto* commands = new QHBoxLayout;
    cmdPrint = ui::named(new QPushButton(u"印刷"_s, central), u"cmdPrint"_s);
    cmdCancel = ui::named(new QPushButton(u"戻る"_s, central), u"cmdCancel"_s);
    cmdExit = ui::named(new QPushButton(u"終了"_s, central), u"cmdExit"_s);
    commands->addWidget(cmdPrint);
    commands->addWidget(cmdCancel);
    commands->addWidget(cmdExit);
    left->addLayout(commands);
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* sheet = new QGridLayout;
    sheet->setSpacing(2);
    for (int index = 0; index < 12; ++index) {
        auto* frame = ui::named(new QFrame(central), u"Shape3_%1"_s.arg(index));
        frame->setFrameShape(QFrame::Box);
        auto* inFrame = new QHBoxLayout(frame);
        inFrame->setContentsMargins(3, 3, 3, 3);
        auto* button =
            ui::named(new QPushButton(QString::number(index + 1), frame), u"lblNo_%1"_s.arg(index));
        button->setFixedSize(64, 26);
        // A blinking button keeps its place in the sheet.
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
        inFrame->addWidget(button);
        sheet->addWidget(frame, index / 2, index % 2);
        lblNo << button;
        Shape3 << frame;
        connect(button, &QPushButton::clicked, this, [this, index] { chooseStartLabel(index); });
    }
    right->addLayout(sheet);

    auto* proposal = new QHBoxLayout;
    MatName = ui::named(new QLabel(u"印刷開始ラベル番号"_s, central), u"MatName"_s);
    Mat4 = ui::named(new QLabel(u"1"_s, central), u"Mat4"_s);
    Mat4->setMinimumWidth(24);
    Mat4->setAlignment(Qt::AlignCenter);
    QFont bold = Mat4->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    Mat4->setFont(bold);
    QSizePolicy keep = Mat4->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Mat4->setSizePolicy(keep);
    Mat3 = ui::named(new QLabel(u"番から開始"_s, central), u"Mat3"_s);
    proposal->addWidget(MatName);
    proposal->addWidget(Mat4);
    proposal->addWidget(Mat3);
    right->addLayout(proposal);

    auto* confirm = new QHBoxLayout;
    cmdOk = ui::named(new QPushButton(u"OK"_s, central), u"cmdOk"_s);
    cmdReset = ui::named(new QPushButton(u"Cancel"_s, central), u"cmdReset"_s);
    confirm->addWidget(cmdOk);
    confirm->addWidget(cmdReset);
    right->addLayout(confirm);
    columns->addLayout(right);

    Timer1 = ui::named(new QTimer(this), u"Timer1"_s);
    Timer1->setInterval(500);
    Timer2 = ui::named(new QTimer(this), u"Timer2"_s);
    Timer2->setInterval(500);

    connect(cmdRew, &QPushButton::clicked, this, &frmPrint::previousEntry);
    connect(cmdFF, &QPushButton::clicked, this, &frmPrint::nextEntry);
    connect(cmdOk, &QPushButton::clicked, this, &frmPrint::confirmStartLabel);
    connect(cmdReset, &QPushButton::clicked, this, &frmPrint::resetStartLabel);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPrint::printJob);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrint::goBack);
    connect(cmdExit, &QPushButton::clicked, this, &frmPrint::endProgram);
    connect(Timer1, &QTimer::timeout, this, &frmPrint::blinkConfirmed);
    connect(Timer2, &QTimer::timeout, this, &frmPrint::blinkProposal);
}

void frmPrint::buildMenuAndToolbar() {
    QMenu* mnuSet = menuBar()->addMenu(u"設定"_s);
    mnuSet->setObjectName(u"mnuSet"_s);
    QAction* mnuFont = mnuSet->addAction(u"フォント指定"_s);
    mnuFont->setObjectName(u"mnuFont"_s);
    QAction* mnuLocate = mnuSet->addAction(u"印字位置"_s);
    mnuLocate->setObjectName(u"mnuLocate"_s);
    QAction* mnuOutput = mnuSet->addAction(u"出力先"_s);
    mnuOutput->setObjectName(u"mnuOutput"_s);
    connect(mnuFont, &QAction::triggered, this, &frmPrint::openFontChooser);
    connect(mnuLocate, &QAction::triggered, this, &frmPrint::openPositionDialog);
    connect(mnuOutput, &QAction::triggered, this, &frmPrint::openOutputChoice);

    QToolBar* toolbar = addToolBar(u"Toolbar"_s);
    toolbar->setObjectName(u"Toolbar1"_s);
    toolbar->setMovable(false);
    auto tool = [&](const char* name, const QString& text, const QString& tip) {
        auto* button = ui::named(new QToolButton(toolbar), name);
        button->setText(text);
        button->setToolTip(tip);
        toolbar->addWidget(button);
        return button;
    };
    Command1 = tool("Command1", u"フォント"_s, u"フォント選択"_s);
    Command2 = tool("Command2", u"印字位置"_s, u"印字位置設定"_s);
    Command3 = tool("Command3", u"?"_s, u"ヘルプ"_s);
    connect(Command1, &QToolButton::clicked, this, &frmPrint::openFontChooser);
    connect(Command2, &QToolButton::clicked, this, &frmPrint::openPositionDialog);
    connect(Command3, &QToolButton::clicked, this, &frmPrint::showHelp);
}

void frmPrint::GetPage() {
    if (m_preview.CurrentEntry < 0 || m_preview.CurrentEntry >= m_printCopy.size())
        return;
    book::AddressCard& entry = m_printCopy[m_preview.CurrentEntry];
    // The full-width form is kept: the preview and every later print use it.
    entry.postalCode = toFullWidth(entry.postalCode);
    lblName->setText(book::previewNameLine(entry));
    lblAdd1->setText(entry.address1);
    lblAdd2->setText(entry.address2);
    lblZip->setText(u"〒"_s + entry.postalCode);
    lblCode->setText(entry.code);
    lblAdd3->setText(entry.address3);
}

void frmPrint::Reget() {
    if (m_preview.CurrentEntry < 0 || m_preview.CurrentEntry >= m_printCopy.size())
        return;
    const book::AddressCard& entry = m_printCopy[m_preview.CurrentEntry];
    lblName->setText(book::nameLine(entry));
    lblAdd1->setText(entry.address1);
    lblAdd2->setText(entry.address2);
    lblAdd3->setText(entry.address3);
    lblCode->setText(entry.code);
    lblZip->setText(entry.postalCode);
    for (QLabel* line : {lblName, lblAdd1, lblAdd2, lblAdd3, lblZip, lblCode}) {
        QFont font = line->font();
        font.setFamily(Text6);
        line->setFont(font);
    }
}

void frmPrint::showPosition() {
    lblPP->setText(m_preview.position());
}

void frmPrint::previousEntry() {
    if (m_preview.back() == PreviewPager::Step::AtFirst) {
        m_context.platform.messages.show(u"最初のﾗﾍﾞﾙです。"_s, platform::Buttons::Ok);
        return;
    }
    GetPage();
    showPosition();
}

void frmPrint::nextEntry() {
    const PreviewPager::Step step = m_preview.forward();
    if (step == PreviewPager::Step::AtLast)
        m_context.platform.messages.show(u"最後のﾗﾍﾞﾙです。"_s, platform::Buttons::Ok);
    if (step != PreviewPager::Step::Moved)
        return;
    GetPage();
    showPosition();
}

int frmPrint::confirmedIndex() const {
    return qBound(0, book::leadingInteger(Label1), 11);
}

void frmPrint::setMat4Colour(const QColor& colour) {
    Mat4->setStyleSheet(u"color: %1;"_s.arg(colour.name()));
}

void frmPrint::setButtonColour(int index, const QColor& colour) {
    lblNo[index]->setStyleSheet(u"color: %1;"_s.arg(colour.name()));
}

void frmPrint::proposeLabel(const QString& label) {
    Mat4->setText(label);
    setMat4Colour(Qt::red);
    Timer2->start();
}

void frmPrint::proposeFirstLabel() {
    for (int index = 0; index < 12; ++index) {
        setButtonColour(index, Qt::blue);
        lblNo[index]->setVisible(true);
        Shape3[index]->setVisible(true);
    }
    proposeLabel(u"1"_s);
}

void frmPrint::chooseStartLabel(int index) {
    Timer1->stop();
    cmdPrint->setEnabled(false);
    const int previous = confirmedIndex();
    setButtonColour(previous, Qt::blue);
    lblNo[previous]->setVisible(true);
    proposeLabel(QString::number(index + 1));
}

void frmPrint::confirmStartLabel() {
    Timer2->stop();
    Timer1->start();
    cmdPrint->setEnabled(true);
    Text2 = Mat4->text();
    Label1 = QString::number(book::leadingInteger(Mat4->text()) - 1);
    setButtonColour(confirmedIndex(), Qt::red);
    setMat4Colour(Qt::black);
    Mat4->setVisible(true);
    cmdPrint->setFocus();
    cmdOk->setEnabled(false);
    cmdReset->setEnabled(true);
}

void frmPrint::resetStartLabel() {
    // The confirmed button goes back to blue and stops blinking.
    Timer1->stop();
    const int confirmed = confirmedIndex();
    setButtonColour(confirmed, Qt::blue);
    lblNo[confirmed]->setVisible(true);
    Shape3[confirmed]->setVisible(true);
    proposeLabel(u"1"_s);
    cmdPrint->setEnabled(false);
    cmdOk->setEnabled(true);
}

void frmPrint::blinkProposal() {
    Mat4->setVisible(Mat4->isHidden());
}

void frmPrint::blinkConfirmed() {
    QPushButton* button = lblNo[confirmedIndex()];
    button->setVisible(button->isHidden());
}

void frmPrint::printJob() {
    lblNo[confirmedIndex()]->setVisible(true);
    Timer1->stop();
    cmdPrint->setEnabled(false);
    LabelPrintJob job(m_context.platform, outputChoiceForThisRun(), m_context.state.BookPath);
    const LabelJobResult result =
        job.run(m_printCopy, Text2, Text6, platform::ProgramFolder::file(QStringView(LabelOffsetsFileName).toString()));
    Text1 = result.sheetCount;
    Text4 = result.xMillimetres;
    Text5 = result.yMillimetres;
    if (result.outcome == LabelJobResult::Outcome::Cancelled) {
        proposeLabel(u"1"_s);
    }
    cmdPrint->setEnabled(result.printEnabled);
}

void frmPrint::goBack() {
    m_context.state.Reentry = 1;
    m_context.navigator.showStart();
}

void frmPrint::endProgram() {
    m_context.navigator.quit();
}

void frmPrint::openFontChooser() {
    ui::showToolWindow(m_fontChooser, [this] {
        return new frmFont(
            m_context,
            [this](const QString& face) {
                Text6 = face;
                Reget();
            },
            this);
    });
}

void frmPrint::openPositionDialog() {
    ui::showToolWindow(m_positionDialog, [this] {
        return new frmPriloc(
            m_context,
            [this](const QString& xMm, const QString& yMm) {
                Text4 = xMm;
                Text5 = yMm;
            },
            this);
    });
}

void frmPrint::openOutputChoice() {
    auto* dialog = new frmOutput(m_context, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void frmPrint::showHelp() {
    m_context.platform.help.showHelp(u"Tagora.hlp"_s, platform::HelpViewer::Command::Context, 8);
}

} // namespace labels
