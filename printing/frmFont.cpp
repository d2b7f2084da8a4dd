#include "printing/frmFont.h"

#include "ui/CentreOnScreen.h"
#include "ui/Named.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace printing {

frmFont::frmFont(ui::AppContext& context, std::function<void(const QString& face)> onChosen,
                 QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_onChosen(std::move(onChosen)) {
    setObjectName(u"frmFont"_s);
    setWindowTitle(u"読込み中…"_s);

    List1 = ui::named(new QListWidget(this), u"List1"_s);
    List1->setMinimumSize(240, 260);
    auto* Label1 = ui::named(new QLabel(u"選択フォント名："_s, this), u"Label1"_s);
    lblNameF = ui::named(new QLabel(this), u"lblNameF"_s);
    lblNameF->setMinimumWidth(180);
    lblDemo = ui::named(new QLabel(this), u"lblDemo"_s);
    lblDemo->setMinimumSize(200, 110);
    lblDemo->setFrameShape(QFrame::StyledPanel);
    lblDemo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont demoFont = lblDemo->font();
    demoFont.setPointSize(16);
    lblDemo->setFont(demoFont);

    cmdApl = ui::named(new QPushButton(u"表示"_s, this), u"cmdApl"_s);
    cmdApl->setEnabled(false);
    cmdOk = ui::named(new QPushButton(u"OK"_s, this), u"cmdOk"_s);
    cmdOk->setEnabled(false);
    auto* Command1 = ui::named(new QPushButton(u"ヘルプ"_s, this), u"Command1"_s);
    auto* Command2 = ui::named(new QPushButton(u"キャンセル"_s, this), u"Command2"_s);

    auto* side = new QVBoxLayout;
    auto* picked = new QHBoxLayout;
    picked->addWidget(Label1);
    picked->addWidget(lblNameF, 1);
    side->addLayout(picked);
    side->addWidget(lblDemo, 1);
    side->addWidget(cmdApl);
    side->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOk);
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(List1);
    layout->addLayout(side);

    // The list can be long and slow to read: the window shows first.
    Timer1 = ui::named(new QTimer(this), u"Timer1"_s);
    Timer1->setInterval(1);
    Timer1->setSingleShot(true);

    connect(Timer1, &QTimer::timeout, this, &frmFont::SetFont);
    // A click (or the arrow keys) picks a face and shows its sample at once.
    connect(List1, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { pickFont(item); });
    connect(List1, &QListWidget::itemDoubleClicked, this, &frmFont::pickFont);
    connect(List1->verticalScrollBar(), &QScrollBar::valueChanged, lblDemo, &QLabel::clear);
    connect(cmdApl, &QPushButton::clicked, this, &frmFont::showSample);
    connect(cmdOk, &QPushButton::clicked, this, &frmFont::accept);
    connect(Command1, &QPushButton::clicked, this, &frmFont::showHelp);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);

    adjustSize();
    ui::centreOnScreen(this);
}

void frmFont::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_loaded && !Timer1->isActive())
        Timer1->start();
}

void frmFont::SetFont() {
    Timer1->stop();
    if (m_loaded)
        return;
    m_loaded = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList names = m_context.platform.printers.fontNames();
    for (int i = 0; i < names.size(); ++i) {
        // "@" faces are the vertical-writing variants.
        if (!names[i].startsWith(u'@'))
            List1->addItem(names[i]);
        setWindowTitle(QString::number(i) + u"行読込み中…"_s);
    }
    setWindowTitle(u"Font"_s);
    cmdOk->setEnabled(true);
    QApplication::restoreOverrideCursor();
}

void frmFont::pickFont(QListWidgetItem* item) {
    if (!item)
        return;
    lblNameF->setText(item->text());
    cmdApl->setEnabled(true);
    showSample();
}

void frmFont::showSample() {
    lblDemo->setText(u"123\n東京都\nあいうえお"_s);
    QFont font = lblDemo->font();
    font.setFamily(lblNameF->text());
    lblDemo->setFont(font);
}

void frmFont::accept() {
    if (lblNameF->text().isEmpty()) {
        m_context.platform.messages.show(u"フォントが選択されていません。"_s,
                                         platform::Buttons::Ok);
        return;
    }
    if (m_onChosen)
        m_onChosen(lblNameF->text());
    close();
}

void frmFont::showHelp() {
    m_context.platform.help.showHelp(u"Tagora.hlp"_s, platform::HelpViewer::Command::Context, 9);
}

} // namespace printing
