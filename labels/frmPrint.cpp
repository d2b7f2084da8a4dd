#include "labels/frmPrint.h"

#include "book/Honorifics.h"
#include "labels/LabelPrintJob.h"
#include "labels/LabelSheets.h"
#include "labels/SheetChoice.h"
#include "labels/SheetChooser.h"
#include "labels/SheetLayout.h"
#include "labels/frmPriloc.h"
#include "platform/Fonts.h"
#include "printing/FullWidth.h"
#include "printing/JobPreview.h"
#include "printing/OffsetsFile.h"
#include "printing/OutputChoice.h"
#include "printing/PostalCode.h"
#include "printing/PrinterTrims.h"
#include "printing/ScreenControls.h"
#include "session/SeasonKeeping.h"
#include "ui/CentreOnScreen.h"
#include "ui/CloseOnEscape.h"
#include "ui/Named.h"
#include "ui/ToolWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// The preview is a label cell at 15 twips to the pixel; the standard
// sheet's cell is drawn 4950 by 2390 twips.
constexpr int PreviewTwipsPerPixel = 15;
constexpr QSize StandardCellTwips(4950, 2390);

QSize previewCellPixels(const QSize& cellTwips) {
    return QSize(cellTwips.width() / PreviewTwipsPerPixel + 16,
                 cellTwips.height() / PreviewTwipsPerPixel + 16);
}

QLabel* previewLine(QWidget* parent, const char* name, int xTwips, int yTwips, int widthPixels) {
    auto* label = ui::named(new QLabel(parent), name);
    label->setGeometry(xTwips / PreviewTwipsPerPixel + 8, yTwips / PreviewTwipsPerPixel + 8,
                       widthPixels, 22);
    return label;
}

QFont previewFont(const QString& face, int points) {
    QFont font(face);
    font.setPointSize(points);
    return font;
}

} // namespace

frmPrint::frmPrint(ui::AppContext& context, const book::CardList& entries, QWidget* parent)
    : QMainWindow(parent),
      m_model(printing::PrintMedium::Labels, entries, context.state.printFromList),
      m_context(context), m_sheet(readSheetChoice(sheetChoicePath(), sheetLibrary())) {
    setObjectName(u"frmPrint"_s);
    ui::closeOnEscape(this);
    setWindowTitle(u"印刷フォーマット"_s);
    m_commands = new printing::PrintScreenCommands(
        m_context, m_model, this,
        [this](ui::AppContext& context, const QString& printer, const QString& sheet, auto onSaved,
               QWidget* parent) -> QWidget* {
            auto* dialog = new frmPriloc(context, std::move(onSaved), parent, printer, sheet);
            // The alignment page goes on the sheet's own paper.
            dialog->setAlignmentPaper(printerPaper(m_sheet.paper));
            return dialog;
        });
    buildWindow();
    buildMenuAndToolbar();
    showSheet();
    GetPage();
    showControls();

    adjustSize();
    ui::centreOnScreen(this);
}

void frmPrint::buildWindow() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* columns = new QHBoxLayout(central);

    auto* left = new QVBoxLayout;
    Shape1 = ui::named(new QFrame(central), u"Shape1"_s);
    Shape1->setFrameShape(QFrame::Box);
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

    m_controls = printing::ScreenControls::build(
        central, printing::designControlNames(u"ラベル"_s, u"シート"_s), m_commands);
    left->addLayout(m_controls.pagingRow());
    left->addWidget(m_controls.printCode);
    left->addWidget(m_controls.barcodes);
    left->addStretch(1);

    auto* commands = new QHBoxLayout;
    for (QWidget* command : {m_controls.print, m_controls.preview, m_controls.back, m_controls.end})
        commands->addWidget(command);
    left->addLayout(commands);
    printedLine = ui::named(new QLabel(central), u"printedLine"_s);
    printedLine->setWordWrap(true);
    left->addWidget(printedLine);
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* sheetRow = new QHBoxLayout;
    cmdSheet = ui::named(new QPushButton(u"用紙..."_s, central), u"cmdSheet"_s);
    cmdSheet->setToolTip(u"ラベル用紙を選ぶ"_s);
    lblSheet = ui::named(new QLabel(central), u"lblSheet"_s);
    sheetRow->addWidget(cmdSheet);
    sheetRow->addWidget(lblSheet, 1);
    right->addLayout(sheetRow);
    m_startLabels = new StartLabelGrid(central);
    right->addWidget(m_startLabels);
    right->addStretch(1);
    columns->addLayout(right);
    connect(cmdSheet, &QPushButton::clicked, this, &frmPrint::openSheetChooser);

    connect(m_commands, &printing::PrintScreenCommands::entryChanged, this, &frmPrint::GetPage);
    connect(m_commands, &printing::PrintScreenCommands::faceChosen, this, &frmPrint::Reget);
    connect(m_commands, &printing::PrintScreenCommands::controlsChanged, this,
            &frmPrint::showControls);
    connect(m_commands, &printing::PrintScreenCommands::trimsChanged, this, &frmPrint::showTrims);
    connect(m_startLabels, &StartLabelGrid::proposed, this, &frmPrint::startLabelProposed);
    connect(m_startLabels, &StartLabelGrid::confirmed, this, &frmPrint::startLabelConfirmed);
    connect(m_startLabels, &StartLabelGrid::withdrawn, this, &frmPrint::startLabelWithdrawn);
    connect(m_controls.print, &QPushButton::clicked, this, &frmPrint::printJob);
    connect(m_controls.preview, &QPushButton::clicked, this, &frmPrint::showJobPreview);
}

void frmPrint::buildMenuAndToolbar() {
    QMenu* mnuSet = printing::addScreenMenus(menuBar(), m_commands, [this] { showJobPreview(); });
    QAction* mnuSheet = ui::named(mnuSet->addAction(u"用紙"_s), u"mnuSheet"_s);
    connect(mnuSheet, &QAction::triggered, this, &frmPrint::openSheetChooser);

    QToolBar* toolbar = addToolBar(u"ツールバー"_s);
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
    printing::ScreenControls::connectTools(m_commands, Command2, Command1, Command3);
}

void frmPrint::GetPage() {
    if (!m_model.hasEntry())
        return;
    book::AddressCard& kept = m_model.entryOnScreen();
    // The full-width form is kept: the preview and every later print use it.
    kept.postalCode = printing::toFullWidth(kept.postalCode);
    const book::AddressCard entry = m_model.entryAsPrinted();
    lblName->setText(book::previewNameLine(entry));
    lblAdd1->setText(entry.address1);
    lblAdd2->setText(entry.address2);
    // The code as the label prints it: "〒１２３－４５６７" however it was typed.
    lblZip->setText(printing::zipLine(entry.postalCode));
    lblCode->setText(entry.code);
    lblAdd3->setText(entry.address3);
}

void frmPrint::Reget() {
    if (!m_model.hasEntry())
        return;
    const book::AddressCard entry = m_model.entryAsPrinted();
    lblName->setText(book::nameLine(entry));
    lblAdd1->setText(entry.address1);
    lblAdd2->setText(entry.address2);
    lblAdd3->setText(entry.address3);
    lblCode->setText(entry.code);
    lblZip->setText(printing::fullWidthCode(book::postalCodeOf(entry.postalCode)));
    for (QLabel* line : {lblName, lblAdd1, lblAdd2, lblAdd3, lblZip, lblCode}) {
        QFont font = line->font();
        font.setFamily(Text6);
        line->setFont(font);
    }
}

void frmPrint::showControls() {
    m_controls.show(m_model.controls());
}

void frmPrint::startLabelProposed() {
    m_model.allowPrint(false);
    showControls();
}

void frmPrint::startLabelConfirmed(int label) {
    Text2 = QString::number(label);
    m_model.allowPrint(true);
    showControls();
    m_controls.print->setFocus();
}

void frmPrint::startLabelWithdrawn() {
    m_model.allowPrint(false);
    showControls();
}

int frmPrint::confirmedStartLabel() const {
    // Only a whole number names a start label; anything else prints nothing.
    bool ok = false;
    const int label = Text2.trimmed().toInt(&ok);
    return ok ? label : 0;
}

void frmPrint::printJob() {
    m_startLabels->holdConfirmed();
    m_model.printStarted();
    showControls();
    LabelPrintJob job(m_context.platform, m_model.outputChoice(), m_context.state.book.path());
    job.setPrintCode(m_model.printCode());
    job.setUsedLabels(m_startLabels->usedLabels());
    job.setBarcodes(m_model.barcodes());
    const LabelJobResult result = job.run(m_model.entries(), confirmedStartLabel(),
                                          m_model.textFace, m_model.offsetsPath(), m_sheet);
    Text1 = QString::number(result.sheetCount);
    m_model.keepTrims(result.trims);
    showTrims();
    if (result.outcome == LabelJobResult::Outcome::Cancelled)
        m_startLabels->proposeLabel(1);
    if (result.outcome == LabelJobResult::Outcome::Printed)
        session::markSentAfterJob(m_context.state, m_context.platform.messages, m_model.entries());
    m_model.printFinished(result.printEnabled);
    printedLine->setText(result.summary);
    showControls();
}

void frmPrint::showJobPreview() {
    // The sheets the job would print now: from the label shown as the
    // proposal or the confirmed one, with the trims of the offsets file.
    const printing::Trims trims = m_model.trimsForJob(m_commands->jobPrinter());
    auto sheets = std::make_shared<LabelSheets>(m_model.entries(), m_startLabels->shownLabel(),
                                                m_model.textFace, trims, m_sheet);
    sheets->setPrintCode(m_model.printCode());
    sheets->setUsedLabels(m_startLabels->usedLabels());
    sheets->setBarcodes(m_model.barcodes());
    printing::openJobPreview(
        LabelPrintJob::jobTitle(int(m_model.entries().size())), printerPaper(m_sheet.paper),
        [sheets](platform::Printer& printer) { sheets->drawJob(printer); }, this);
}

void frmPrint::showTrims() {
    Text4 = printing::millimetreText(m_model.trims().xMm);
    Text5 = printing::millimetreText(m_model.trims().yMm);
}

void frmPrint::closeEvent(QCloseEvent* event) {
    event->accept();
    m_commands->goBack();
}

void frmPrint::openSheetChooser() {
    ui::showToolWindow(m_sheetChooser, [this] {
        return new SheetChooser(
            m_context, sheetLibrary(), m_sheet,
            [this](const SheetTemplate& sheet) { sheetChosen(sheet); }, this);
    });
}

void frmPrint::sheetChosen(const SheetTemplate& sheet) {
    const book::WriteResult written = writeSheetChoice(sheetChoicePath(), sheet);
    if (!written.ok())
        m_context.platform.messages.show(u"用紙の選択を保存できませんでした。\n"_s +
                                             written.error.describe(),
                                         platform::Buttons::Ok);
    m_sheet = sheet;
    showSheet();
}

void frmPrint::showSheet() {
    // Another grid: the start label is chosen again on it.
    m_startLabels->setSheet(m_sheet);
    m_model.chooseTrimMedium(m_sheet.name());
    Text2.clear();
    m_model.allowPrint(false);
    showControls();
    lblSheet->setText(m_sheet.name());
    lblSheet->setToolTip(
        u"%1用紙、%2面（1面 %3 × %4 mm）"_s.arg(paperName(m_sheet.paper))
            .arg(m_sheet.labelCount())
            .arg(millimetreNumber(m_sheet.labelWidthMm), millimetreNumber(m_sheet.labelHeightMm)));
    if (m_sheet.standardTextLayout) {
        Shape1->setFixedSize(previewCellPixels(StandardCellTwips));
        return;
    }
    // The lines keep the standard sheet's size on screen; the cell around
    // them takes the chosen label's proportions at the same scale.
    const double scale = SheetLayout(m_sheet).textScale();
    const QSize cellTwips(int(millimetresAsTwips(m_sheet.labelWidthMm) / scale),
                          int(millimetresAsTwips(m_sheet.labelHeightMm) / scale));
    Shape1->setFixedSize(previewCellPixels(cellTwips));
}

} // namespace labels
