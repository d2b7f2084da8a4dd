#include "envelope/EnvelopeScreen.h"

#include "envelope/EnvelopePicture.h"
#include "envelope/EnvelopePrintJob.h"
#include "platform/RecordingPrinter.h"
#include "postcard/SenderPanel.h"
#include "postcard/frmPriloc1.h"
#include "printing/JobPreview.h"
#include "printing/OffsetsFile.h"
#include "printing/ScreenControls.h"
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
    // Envelopes go through the postcards' feed: the postcards' position dialog,
    // with the postcards' offsets file where a printer has no trims for the size.
    m_commands = new printing::PrintScreenCommands(
        m_context, m_model, this,
        [this](ui::AppContext& context, const QString& printer, const QString& medium, auto onSaved,
               QWidget* parent) -> QWidget* {
            auto* dialog =
                new postcard::frmPriloc1(context, std::move(onSaved), parent, printer, medium);
            dialog->setAlignmentPaper(envelopePage(jobSettings()));
            return dialog;
        });
    buildControls();

    m_choices = readEnvelopeChoices(envelopeChoicesPath());
    showChoices();
    m_model.allowPrint(m_model.hasEntry());
    showEntry();
    showControls();

    adjustSize();
    ui::centreOnScreen(this);
}

void EnvelopeScreen::buildControls() {
    picEnvelope = new EnvelopePicture(this);
    m_controls = printing::ScreenControls::build(
        this,
        {u"previousButton"_s, u"nextButton"_s, u"positionLabel"_s, u"codeCheck"_s,
         u"barcodeCheck"_s, u"printButton"_s, u"previewButton"_s, u"backButton"_s, u"endButton"_s,
         u"前の封筒へ"_s, u"次の封筒へ"_s, u"印刷される封筒を画面で確かめる"_s,
         u"郵便番号と住所の番地から日本郵便のカスタマバーコードを住所の下に印字する"_s},
        m_commands);

    auto button = [this](const QString& name, const QString& caption) {
        return ui::named(new QPushButton(caption, this), name);
    };
    trimButton = button(u"trimButton"_s, u"印字位置設定"_s);
    trimButton->setToolTip(u"封筒の大きさとプリンタごとに印字位置を記憶します"_s);
    fontButton = button(u"fontButton"_s, u"フォント選択"_s);
    outputButton = button(u"outputButton"_s, u"出力先"_s);
    helpButton = button(u"helpButton"_s, u"ヘルプ"_s);

    sizeBox = ui::named(new QComboBox, u"sizeBox"_s);
    for (const EnvelopeSize& size : standardEnvelopes())
        sizeBox->addItem(size.name + u"（"_s + QString::number(size.widthMm) + u"×"_s +
                         QString::number(size.heightMm) + u"）"_s);
    sizeBox->addItem(UserSizeItem);
    auto spin = [](const QString& name, double value) {
        auto* box = ui::named(new QDoubleSpinBox, name);
        box->setRange(50, 500);
        box->setDecimals(0);
        box->setSuffix(u" mm"_s);
        box->setValue(value);
        return box;
    };
    widthBox = spin(u"widthBox"_s, 120);
    heightBox = spin(u"heightBox"_s, 235);
    auto* userSize = new QWidget;
    auto* userSizeRow = new QHBoxLayout(userSize);
    userSizeRow->setContentsMargins(0, 0, 0, 0);
    userSizeRow->addWidget(new QLabel(u"幅"_s));
    userSizeRow->addWidget(widthBox);
    userSizeRow->addWidget(new QLabel(u"高さ"_s));
    userSizeRow->addWidget(heightBox);
    QGroupBox* sizeGroup =
        printing::choiceGroup(this, u"sizeGroup"_s, u"封筒"_s, false, {sizeBox, userSize});

    auto option = [](const QString& name, const QString& caption) {
        return ui::named(new QRadioButton(caption), name);
    };
    horizontalOption = option(u"horizontalOption"_s, u"横書き"_s);
    verticalOption = option(u"verticalOption"_s, u"縦書き"_s);
    QGroupBox* writingGroup = printing::choiceGroup(this, u"writingGroup"_s, u"書き方"_s, true,
                                                    {verticalOption, horizontalOption});

    backCheck = ui::named(new QCheckBox(u"裏面に差出人を印刷する"_s), u"backCheck"_s);
    backCheck->setToolTip(
        u"表面の次に裏面のページを印刷します。封筒を裏返して差し直してください"_s);
    seamOption = option(u"seamOption"_s, u"継ぎ目の左右"_s);
    leftOption = option(u"leftOption"_s, u"左側"_s);
    auto* backLayout = new QWidget;
    auto* backLayoutRow = new QHBoxLayout(backLayout);
    backLayoutRow->setContentsMargins(0, 0, 0, 0);
    backLayoutRow->addWidget(seamOption);
    backLayoutRow->addWidget(leftOption);
    m_senderPanel = new postcard::SenderPanel(
        m_context.platform.messages,
        {u"senderLabel"_s, u"senderFromEntryButton"_s, u"senderEditButton"_s},
        [this] { return m_model.shownEntry(); });
    backGroup = printing::choiceGroup(this, u"backGroup"_s, u"裏面（差出人）"_s, false,
                                      {backCheck, backLayout, m_senderPanel});

    auto* side = new QVBoxLayout;
    side->addLayout(m_controls.pagingRow());
    for (QWidget* choice : std::initializer_list<QWidget*>{
             sizeGroup, writingGroup, backGroup, m_controls.printCode, m_controls.barcodes})
        side->addWidget(choice);
    side->addSpacing(8);
    side->addWidget(trimButton);
    side->addWidget(fontButton);
    side->addWidget(outputButton);
    side->addStretch();
    for (QWidget* command : std::initializer_list<QWidget*>{
             m_controls.print, m_controls.preview, m_controls.back, m_controls.end, helpButton})
        side->addWidget(command);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picEnvelope, 1, Qt::AlignTop);
    layout->addLayout(side);

    using Commands = printing::PrintScreenCommands;
    m_controls.connectScreen(m_commands, this,
                             {[this] { printJob(); }, [this] { showJobPreview(); },
                              [this] { showEntry(); }, [this] { showControls(); }});
    printing::ScreenControls::connectTools(m_commands, trimButton, fontButton, helpButton);
    connect(outputButton, &QPushButton::clicked, m_commands, &Commands::openOutputChoice);
    connect(m_senderPanel, &postcard::SenderPanel::senderChanged, this, [this] {
        showEntry();
        showControls();
    });
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
    m_model.chooseTrimMedium(m_choices.envelope.name);
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
    m_model.chooseTrimMedium(m_choices.envelope.name);
    const book::WriteResult written = writeEnvelopeChoices(envelopeChoicesPath(), m_choices);
    if (!written.ok())
        m_context.platform.messages.show(
            u"設定を保存できませんでした。\n"_s + written.error.describe(), platform::Buttons::Ok);
    showEntry();
    showControls();
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
    m_controls.show(m_model.controls());
    // A back is printed only with a sender to put on it.
    if (m_choices.printBack && !m_senderPanel->sender())
        m_controls.print->setEnabled(false);
    const bool userSize = sizeBox->currentIndex() == standardEnvelopes().size();
    widthBox->setEnabled(userSize);
    heightBox->setEnabled(userSize);
    const bool verticalBack = m_choices.printBack && m_choices.writing == Writing::Vertical;
    seamOption->setEnabled(verticalBack);
    leftOption->setEnabled(verticalBack);
    m_senderPanel->allowTakingEntry(m_model.hasEntry());
}

EnvelopeJobSettings EnvelopeScreen::jobSettings() const {
    EnvelopeJobSettings settings;
    settings.envelope = m_choices.envelope;
    settings.writing = m_choices.writing;
    settings.textFace = m_model.textFace;
    // The trims are read afresh at each job, for the printer it goes to.
    settings.trims = m_model.trimsForJob(m_commands->jobPrinter());
    settings.printCode = m_model.printCode();
    settings.printBack = m_choices.printBack;
    settings.sender = m_senderPanel->sender();
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
    m_model.keepTrims(settings.trims);
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
