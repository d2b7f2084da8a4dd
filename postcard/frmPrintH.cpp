#include "postcard/frmPrintH.h"

#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "postcard/CardPreview.h"
#include "postcard/PostcardJob.h"
#include "postcard/PostcardPrintJob.h"
#include "postcard/SenderPanel.h"
#include "postcard/frmPriloc1.h"
#include "printing/JobPreview.h"
#include "printing/OffsetsFile.h"
#include "printing/ScreenControls.h"
#include "session/SeasonKeeping.h"
#include "ui/CentreOnScreen.h"
#include "ui/CloseOnEscape.h"
#include "ui/Named.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace postcard {

frmPrintH::frmPrintH(ui::AppContext& context, const book::CardList& entries, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_model(printing::PrintMedium::Postcards, entries, context.state.printFromList),
      m_context(context) {
    setObjectName(u"frmPrintH"_s);
    ui::closeOnEscape(this);
    setWindowTitle(u"印刷フォーマット ハガキ"_s);
    m_commands = new printing::PrintScreenCommands(
        m_context, m_model, this,
        [](ui::AppContext& context, const QString& printer, const QString& medium, auto onSaved,
           QWidget* parent) -> QWidget* {
            return new frmPriloc1(context, std::move(onSaved), parent, printer, medium);
        });
    buildControls();

    Option1->setChecked(true);
    Text1 = QString::fromUtf16(platform::MinchoFace);
    m_choices = readPostcardChoices(postcardChoicesPath());
    (m_choices.writing == Writing::Vertical ? optVertical : optHorizontal)->setChecked(true);
    chkSender->setChecked(m_choices.printSender);
    choosePaper();
    m_model.allowPrint(m_model.hasEntry());
    GetPage();
    showControls();

    adjustSize();
    ui::centreOnScreen(this);
}

void frmPrintH::buildControls() {
    m_card = new CardPreview(this);

    Label3 = ui::named(new QLabel(u"受取人データ"_s, this), u"Label3"_s);
    Label2 = ui::named(new QLabel(u"郵便番号"_s, this), u"Label2"_s);
    m_controls = printing::ScreenControls::build(
        this, printing::designControlNames(u"ハガキ"_s, u"ハガキ"_s), m_commands);

    auto button = [this](const QString& name, const QString& caption) {
        return ui::named(new QPushButton(caption, this), name);
    };
    Command2 = button(u"Command2"_s, u"印字位置設定"_s);
    Command4 = button(u"Command4"_s, u"フォント選択"_s);
    Command3 = button(u"Command3"_s, u"ヘルプ"_s);
    Command3->setToolTip(u"ヘルプ"_s);

    auto option = [](const QString& name, const QString& caption) {
        return ui::named(new QRadioButton(caption), name);
    };
    Option1 = option(u"Option1"_s, u"ＭＳ明朝"_s);
    Option2 = option(u"Option2"_s, u"OCR-B"_s);
    fraFont =
        printing::choiceGroup(this, u"fraFont"_s, u"〒：フォント"_s, false, {Option1, Option2});
    optPostcard = option(u"optPostcard"_s, u"ハガキ"_s);
    optPostcard->setChecked(true);
    optA4 = option(u"optA4"_s, u"A4（左上に印刷）"_s);
    fraPaper = printing::choiceGroup(this, u"fraPaper"_s, u"用紙"_s, false, {optPostcard, optA4});
    optHorizontal = option(u"optHorizontal"_s, u"横書き"_s);
    optVertical = option(u"optVertical"_s, u"縦書き"_s);
    fraWriting = printing::choiceGroup(this, u"fraWriting"_s, u"書き方"_s, true,
                                       {optHorizontal, optVertical});

    chkSender = ui::named(new QCheckBox(u"差出人を印刷する"_s), u"chkSender"_s);
    m_senderPanel = new SenderPanel(m_context.platform.messages,
                                    {u"lblSender"_s, u"cmdSenderFromEntry"_s, u"cmdSenderEdit"_s},
                                    [this] { return m_model.shownEntry(); });
    fraSender =
        printing::choiceGroup(this, u"fraSender"_s, u"差出人"_s, false, {chkSender, m_senderPanel});

    auto* side = new QVBoxLayout;
    side->addWidget(Label3);
    side->addLayout(m_controls.pagingRow());
    side->addSpacing(8);
    side->addWidget(Label2);
    for (QWidget* choice : std::initializer_list<QWidget*>{
             fraFont, fraPaper, fraWriting, fraSender, m_controls.printCode, m_controls.barcodes})
        side->addWidget(choice);
    side->addSpacing(8);
    side->addWidget(Command2);
    side->addWidget(Command4);
    side->addStretch();
    for (QWidget* command : std::initializer_list<QWidget*>{
             m_controls.print, m_controls.preview, m_controls.back, m_controls.end, Command3})
        side->addWidget(command);
    printedLine = ui::named(new QLabel(this), u"printedLine"_s);
    printedLine->setWordWrap(true);
    side->addWidget(printedLine);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_card, 0, Qt::AlignTop);
    layout->addLayout(side);
    auto* bar = new QMenuBar(this);
    printing::addScreenMenus(bar, m_commands, [this] { showJobPreview(); });
    layout->setMenuBar(bar);

    using Commands = printing::PrintScreenCommands;
    connect(Option1, &QRadioButton::clicked, this, &frmPrintH::useMinchoCodeFace);
    connect(Option2, &QRadioButton::clicked, this, &frmPrintH::useOcrBCodeFace);
    m_controls.connectScreen(m_commands, this,
                             {[this] { printJob(); }, [this] { showJobPreview(); },
                              [this] { GetPage(); }, [this] { showControls(); }});
    printing::ScreenControls::connectTools(m_commands, Command2, Command4, Command3);
    connect(m_commands, &Commands::trimsChanged, this, &frmPrintH::showTrims);
    connect(optPostcard, &QRadioButton::toggled, this, &frmPrintH::choosePaper);
    connect(optHorizontal, &QRadioButton::clicked, this,
            [this] { chooseWriting(Writing::Horizontal); });
    connect(optVertical, &QRadioButton::clicked, this,
            [this] { chooseWriting(Writing::Vertical); });
    connect(chkSender, &QCheckBox::clicked, this, &frmPrintH::chooseSenderPrinting);
    connect(m_senderPanel, &SenderPanel::senderChanged, this, &frmPrintH::GetPage);
}

void frmPrintH::choosePaper() {
    // Each paper keeps its own trims on each printer.
    m_model.chooseTrimMedium(optA4->isChecked() ? u"A4"_s : u"はがき"_s);
}

void frmPrintH::chooseWriting(Writing writing) {
    m_choices.writing = writing;
    saveChoices();
    GetPage();
}

void frmPrintH::chooseSenderPrinting() {
    m_choices.printSender = chkSender->isChecked();
    saveChoices();
    GetPage();
}

void frmPrintH::saveChoices() {
    const book::WriteResult written = writePostcardChoices(postcardChoicesPath(), m_choices);
    if (!written.ok())
        m_context.platform.messages.show(
            u"設定を保存できませんでした。\n"_s + written.error.describe(), platform::Buttons::Ok);
}

void frmPrintH::GetPage() {
    if (!m_model.hasEntry())
        return;
    m_card->showEntry(m_model.entryAsPrinted(), m_model.textFace, m_choices.writing,
                      m_choices.printSender ? m_senderPanel->sender() : std::nullopt);
    Rezip();
}

void frmPrintH::Rezip() {
    m_card->showCode(
        m_model.hasEntry() ? zipBoxesOf(m_model.entryOnScreen().postalCode) : ZipBoxes{}, Text1);
}

void frmPrintH::showControls() {
    m_controls.show(m_model.controls());
}

void frmPrintH::useMinchoCodeFace() {
    Text1 = QString::fromUtf16(platform::MinchoFace);
    Rezip();
}

void frmPrintH::useOcrBCodeFace() {
    Text1 = QString::fromUtf16(platform::OcrBFace);
    Rezip();
}

PostcardJobSettings frmPrintH::jobSettings() const {
    PostcardJobSettings settings;
    // The trims are read afresh at each job, for the printer it goes to.
    settings.trims = m_model.trimsForJob(m_commands->jobPrinter());
    settings.zipFace = Text1;
    settings.textFace = m_model.textFace;
    settings.paper = optA4->isChecked() ? platform::PaperSize::A4 : platform::PaperSize::Postcard;
    settings.writing = m_choices.writing;
    if (m_choices.printSender)
        settings.sender = m_senderPanel->sender();
    settings.printCode = m_model.printCode();
    settings.barcodes = m_model.barcodes();
    return settings;
}

void frmPrintH::showJobPreview() {
    const PostcardJobSettings settings = jobSettings();
    const QList<PostcardText> postcards =
        postcardTexts(m_model.entries(), settings.printCode, settings.barcodes);
    printing::openJobPreview(
        postcardJobTitle(int(m_model.entries().size())), settings.paper,
        [postcards, settings](platform::Printer& printer) {
            drawPostcards(printer, postcards, settings);
        },
        this);
}

void frmPrintH::printJob() {
    const PostcardJobSettings settings = jobSettings();
    m_model.keepTrims(settings.trims);
    showTrims();
    m_model.printStarted();
    showControls();

    PostcardPrintJob job(m_context.platform, m_model.outputChoice(), m_context.state.book.path());
    const PostcardPrintJob::Outcome outcome = job.run(m_model.entries(), settings);
    if (outcome == PostcardPrintJob::Outcome::Printed)
        session::markSentAfterJob(m_context.state, m_context.platform.messages, m_model.entries());
    // The same cards may be printed again (a spoilt card, a second set).
    m_model.printFinished(true);
    printedLine->setText(outcome == PostcardPrintJob::Outcome::Printed ? job.summary() : QString());
    showControls();
}

void frmPrintH::showTrims() {
    Text4 = printing::millimetreText(m_model.trims().xMm);
    Text5 = printing::millimetreText(m_model.trims().yMm);
}

void frmPrintH::closeEvent(QCloseEvent* event) {
    event->accept();
    m_commands->goBack();
}

} // namespace postcard
