#include "envelope/EnvelopeScreen.h"

#include "book/JointNames.h"
#include "envelope/EnvelopePicture.h"
#include "envelope/EnvelopePrintJob.h"
#include "platform/RecordingPrinter.h"
#include "postcard/SenderFile.h"
#include "postcard/frmPriloc1.h"
#include "postcard/SenderDialog.h"
#include "printing/JobPreview.h"
#include "printing/OffsetsFile.h"
#include "ui/CentreOnScreen.h"
#include "ui/Named.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace envelope {

namespace {

// The size box's last item: the user's own size.
const QString UserSizeItem = u"ユーザー定義"_s;

} // namespace

EnvelopeScreen::EnvelopeScreen(ui::AppContext& context, const book::CardList& entries,
                               QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_model(printing::PrintMedium::Envelopes, entries, context.state.printFromList),
      m_context(context) {
    setObjectName(u"EnvelopeScreen"_s);
    setWindowTitle(u"印刷フォーマット 封筒"_s);
    // Envelopes go through the postcards' feed: the postcards' position dialog and trims.
    m_commands = new printing::PrintScreenCommands(
        m_context, m_model, this,
        [](ui::AppContext& context, auto onSaved, QWidget* parent) -> QWidget* {
            return new postcard::frmPriloc1(context, std::move(onSaved), parent);
        });
    buildControls();

    m_choices = readEnvelopeChoices(envelopeChoicesPath());
    const postcard::SenderRead sender = postcard::readSender(postcard::senderFilePath());
    m_sender = sender.sender;
    showSender();
    if (!sender.error.isEmpty())
        senderLabel->setText(u"差出人ファイルを読み込めません。\n"_s + sender.error);
    showChoices();
    m_model.allowPrint(m_model.hasEntry());
    showEntry();
    showControls();

    adjustSize();
    ui::centreOnScreen(this);
}

void EnvelopeScreen::buildControls() {
    picEnvelope = new EnvelopePicture(this);

    auto button = [this](const QString& name, const QString& caption) {
        return ui::named(new QPushButton(caption, this), name);
    };
    previousButton = button(u"previousButton"_s, u"＜"_s);
    previousButton->setToolTip(u"前の封筒へ"_s);
    nextButton = button(u"nextButton"_s, u"＞"_s);
    nextButton->setToolTip(u"次の封筒へ"_s);
    positionLabel = ui::named(new QLabel(this), u"positionLabel"_s);
    positionLabel->setAlignment(Qt::AlignCenter);
    printButton = button(u"printButton"_s, u"印刷"_s);
    previewButton = button(u"previewButton"_s, u"印刷プレビュー"_s);
    previewButton->setToolTip(u"印刷される封筒を画面で確かめる"_s);
    backButton = button(u"backButton"_s, u"戻る"_s);
    endButton = button(u"endButton"_s, u"終了"_s);
    trimButton = button(u"trimButton"_s, u"印字位置設定"_s);
    trimButton->setToolTip(u"はがきと同じ印字位置を使います"_s);
    fontButton = button(u"fontButton"_s, u"フォント選択"_s);
    outputButton = button(u"outputButton"_s, u"出力先"_s);
    helpButton = button(u"helpButton"_s, u"ヘルプ"_s);

    auto* sizeGroup = ui::named(new QGroupBox(u"封筒"_s, this), u"sizeGroup"_s);
    sizeBox = ui::named(new QComboBox(sizeGroup), u"sizeBox"_s);
    for (const EnvelopeSize& size : standardEnvelopes())
        sizeBox->addItem(size.name + u"（"_s + QString::number(size.widthMm) + u"×"_s +
                         QString::number(size.heightMm) + u"）"_s);
    sizeBox->addItem(UserSizeItem);
    auto spin = [sizeGroup](const QString& name, double value) {
        auto* box = ui::named(new QDoubleSpinBox(sizeGroup), name);
        box->setRange(50, 500);
        box->setDecimals(0);
        box->setSuffix(u" mm"_s);
        box->setValue(value);
        return box;
    };
    widthBox = spin(u"widthBox"_s, 120);
    heightBox = spin(u"heightBox"_s, 235);
    auto* userSize = new QHBoxLayout;
    userSize->addWidget(new QLabel(u"幅"_s, sizeGroup));
    userSize->addWidget(widthBox);
    userSize->addWidget(new QLabel(u"高さ"_s, sizeGroup));
    userSize->addWidget(heightBox);
    auto* sizeLayout = new QVBoxLayout(sizeGroup);
    sizeLayout->addWidget(sizeBox);
    sizeLayout->addLayout(userSize);

    auto* writingGroup = ui::named(new QGroupBox(u"書き方"_s, this), u"writingGroup"_s);
    horizontalOption =
        ui::named(new QRadioButton(u"横書き"_s, writingGroup), u"horizontalOption"_s);
    verticalOption = ui::named(new QRadioButton(u"縦書き"_s, writingGroup), u"verticalOption"_s);
    auto* writingLayout = new QHBoxLayout(writingGroup);
    writingLayout->addWidget(verticalOption);
    writingLayout->addWidget(horizontalOption);

    backGroup = ui::named(new QGroupBox(u"裏面（差出人）"_s, this), u"backGroup"_s);
    backCheck = ui::named(new QCheckBox(u"裏面に差出人を印刷する"_s, backGroup), u"backCheck"_s);
    backCheck->setToolTip(
        u"表面の次に裏面のページを印刷します。封筒を裏返して差し直してください"_s);
    seamOption = ui::named(new QRadioButton(u"継ぎ目の左右"_s, backGroup), u"seamOption"_s);
    leftOption = ui::named(new QRadioButton(u"左側"_s, backGroup), u"leftOption"_s);
    senderLabel = ui::named(new QLabel(backGroup), u"senderLabel"_s);
    senderLabel->setWordWrap(true);
    senderFromEntryButton = ui::named(new QPushButton(u"表示中の宛先を差出人に"_s, backGroup),
                                      u"senderFromEntryButton"_s);
    senderEditButton =
        ui::named(new QPushButton(u"差出人の入力・修正"_s, backGroup), u"senderEditButton"_s);
    auto* layoutRow = new QHBoxLayout;
    layoutRow->addWidget(seamOption);
    layoutRow->addWidget(leftOption);
    auto* backLayout = new QVBoxLayout(backGroup);
    backLayout->addWidget(backCheck);
    backLayout->addLayout(layoutRow);
    backLayout->addWidget(senderLabel);
    backLayout->addWidget(senderFromEntryButton);
    backLayout->addWidget(senderEditButton);

    codeCheck = ui::named(new QCheckBox(u"コードを印字"_s, this), u"codeCheck"_s);
    codeCheck->setToolTip(u"住所録のコード欄も宛名と一緒に印字する"_s);
    barcodeCheck = ui::named(new QCheckBox(u"カスタマバーコード"_s, this), u"barcodeCheck"_s);
    barcodeCheck->setToolTip(
        u"郵便番号と住所の番地から日本郵便のカスタマバーコードを住所の下に印字する"_s);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(previousButton);
    navigation->addWidget(positionLabel, 1);
    navigation->addWidget(nextButton);

    auto* side = new QVBoxLayout;
    side->addLayout(navigation);
    side->addWidget(sizeGroup);
    side->addWidget(writingGroup);
    side->addWidget(backGroup);
    side->addWidget(codeCheck);
    side->addWidget(barcodeCheck);
    side->addSpacing(8);
    side->addWidget(trimButton);
    side->addWidget(fontButton);
    side->addWidget(outputButton);
    side->addStretch();
    side->addWidget(printButton);
    side->addWidget(previewButton);
    side->addWidget(backButton);
    side->addWidget(endButton);
    side->addWidget(helpButton);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picEnvelope, 1, Qt::AlignTop);
    layout->addLayout(side);

    using Commands = printing::PrintScreenCommands;
    connect(previousButton, &QPushButton::clicked, m_commands, &Commands::previousEntry);
    connect(nextButton, &QPushButton::clicked, m_commands, &Commands::nextEntry);
    connect(backButton, &QPushButton::clicked, m_commands, &Commands::goBack);
    connect(endButton, &QPushButton::clicked, m_commands, &Commands::endProgram);
    connect(trimButton, &QPushButton::clicked, m_commands, &Commands::openPositionDialog);
    connect(fontButton, &QPushButton::clicked, m_commands, &Commands::openFontChooser);
    connect(outputButton, &QPushButton::clicked, m_commands, &Commands::openOutputChoice);
    connect(helpButton, &QPushButton::clicked, m_commands, &Commands::showHelp);
    connect(codeCheck, &QCheckBox::clicked, m_commands, &Commands::choosePrintCode);
    connect(barcodeCheck, &QCheckBox::clicked, m_commands, &Commands::chooseBarcodes);
    connect(m_commands, &Commands::entryChanged, this, &EnvelopeScreen::showEntry);
    connect(m_commands, &Commands::faceChosen, this, &EnvelopeScreen::showEntry);
    connect(m_commands, &Commands::controlsChanged, this, &EnvelopeScreen::showControls);
    connect(printButton, &QPushButton::clicked, this, &EnvelopeScreen::printJob);
    connect(previewButton, &QPushButton::clicked, this, &EnvelopeScreen::showJobPreview);
    connect(senderFromEntryButton, &QPushButton::clicked, this, &EnvelopeScreen::takeEntryAsSender);
    connect(senderEditButton, &QPushButton::clicked, this, &EnvelopeScreen::editSender);
    connect(sizeBox, &QComboBox::activated, this, &EnvelopeScreen::takeChoices);
    connect(widthBox, &QDoubleSpinBox::editingFinished, this, &EnvelopeScreen::takeChoices);
    connect(heightBox, &QDoubleSpinBox::editingFinished, this, &EnvelopeScreen::takeChoices);
    for (QAbstractButton* choice : std::initializer_list<QAbstractButton*>{
             horizontalOption, verticalOption, backCheck, seamOption, leftOption})
        connect(choice, &QAbstractButton::clicked, this, &EnvelopeScreen::takeChoices);
}

void EnvelopeScreen::showChoices() {
    const QList<EnvelopeSize>& sizes = standardEnvelopes();
    const qsizetype standard = sizes.indexOf(m_choices.envelope);
    sizeBox->setCurrentIndex(standard >= 0 ? int(standard) : int(sizes.size()));
    if (standard < 0) {
        widthBox->setValue(m_choices.envelope.widthMm);
        heightBox->setValue(m_choices.envelope.heightMm);
    }
    (m_choices.writing == Writing::Vertical ? verticalOption : horizontalOption)->setChecked(true);
    backCheck->setChecked(m_choices.printBack);
    (m_choices.backLayout == BackLayout::Left ? leftOption : seamOption)->setChecked(true);
}

void EnvelopeScreen::takeChoices() {
    const QList<EnvelopeSize>& sizes = standardEnvelopes();
    const int item = sizeBox->currentIndex();
    if (item >= 0 && item < sizes.size())
        m_choices.envelope = sizes[item];
    else if (const std::optional<EnvelopeSize> user =
                 userEnvelope(widthBox->value(), heightBox->value()))
        m_choices.envelope = *user;
    m_choices.writing = verticalOption->isChecked() ? Writing::Vertical : Writing::Horizontal;
    m_choices.printBack = backCheck->isChecked();
    m_choices.backLayout = leftOption->isChecked() ? BackLayout::Left : BackLayout::Seam;
    const book::WriteResult written = writeEnvelopeChoices(envelopeChoicesPath(), m_choices);
    if (!written.ok())
        m_context.platform.messages.show(
            u"設定を保存できませんでした。\n"_s + written.error.describe(), platform::Buttons::Ok);
    showEntry();
    showControls();
}

void EnvelopeScreen::showSender() {
    if (!m_sender) {
        senderLabel->setText(u"（差出人がありません）"_s);
        return;
    }
    senderLabel->setText(book::jointNameLine(m_sender->name) + u"\n"_s + m_sender->address1 +
                         m_sender->address2);
}

void EnvelopeScreen::takeEntryAsSender() {
    if (!m_model.hasEntry())
        return;
    const book::AddressCard sender = m_model.entryOnScreen();
    if (!postcard::saveSender(sender, m_context.platform.messages))
        return;
    m_sender = sender;
    showSender();
    showEntry();
    showControls();
}

void EnvelopeScreen::editSender() {
    auto* dialog = new postcard::SenderDialog(
        m_context.platform.messages, m_sender.value_or(book::AddressCard{}),
        [this](const book::AddressCard& sender) {
            m_sender = sender;
            showSender();
            showEntry();
            showControls();
        },
        this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void EnvelopeScreen::showEntry() {
    const EnvelopeJobSettings settings = jobSettings();
    const FrontLayout layout = frontLayout(settings.envelope, settings.writing);
    platform::RecordingPrinter measure;
    const QList<printing::PlacedRun> front =
        m_model.hasEntry() ? typesetEnvelopeFront(measure, m_model.entryAsPrinted(), settings).runs
                           : QList<printing::PlacedRun>();
    std::optional<QList<printing::PlacedRun>> back;
    if (settings.printBack)
        back = settings.sender ? typesetEnvelopeBack(measure, *settings.sender, settings).runs
                               : QList<printing::PlacedRun>();
    // The bars as the job draws them.
    platform::RecordingPrinter bars;
    if (m_model.hasEntry())
        drawEnvelopeBarcode(bars, m_model.entryAsPrinted(), settings, {});
    QList<QRect> barRects;
    for (const platform::FilledRect& bar : bars.filled())
        barRects << bar.twips;
    picEnvelope->showEnvelope(layout.pageMm, layout.boxesTwips, front, back, barRects);
}

void EnvelopeScreen::showControls() {
    const printing::PrintScreenControls controls = m_model.controls();
    // A back is printed only with a sender to put on it.
    printButton->setEnabled(controls.printEnabled && !(m_choices.printBack && !m_sender));
    previousButton->setEnabled(controls.pagingEnabled);
    nextButton->setEnabled(controls.pagingEnabled);
    positionLabel->setVisible(controls.positionVisible);
    positionLabel->setText(controls.position);
    codeCheck->setChecked(controls.printCode);
    barcodeCheck->setChecked(controls.barcodes);
    const bool userSize = sizeBox->currentIndex() == standardEnvelopes().size();
    widthBox->setEnabled(userSize);
    heightBox->setEnabled(userSize);
    const bool verticalBack = m_choices.printBack && m_choices.writing == Writing::Vertical;
    seamOption->setEnabled(verticalBack);
    leftOption->setEnabled(verticalBack);
    senderFromEntryButton->setEnabled(m_model.hasEntry());
}

EnvelopeJobSettings EnvelopeScreen::jobSettings() const {
    EnvelopeJobSettings settings;
    settings.envelope = m_choices.envelope;
    settings.writing = m_choices.writing;
    settings.textFace = m_model.textFace;
    // The trims are read afresh at each job.
    settings.trims = printing::readTrims(m_model.offsetsPath());
    settings.printCode = m_model.printCode();
    settings.printBack = m_choices.printBack;
    settings.sender = m_sender;
    settings.backLayout = m_choices.backLayout;
    settings.barcodes = m_model.barcodes();
    return settings;
}

void EnvelopeScreen::showJobPreview() {
    const EnvelopeJobSettings settings = jobSettings();
    const book::CardList entries = m_model.entries();
    printing::openJobPreview(
        envelopeJobTitle(int(entries.size())), envelopePage(settings),
        [entries, settings](platform::Printer& printer) {
            drawEnvelopes(printer, entries, settings);
        },
        this);
}

void EnvelopeScreen::printJob() {
    const EnvelopeJobSettings settings = jobSettings();
    m_model.showTrims(settings.trims);
    m_model.printStarted();
    showControls();
    EnvelopePrintJob job(m_context.platform, m_model.outputChoice(), m_context.state.book.path());
    const EnvelopePrintJob::Outcome outcome = job.run(m_model.entries(), settings);
    // After a job the screen prints again only when nothing came out.
    m_model.printFinished(outcome != EnvelopePrintJob::Outcome::Printed);
    showControls();
}

void EnvelopeScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    m_commands->goBack();
}

} // namespace envelope
