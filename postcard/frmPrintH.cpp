#include "postcard/frmPrintH.h"

#include "ui/CentreOnScreen.h"
#include "ui/Named.h"
#include "printing/JobPreview.h"
#include "printing/OffsetsFile.h"
#include "session/SeasonKeeping.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "postcard/CardPreview.h"
#include "postcard/PostcardJob.h"
#include "postcard/PostcardPrintJob.h"
#include "postcard/SenderFile.h"
#include "postcard/frmPriloc1.h"
#include "postcard/SenderDialog.h"
#include "ui/CloseOnEscape.h"
#include "book/JointNames.h"

#include <QCloseEvent>
#include <QCheckBox>
#include <QApplication>
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
    : QWidget(parent, Qt::Window), m_model(printing::PrintMedium::Postcards, entries, context.state.printFromList),
      m_context(context) {
    setObjectName(u"frmPrintH"_s);
    ui::closeOnEscape(this);
    setWindowTitle(u"印刷フォーマット ハガキ"_s);
    m_commands = new printing::PrintScreenCommands(
        m_context, m_model, this, [](ui::AppContext& context, auto onSaved, QWidget* parent) -> QWidget* {
            return new frmPriloc1(context, std::move(onSaved), parent);
        });
    buildControls();

    Option1->setChecked(true);
    Text1 = QString::fromUtf16(platform::MinchoFace);
    m_choices = readPostcardChoices(postcardChoicesPath());
    (m_choices.writing == Writing::Vertical ? optVertical : optHorizontal)->setChecked(true);
    chkSender->setChecked(m_choices.printSender);
    const SenderRead sender = readSender(senderFilePath());
    m_sender = sender.sender;
    showSender();
    if (!sender.error.isEmpty())
        lblSender->setText(u"差出人ファイルを読み込めません。\n"_s + sender.error);
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
    lblPP = ui::named(new QLabel(this), u"lblPP"_s);
    lblPP->setAlignment(Qt::AlignCenter);

    auto button = [this](const QString& name, const QString& caption) {
        return ui::named(new QPushButton(caption, this), name);
    };
    cmdRew = button(u"cmdRew"_s, u"＜"_s);
    cmdRew->setToolTip(u"戻る"_s);
    cmdFF = button(u"cmdFF"_s, u"＞"_s);
    cmdFF->setToolTip(u"次のハガキへ"_s);
    cmdPrint = button(u"cmdPrint"_s, u"印刷"_s);
    cmdPreview = button(u"cmdPreview"_s, u"印刷プレビュー"_s);
    cmdPreview->setToolTip(u"印刷されるハガキを画面で確かめる"_s);
    cmdCancel = button(u"cmdCancel"_s, u"戻る"_s);
    cmdExit = button(u"cmdExit"_s, u"終了"_s);
    Command2 = button(u"Command2"_s, u"印字位置設定"_s);
    Command4 = button(u"Command4"_s, u"フォント選択"_s);
    Command3 = button(u"Command3"_s, u"ヘルプ"_s);
    Command3->setToolTip(u"ヘルプ"_s);

    fraFont = ui::named(new QGroupBox(u"〒：フォント"_s, this), u"fraFont"_s);
    Option1 = ui::named(new QRadioButton(u"ＭＳ明朝"_s, fraFont), u"Option1"_s);
    Option2 = ui::named(new QRadioButton(u"OCR-B"_s, fraFont), u"Option2"_s);
    auto* fontLayout = new QVBoxLayout(fraFont);
    fontLayout->addWidget(Option1);
    fontLayout->addWidget(Option2);

    fraPaper = ui::named(new QGroupBox(u"用紙"_s, this), u"fraPaper"_s);
    optPostcard = ui::named(new QRadioButton(u"ハガキ"_s, fraPaper), u"optPostcard"_s);
    optPostcard->setChecked(true);
    optA4 = ui::named(new QRadioButton(u"A4（左上に印刷）"_s, fraPaper), u"optA4"_s);
    auto* paperLayout = new QVBoxLayout(fraPaper);
    paperLayout->addWidget(optPostcard);
    paperLayout->addWidget(optA4);

    fraWriting = ui::named(new QGroupBox(u"書き方"_s, this), u"fraWriting"_s);
    optHorizontal = ui::named(new QRadioButton(u"横書き"_s, fraWriting), u"optHorizontal"_s);
    optVertical = ui::named(new QRadioButton(u"縦書き"_s, fraWriting), u"optVertical"_s);
    auto* writingLayout = new QHBoxLayout(fraWriting);
    writingLayout->addWidget(optHorizontal);
    writingLayout->addWidget(optVertical);

    fraSender = ui::named(new QGroupBox(u"差出人"_s, this), u"fraSender"_s);
    chkSender = ui::named(new QCheckBox(u"差出人を印刷する"_s, fraSender), u"chkSender"_s);
    lblSender = ui::named(new QLabel(fraSender), u"lblSender"_s);
    lblSender->setWordWrap(false);
    cmdSenderFromEntry = ui::named(new QPushButton(u"表示中の宛先を差出人に"_s, fraSender), u"cmdSenderFromEntry"_s);
    cmdSenderEdit = ui::named(new QPushButton(u"差出人の入力・修正"_s, fraSender), u"cmdSenderEdit"_s);
    auto* senderLayout = new QVBoxLayout(fraSender);
    senderLayout->addWidget(chkSender);
    senderLayout->addWidget(lblSender);
    senderLayout->addWidget(cmdSenderFromEntry);
    senderLayout->addWidget(cmdSenderEdit);

    chkPrintCode = ui::named(new QCheckBox(u"コードを印字"_s, this), u"chkPrintCode"_s);
    chkPrintCode->setToolTip(u"住所録のコード欄も宛名と一緒に印字する"_s);
    chkBarcode = ui::named(new QCheckBox(u"カスタマバーコード"_s, this), u"chkBarcode"_s);
    chkBarcode->setToolTip(
        u"郵便番号と住所の番地から日本郵便のカスタマバーコードを宛名の下に印字する"_s);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(cmdRew);
    navigation->addWidget(lblPP, 1);
    navigation->addWidget(cmdFF);

    auto* side = new QVBoxLayout;
    side->addWidget(Label3);
    side->addLayout(navigation);
    side->addSpacing(8);
    side->addWidget(Label2);
    side->addWidget(fraFont);
    side->addWidget(fraPaper);
    side->addWidget(fraWriting);
    side->addWidget(fraSender);
    side->addWidget(chkPrintCode);
    side->addWidget(chkBarcode);
    side->addSpacing(8);
    side->addWidget(Command2);
    side->addWidget(Command4);
    side->addStretch();
    side->addWidget(cmdPrint);
    side->addWidget(cmdPreview);
    side->addWidget(cmdCancel);
    side->addWidget(cmdExit);
    side->addWidget(Command3);
    printedLine = ui::named(new QLabel(this), u"printedLine"_s);
    printedLine->setWordWrap(true);
    side->addWidget(printedLine);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_card, 0, Qt::AlignTop);
    layout->addLayout(side);
    auto* bar = new QMenuBar(this);
    buildMenu(bar);
    layout->setMenuBar(bar);

    connect(cmdFF, &QPushButton::clicked, m_commands, &printing::PrintScreenCommands::nextEntry);
    connect(cmdRew, &QPushButton::clicked, m_commands, &printing::PrintScreenCommands::previousEntry);
    connect(Option1, &QRadioButton::clicked, this, &frmPrintH::useMinchoCodeFace);
    connect(Option2, &QRadioButton::clicked, this, &frmPrintH::useOcrBCodeFace);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPrintH::printJob);
    connect(cmdPreview, &QPushButton::clicked, this, &frmPrintH::showJobPreview);
    connect(cmdCancel, &QPushButton::clicked, m_commands, &printing::PrintScreenCommands::goBack);
    connect(cmdExit, &QPushButton::clicked, m_commands, &printing::PrintScreenCommands::endProgram);
    connect(Command2, &QPushButton::clicked, m_commands, &printing::PrintScreenCommands::openPositionDialog);
    connect(Command4, &QPushButton::clicked, m_commands, &printing::PrintScreenCommands::openFontChooser);
    connect(Command3, &QPushButton::clicked, m_commands, &printing::PrintScreenCommands::showHelp);
    connect(chkPrintCode, &QCheckBox::clicked, m_commands, &printing::PrintScreenCommands::choosePrintCode);
    connect(chkBarcode, &QCheckBox::clicked, m_commands,
            &printing::PrintScreenCommands::chooseBarcodes);
    connect(m_commands, &printing::PrintScreenCommands::entryChanged, this, &frmPrintH::GetPage);
    connect(m_commands, &printing::PrintScreenCommands::faceChosen, this, &frmPrintH::GetPage);
    connect(m_commands, &printing::PrintScreenCommands::controlsChanged, this, &frmPrintH::showControls);
    connect(optHorizontal, &QRadioButton::clicked, this, [this] { chooseWriting(Writing::Horizontal); });
    connect(optVertical, &QRadioButton::clicked, this, [this] { chooseWriting(Writing::Vertical); });
    connect(chkSender, &QCheckBox::clicked, this, &frmPrintH::chooseSenderPrinting);
    connect(cmdSenderFromEntry, &QPushButton::clicked, this, &frmPrintH::takeEntryAsSender);
    connect(cmdSenderEdit, &QPushButton::clicked, this, &frmPrintH::editSender);
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
        m_context.platform.messages.show(u"設定を保存できませんでした。\n"_s + written.error.describe(),
                                         platform::Buttons::Ok);
}

void frmPrintH::showSender() {
    if (!m_sender) {
        lblSender->setText(u"（差出人がありません）"_s);
        return;
    }
    // One line each for the name, the code and the address lines, cut with
    // "…" where the column is narrow; the tool tip holds every line whole.
    QStringList lines{book::jointNameLine(m_sender->name), u"〒"_s + m_sender->postalCode,
                      m_sender->address1 + m_sender->address2, m_sender->address3};
    lines.removeAll(QString());
    lblSender->setToolTip(lines.join(u'\n'));
    const int room = fraSender->contentsRect().width() - 24;
    for (QString& line : lines)
        line = lblSender->fontMetrics().elidedText(line, Qt::ElideRight, std::max(room, 200));
    lblSender->setText(lines.join(u'\n'));
}

void frmPrintH::takeEntryAsSender() {
    if (!m_model.hasEntry())
        return;
    const book::AddressCard sender = m_model.entryOnScreen();
    // The sender typed before is not replaced without asking.
    if (m_sender && *m_sender != sender &&
        m_context.platform.messages.show(
            u"差出人を「%1」から「%2」に置き換えます。よろしいですか？"_s.arg(m_sender->name,
                                                                              sender.name),
            platform::Buttons::OkCancel) == platform::Answer::Cancel)
        return;
    if (!saveSender(sender, m_context.platform.messages))
        return;
    m_sender = sender;
    showSender();
    GetPage();
}

void frmPrintH::editSender() {
    auto* dialog = new SenderDialog(
        m_context.platform.messages, m_sender.value_or(book::AddressCard{}),
        [this](const book::AddressCard& sender) {
            m_sender = sender;
            showSender();
            GetPage();
        },
        this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void frmPrintH::buildMenu(QMenuBar* bar) {
    mnuPrint = bar->addMenu(u"印刷"_s);
    mnuPrint->setObjectName(u"mnuPrint"_s);
    mnuPreview = mnuPrint->addAction(u"印刷プレビュー"_s);
    mnuPreview->setObjectName(u"mnuPreview"_s);
    connect(mnuPreview, &QAction::triggered, this, &frmPrintH::showJobPreview);
    mnuSet = bar->addMenu(u"設定"_s);
    mnuSet->setObjectName(u"mnuSet"_s);
    mnuFont = mnuSet->addAction(u"フォント指定"_s);
    mnuFont->setObjectName(u"mnuFont"_s);
    mnuLocate = mnuSet->addAction(u"印字位置"_s);
    mnuLocate->setObjectName(u"mnuLocate"_s);
    mnuSet->addSeparator();
    mnuOutput = mnuSet->addAction(u"出力先"_s);
    mnuOutput->setObjectName(u"mnuOutput"_s);
    connect(mnuFont, &QAction::triggered, m_commands, &printing::PrintScreenCommands::openFontChooser);
    connect(mnuLocate, &QAction::triggered, m_commands, &printing::PrintScreenCommands::openPositionDialog);
    connect(mnuOutput, &QAction::triggered, m_commands, &printing::PrintScreenCommands::openOutputChoice);
}

void frmPrintH::GetPage() {
    if (!m_model.hasEntry())
        return;
    m_card->showEntry(m_model.entryAsPrinted(), m_model.textFace, m_choices.writing,
                      m_choices.printSender ? m_sender : std::nullopt);
    Rezip();
}

void frmPrintH::Rezip() {
    m_card->showCode(m_model.hasEntry() ? zipBoxesOf(m_model.entryOnScreen().postalCode) : ZipBoxes{}, Text1);
}

void frmPrintH::showControls() {
    const printing::PrintScreenControls controls = m_model.controls();
    cmdPrint->setEnabled(controls.printEnabled);
    cmdRew->setEnabled(controls.pagingEnabled);
    cmdFF->setEnabled(controls.pagingEnabled);
    lblPP->setVisible(controls.positionVisible);
    lblPP->setText(controls.position);
    chkPrintCode->setChecked(controls.printCode);
    chkBarcode->setChecked(controls.barcodes);
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
    // The trims are read afresh at each job.
    settings.trims = printing::readTrims(m_model.offsetsPath());
    settings.zipFace = Text1;
    settings.textFace = m_model.textFace;
    settings.paper = optA4->isChecked() ? platform::PaperSize::A4 : platform::PaperSize::Postcard;
    settings.writing = m_choices.writing;
    if (m_choices.printSender)
        settings.sender = m_sender;
    settings.printCode = m_model.printCode();
    settings.barcodes = m_model.barcodes();
    return settings;
}

void frmPrintH::showJobPreview() {
    const PostcardJobSettings settings = jobSettings();
    const QList<PostcardText> postcards =
        postcardTexts(m_model.entries(), settings.printCode, settings.barcodes);
    printing::openJobPreview(postcardJobTitle(int(m_model.entries().size())), settings.paper,
                           [postcards, settings](platform::Printer& printer) {
                               drawPostcards(printer, postcards, settings);
                           },
                           this);
}

void frmPrintH::printJob() {
    const PostcardJobSettings settings = jobSettings();
    m_model.showTrims(settings.trims);
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

void frmPrintH::closeEvent(QCloseEvent* event) {
    event->accept();
    m_commands->goBack();
}

} // namespace postcard
