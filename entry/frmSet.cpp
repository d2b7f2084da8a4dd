#include "entry/frmSet.h"

#include "ui/CentreOnScreen.h"
#include "ui/CloseOnEscape.h"
#include "ui/Named.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace entry {

namespace {

QPushButton* button(const QString& caption, const char* name, const QString& tip = {}) {
    auto* b = ui::named(new QPushButton(caption), name);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

} // namespace

frmSet::frmSet(ui::AppContext& context, int jumpToCard, QWidget* parent,
               zip::TownPicker* townPicker)
    : QWidget(parent), m_editor(context) {
    setObjectName(u"frmSet"_s);
    m_address = std::make_unique<AddressControls>(this, m_editor, u"住所オプション入力"_s,
                                                  context.platform.messages, townPicker);
    buildControls();
    connect(&m_editor, &CardEditor::screenChanged, this, &frmSet::refresh);
    connect(&m_editor, &CardEditor::focusRequested, this, &frmSet::moveFocus);
    connect(&m_editor, &CardEditor::nextCardFocusRequested, this, [this] { cmdFow->setFocus(); });
    m_opened = m_editor.open();
    if (m_opened && jumpToCard > 0)
        m_editor.showCard(jumpToCard);
    refresh();
    adjustSize();
    ui::centreOnScreen(this);
}

void frmSet::buildControls() {
    cmdRR = button(u"≪"_s, "cmdRR", u"最初のカードへ"_s);
    cmdRew = button(u"＜"_s, "cmdRew", u"戻る"_s);
    lblRec = ui::named(new QLabel, u"lblRec"_s);
    lblRec->setAlignment(Qt::AlignCenter);
    lblRec->setMinimumWidth(90);
    lblRec->setFrameShape(QFrame::Panel);
    lblRec->setFrameShadow(QFrame::Sunken);
    cmdFow = button(u"＞"_s, "cmdFow", u"次のカードへ"_s);
    cmdFF = button(u"≫"_s, "cmdFF", u"最後のカードへ"_s);
    cmdJump = button(u"∥"_s, "cmdJump", u"新規カード"_s);
    auto* navigation = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdRR, cmdRew, lblRec, cmdFow, cmdFF, cmdJump})
        navigation->addWidget(w);
    navigation->addStretch();

    Command3 = button(u"オプション入力"_s, "Command3");
    cmdAdd = button(u"登録"_s, "cmdAdd");
    cmdDel = button(u"削除"_s, "cmdDel");
    cmdList = button(u"一覧表示"_s, "cmdList");
    cmdRtn = button(u"戻る"_s, "cmdRtn");
    cmdCancel = button(u"キャンセル"_s, "cmdCancel");
    auto* commands = new QHBoxLayout;
    commands->addWidget(Command3);
    commands->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{cmdAdd, cmdDel, cmdList, cmdRtn, cmdCancel})
        commands->addWidget(w);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(navigation);
    layout->addLayout(m_address->grid());
    seasonHistory = ui::named(new QLabel, u"seasonHistory"_s);
    seasonHistory->setWordWrap(true);
    layout->addWidget(seasonHistory);
    layout->addStretch();
    layout->addLayout(commands);

    // Tab runs through the card first, then the commands, then the navigation.
    QWidget* previous = m_address->chainTabOrder(nullptr);
    for (QWidget* next :
         std::initializer_list<QWidget*>{cmdAdd, cmdDel, cmdList, cmdRtn, cmdCancel, Command3,
                                         cmdRR, cmdRew, cmdFow, cmdFF, cmdJump}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(cmdRR, &QPushButton::clicked, &m_editor, &CardEditor::firstCard);
    connect(cmdRew, &QPushButton::clicked, &m_editor, &CardEditor::previousCard);
    connect(cmdFow, &QPushButton::clicked, &m_editor, &CardEditor::nextCard);
    connect(cmdFF, &QPushButton::clicked, &m_editor, &CardEditor::lastCard);
    connect(cmdJump, &QPushButton::clicked, &m_editor, &CardEditor::newCard);
    connect(cmdAdd, &QPushButton::clicked, &m_editor, &CardEditor::registerCard);
    connect(cmdDel, &QPushButton::clicked, &m_editor, &CardEditor::deleteCard);
    connect(cmdList, &QPushButton::clicked, &m_editor, &CardEditor::showList);
    connect(cmdRtn, &QPushButton::clicked, &m_editor, &CardEditor::returnToStart);
    connect(cmdCancel, &QPushButton::clicked, &m_editor, &CardEditor::cancel);
    connect(Command3, &QPushButton::clicked, &m_editor, &CardEditor::useEntryPanel);
    ui::closeOnEscape(this);
}

void frmSet::refresh() {
    setWindowTitle(m_editor.caption());
    lblRec->setText(m_editor.recordLabel());
    const QString history = m_editor.seasonHistory();
    seasonHistory->setText(u"年賀状の記録：　"_s + (history.isEmpty() ? u"なし"_s : history));
    m_address->show();
    Command3->setEnabled(m_editor.optionInputEnabled());
    cmdDel->setEnabled(m_editor.deleteEnabled());
    // The one-line panel and the two address lines differ in height: the
    // window follows the mode so that neither leaves an empty band.
    if (m_shownEntryMode != int(m_editor.entryMode())) {
        m_shownEntryMode = int(m_editor.entryMode());
        layout()->activate();
        resize(width(), minimumSizeHint().height());
    }
}

void frmSet::moveFocus(Field field) {
    m_address->edit(field)->setFocus();
}

void frmSet::closeEvent(QCloseEvent* event) {
    // The close box asks what 戻る asks; a キャンセル there keeps the window.
    if (!m_editor.closed())
        m_editor.returnToStart();
    if (m_editor.closed())
        event->accept();
    else
        event->ignore();
}

} // namespace entry
