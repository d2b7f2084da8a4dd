#include "postcard/frmPrintH.h"

#include "ui/Named.h"
#include "book/Honorifics.h"
#include "book/LenientNumber.h"
#include "labels/OffsetsFile.h"
#include "labels/OutputChoice.h"
#include "ui/ToolWindow.h"
#include "labels/frmFont.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "postcard/CardDrawing.h"
#include "postcard/PostcardJob.h"
#include "postcard/PostcardLayout.h"
#include "postcard/PostcardPrintJob.h"
#include "postcard/PostcardText.h"
#include "postcard/frmPriloc1.h"

#include <QActionGroup>
#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace postcard {

namespace {

// The preview draws the card at 3 pixels per millimetre.
constexpr double PreviewPixelsPerMm = 3.0;
constexpr double TwipsPerMillimetre = 1440.0 / 25.4;
constexpr double MillimetresPerPoint = 25.4 / 72.0;

int previewPixels(int layoutTwips) {
    return qRound((layoutTwips + platform::PageOriginInsetTwips) / TwipsPerMillimetre * PreviewPixelsPerMm);
}

int previewFontPixels(double points) {
    return qRound(points * MillimetresPerPoint * PreviewPixelsPerMm);
}

QFont faceAt(const QString& face, double points) {
    QFont font(face);
    font.setPixelSize(previewFontPixels(points));
    return font;
}

} // namespace

frmPrintH::frmPrintH(ui::AppContext& context, const book::CardList& entries, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context) {
    setObjectName(u"frmPrintH"_s);
    setWindowTitle(u"印刷フォーマット ハガキ"_s);
    buildControls();

    Option1->setChecked(true);
    if (m_context.state.PrintFromList) {
        m_entries = entries;
    } else {
        // One typed address: only its first entry counts, and there is nowhere to go.
        if (!entries.isEmpty())
            m_entries = {entries.first()};
        lblPP->hide();
        cmdRew->setEnabled(false);
        cmdFF->setEnabled(false);
    }
    Text1 = QString::fromUtf16(platform::MinchoFace);
    Text6 = QString::fromUtf16(platform::MinchoFace);
    m_preview = {0, int(m_entries.size())};
    GetPage();
    showPosition();
    cmdPrint->setEnabled(!m_entries.isEmpty());

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
}

void frmPrintH::buildControls() {
    auto* card = ui::named(new QLabel(this), u"picCard"_s);
    const QPixmap blank = blankCardPicture(PreviewPixelsPerMm);
    card->setPixmap(blank);
    card->setFixedSize(blank.size());

    for (int box = 0; box < ZipBoxCount; ++box) {
        auto* label = ui::named(new QLabel(card), u"lblZipb%1"_s.arg(box));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(qRound(CardBoxLeftMillimetres[box] * PreviewPixelsPerMm),
                           qRound(CardBoxTopMillimetres * PreviewPixelsPerMm),
                           qRound(CardBoxWidthMillimetres * PreviewPixelsPerMm),
                           qRound(CardBoxHeightMillimetres * PreviewPixelsPerMm));
        lblZipb[box] = label;
    }
    auto line = [&](const QString& name, const TextPlace& place) {
        auto* label = ui::named(new QLabel(card), name);
        const int left = previewPixels(place.xTwips);
        label->setGeometry(left, previewPixels(place.yTwips), blank.width() - left - 4,
                           previewFontPixels(place.points) + 6);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    lblAdd1 = line(u"lblAdd1"_s, Address1Place);
    lblAdd2 = line(u"lblAdd2"_s, Address2Place);
    lblAdd3 = line(u"lblAdd3"_s, Address3Place);
    lblName = line(u"lblName"_s, NameLinePlace);
    lblCode = line(u"lblCode"_s, CodePlace);

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
    cmdFF->setToolTip(u"次のラベルへ"_s);
    cmdPrint = button(u"cmdPrint"_s, u"印刷"_s);
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
    side->addSpacing(8);
    side->addWidget(Command2);
    side->addWidget(Command4);
    side->addStretch();
    side->addWidget(cmdPrint);
    side->addWidget(cmdCancel);
    side->addWidget(cmdExit);
    side->addWidget(Command3);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(card, 0, Qt::AlignTop);
    layout->addLayout(side);
    auto* bar = new QMenuBar(this);
    buildMenu(bar);
    layout->setMenuBar(bar);

    connect(cmdFF, &QPushButton::clicked, this, &frmPrintH::nextEntry);
    connect(cmdRew, &QPushButton::clicked, this, &frmPrintH::previousEntry);
    connect(Option1, &QRadioButton::clicked, this, &frmPrintH::useMinchoCodeFace);
    connect(Option2, &QRadioButton::clicked, this, &frmPrintH::useOcrBCodeFace);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPrintH::printJob);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrintH::backToStart);
    connect(cmdExit, &QPushButton::clicked, this, &frmPrintH::quitProgram);
    connect(Command2, &QPushButton::clicked, this, &frmPrintH::openPositionDialog);
    connect(Command4, &QPushButton::clicked, this, &frmPrintH::openFontChooser);
    connect(Command3, &QPushButton::clicked, this, &frmPrintH::showHelp);
}

void frmPrintH::buildMenu(QMenuBar* bar) {
    mnuSet = bar->addMenu(u"設定"_s);
    mnuSet->setObjectName(u"mnuSet"_s);
    // The font and position commands belong to the label screen's menu;
    // here the buttons do that work.
    mnuFont = mnuSet->addAction(u"フォント指定"_s);
    mnuFont->setObjectName(u"mnuFont"_s);
    mnuLocate = mnuSet->addAction(u"印字位置"_s);
    mnuLocate->setObjectName(u"mnuLocate"_s);
    mnuSet->addSeparator();
    mnuOutput = mnuSet->addMenu(u"出力先"_s);
    mnuOutput->setObjectName(u"mnuOutput"_s);
    connect(mnuOutput, &QMenu::aboutToShow, this, &frmPrintH::fillOutputMenu);
    fillOutputMenu();
}

void frmPrintH::fillOutputMenu() {
    using Mode = labels::OutputChoice::Mode;
    mnuOutput->clear();
    auto* group = new QActionGroup(mnuOutput);
    const labels::OutputChoice current = labels::outputChoiceForThisRun();
    auto add = [&](const QString& caption, Mode mode, const QString& printer) {
        QAction* action = mnuOutput->addAction(caption);
        action->setCheckable(true);
        action->setChecked(current.mode == mode && (mode != Mode::Printer || current.printerName == printer));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [mode, printer] {
            labels::outputChoiceForThisRun() = {mode, printer};
        });
    };
    add(u"既定のプリンター（なければPDFファイル）"_s, Mode::Automatic, {});
    for (const QString& printer : m_context.platform.printers.printerNames())
        add(printer, Mode::Printer, printer);
    add(u"PDFファイル"_s, Mode::PdfFile, {});
}

void frmPrintH::GetPage() {
    if (m_entries.isEmpty())
        return;
    const book::AddressCard& entry = m_entries[m_preview.CurrentEntry];
    lblName->setText(book::previewNameLine(entry));
    lblAdd1->setText(entry.address1);
    lblAdd2->setText(entry.address2);
    lblCode->setText(entry.code);
    lblAdd3->setText(entry.address3);
    lblName->setFont(faceAt(Text6, NameLinePlace.points));
    lblAdd1->setFont(faceAt(Text6, Address1Place.points));
    lblAdd2->setFont(faceAt(Text6, Address2Place.points));
    lblAdd3->setFont(faceAt(Text6, Address3Place.points));
    lblCode->setFont(faceAt(Text6, CodePlace.points));
    Rezip();
}

void frmPrintH::Rezip() {
    const ZipBoxes boxes = m_entries.isEmpty() ? ZipBoxes{} : zipBoxesOf(m_entries[m_preview.CurrentEntry].postalCode);
    for (int box = 0; box < ZipBoxCount; ++box) {
        lblZipb[box]->setText(boxes[box]);
        lblZipb[box]->setFont(faceAt(Text1, ZipBoxPoints));
    }
}

void frmPrintH::applyTextFont(const QString& face) {
    Text6 = face;
    GetPage();
}

void frmPrintH::showPosition() {
    lblPP->setText(m_preview.position());
}

void frmPrintH::nextEntry() {
    const labels::PreviewPager::Step step = m_preview.forward();
    if (step == labels::PreviewPager::Step::AtLast)
        m_context.platform.messages.show(u"最後のラベルです。"_s, platform::Buttons::Ok);
    if (step != labels::PreviewPager::Step::Moved)
        return;
    GetPage();
    showPosition();
}

void frmPrintH::previousEntry() {
    if (m_preview.back() == labels::PreviewPager::Step::AtFirst) {
        m_context.platform.messages.show(u"最初のﾗﾍﾞﾙです。"_s, platform::Buttons::Ok);
        return;
    }
    GetPage();
    showPosition();
}

void frmPrintH::useMinchoCodeFace() {
    Text1 = QString::fromUtf16(platform::MinchoFace);
    Rezip();
}

void frmPrintH::useOcrBCodeFace() {
    Text1 = QString::fromUtf16(platform::OcrBFace);
    Rezip();
}

void frmPrintH::readOffsets() {
    const labels::MarkerPosition marker = labels::readOffsets(frmPriloc1::offsetsPath());
    Text4 = labels::millimetreText(labels::xMillimetres(marker));
    Text5 = labels::millimetreText(labels::yMillimetres(marker));
}

void frmPrintH::printJob() {
    readOffsets();
    PostcardJobSettings settings;
    settings.zipFace = Text1;
    settings.textFace = Text6;
    settings.xOffsetMillimetres = book::leadingNumber(Text4);
    settings.yOffsetMillimetres = book::leadingNumber(Text5);
    settings.paper = optA4->isChecked() ? platform::PaperSize::A4 : platform::PaperSize::Postcard;

    PostcardPrintJob job(m_context.platform, labels::outputChoiceForThisRun(), m_context.state.BookPath);
    const PostcardPrintJob::Outcome outcome = job.run(m_entries, settings);
    // After a job the screen prints again only when nothing came out.
    if (outcome != PostcardPrintJob::Outcome::Cancelled)
        cmdPrint->setEnabled(outcome != PostcardPrintJob::Outcome::Printed);
}

void frmPrintH::backToStart() {
    m_context.state.Reentry = 1;
    m_context.navigator.showStart();
}

void frmPrintH::quitProgram() {
    m_context.navigator.quit();
}

void frmPrintH::openPositionDialog() {
    ui::showToolWindow(m_positionDialog, [this] {
        return new frmPriloc1(
            m_context,
            [this](const QString& xMm, const QString& yMm) {
                Text4 = xMm;
                Text5 = yMm;
            },
            this);
    });
}

void frmPrintH::openFontChooser() {
    // The chooser is a child of this screen and closes with it.
    ui::showToolWindow(m_fontChooser, [this] {
        return new labels::frmFont(
            m_context, [this](const QString& face) { applyTextFont(face); }, this);
    });
}

void frmPrintH::showHelp() {
    m_context.platform.help.showHelp(u"Tagora.hlp"_s, platform::HelpViewer::Command::Context, 8);
}

} // namespace postcard
