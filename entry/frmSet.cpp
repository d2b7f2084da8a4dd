#include "entry/frmSet.h"

#include "book/Honorifics.h"
#include "entry/CentreWindow.h"
#include "zip/QtTownPicker.h"
#include "zip/ZipLookupButtons.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace entry {

namespace {

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(const QString& caption, const char* name, const QString& tip = {}) {
    auto* b = named(new QPushButton(caption), name);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

} // namespace

frmSet::frmSet(app::AppContext& context, int jumpToCard, QWidget* parent, zip::TownPicker* townPicker)
    : QWidget(parent), m_editor(context), m_townPicker(townPicker) {
    setObjectName(u"frmSet"_s);
    if (!m_townPicker) {
        m_ownTownPicker = std::make_unique<zip::QtTownPicker>(this);
        m_townPicker = m_ownTownPicker.get();
    }
    buildControls();
    addZipButtons(context.platform.messages);
    connect(&m_editor, &CardEditor::screenChanged, this, &frmSet::refresh);
    connect(&m_editor, &CardEditor::focusRequested, this, &frmSet::moveFocus);
    m_opened = m_editor.open();
    if (m_opened && jumpToCard > 0)
        m_editor.jumpGet(jumpToCard);
    refresh();
    centreWindow(this);
}

QLineEdit* frmSet::addField(Field field, const char* name) {
    auto* edit = named(new QLineEdit, name);
    m_fields.append({field, edit});
    connect(edit, &QLineEdit::textEdited, this,
            [this, edit](const QString& text) { typeInto(edit, text); });
    return edit;
}

void frmSet::typeInto(QLineEdit* edit, const QString& text) {
    for (const auto& [field, fieldEdit] : m_fields) {
        if (fieldEdit != edit)
            continue;
        const QString kept = m_editor.setFieldText(field, text);
        if (edit->text() != kept)
            edit->setText(kept);
        return;
    }
}

// The lookup fills the fields through the editor's typing path, so the card
// becomes changed and the length warnings apply as for typing.
void frmSet::addZipButtons(platform::Messages& messages) {
    m_zipButtons = new zip::ZipLookupButtons(
        this, messages, *m_townPicker, txtZip, txtAdd1, txtAdd2, Option2,
        [this](QLineEdit* edit, const QString& text) { typeInto(edit, text); });
    m_zipButtonRow->addWidget(m_zipButtons->cmdAddSearch);
    m_zipButtonRow->addWidget(m_zipButtons->cmdZipSearch);
    connect(m_zipButtons, &zip::ZipLookupButtons::addressFilled, &m_editor,
            &CardEditor::addressLinesFilled);
}

void frmSet::buildControls() {
    cmdRR = button(u"≪"_s, "cmdRR", u"最初のカードへ"_s);
    cmdRew = button(u"＜"_s, "cmdRew", u"戻る"_s);
    lblRec = named(new QLabel, "lblRec");
    lblRec->setAlignment(Qt::AlignCenter);
    lblRec->setMinimumWidth(90);
    lblRec->setFrameShape(QFrame::Panel);
    lblRec->setFrameShadow(QFrame::Sunken);
    cmdFow = button(u"＞"_s, "cmdFow", u"次のカードへ"_s);
    cmdFF = button(u"≫"_s, "cmdFF", u"最後のカードへ"_s);
    cmdJump = button(u"∥"_s, "cmdJump", u"新規カード"_s);
    auto* navigation = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdRR, cmdRew, lblRec, cmdFow, cmdFF, cmdJump})
        navigation->addWidget(w);
    navigation->addStretch();

    lblName = named(new QLabel(u"宛名／敬称"_s), "lblName");
    txtName = addField(Field::Name, "txtName");
    Combo1 = named(new QComboBox, "Combo1");
    Combo1->addItems(book::honorifics());
    lblZip = named(new QLabel(u"郵便番号"_s), "lblZip");
    txtZip = addField(Field::PostalCode, "txtZip");
    txtZip->setMaximumWidth(120);
    m_zipButtonRow = new QHBoxLayout;
    m_zipButtonRow->setObjectName(u"zipButtonRow"_s);
    lblAdd1 = named(new QLabel(u"住所  １"_s), "lblAdd1");
    txtAdd1 = addField(Field::Address1, "txtAdd1");
    lblAdd2 = named(new QLabel(u"住所  ２"_s), "lblAdd2");
    txtAdd2 = addField(Field::Address2, "txtAdd2");
    Label1 = named(new QLabel(u"建物名（肩付）"_s), "Label1");
    txtAdd3 = addField(Field::Address3, "txtAdd3");
    lblCode = named(new QLabel(u"Code"_s), "lblCode");
    txtCode = addField(Field::Code, "txtCode");

    AddressEntryPanel = named(new QWidget, "AddressEntryPanel");
    label2 = named(new QLabel(u"住所オプション入力"_s), "label2");
    txtNewadd = named(new QLineEdit, "txtNewadd");
    Frame1 = named(new QGroupBox(u"住所オプション入力"_s), "Frame1");
    Option1 = named(new QRadioButton(u"都府県名あり"_s), "Option1");
    Option2 = named(new QRadioButton(u"都府県名なし"_s), "Option2");
    Command1 = button(u"自動振り分け"_s, "Command1");
    Command2 = button(u"使わない"_s, "Command2");
    auto* frameLayout = new QHBoxLayout(Frame1);
    frameLayout->addWidget(Option1);
    frameLayout->addWidget(Option2);
    frameLayout->addStretch();
    frameLayout->addWidget(Command1);
    frameLayout->addWidget(Command2);
    auto* panelLayout = new QGridLayout(AddressEntryPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(label2, 0, 0);
    panelLayout->addWidget(txtNewadd, 0, 1);
    panelLayout->addWidget(Frame1, 1, 0, 1, 2);

    auto* fields = new QGridLayout;
    fields->addWidget(lblName, 0, 0);
    fields->addWidget(txtName, 0, 1);
    fields->addWidget(Combo1, 0, 2);
    fields->addWidget(lblZip, 1, 0);
    auto* zipRow = new QHBoxLayout;
    zipRow->addWidget(txtZip);
    zipRow->addLayout(m_zipButtonRow);
    zipRow->addStretch();
    fields->addLayout(zipRow, 1, 1, 1, 2);
    fields->addWidget(lblAdd1, 2, 0);
    fields->addWidget(txtAdd1, 2, 1, 1, 2);
    fields->addWidget(lblAdd2, 3, 0);
    fields->addWidget(txtAdd2, 3, 1, 1, 2);
    // The panel and the two address lines take turns in the same rows.
    fields->addWidget(AddressEntryPanel, 2, 0, 2, 3);
    fields->addWidget(Label1, 5, 0);
    fields->addWidget(txtAdd3, 5, 1, 1, 2);
    fields->addWidget(lblCode, 6, 0);
    fields->addWidget(txtCode, 6, 1, 1, 2);
    fields->setColumnMinimumWidth(1, 360);

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
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(commands);

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
    connect(Command1, &QPushButton::clicked, &m_editor, &CardEditor::splitNewAddress);
    connect(Command2, &QPushButton::clicked, &m_editor, &CardEditor::useAddressLines);
    connect(Command3, &QPushButton::clicked, &m_editor, &CardEditor::useEntryPanel);
    connect(Combo1, &QComboBox::activated, this, &frmSet::honorificClicked);
    connect(txtNewadd, &QLineEdit::textEdited, this, &frmSet::newAddressEdited);
    connect(Option1, &QRadioButton::toggled, this, &frmSet::prefectureOptionChanged);
}

void frmSet::refresh() {
    setWindowTitle(m_editor.caption());
    lblRec->setText(m_editor.recordLabel());
    for (const auto& [field, edit] : m_fields) {
        if (edit->text() != m_editor.fieldText(field))
            edit->setText(m_editor.fieldText(field));
    }
    if (txtNewadd->text() != m_editor.newAddress())
        txtNewadd->setText(m_editor.newAddress());
    Combo1->setCurrentIndex(m_editor.honorificPosition());
    {
        const QSignalBlocker blocker(Option1);
        Option1->setChecked(m_editor.keepPrefecture());
        Option2->setChecked(!m_editor.keepPrefecture());
    }
    const bool entry = m_editor.entryMode();
    for (QWidget* w : std::initializer_list<QWidget*>{lblAdd1, txtAdd1, lblAdd2, txtAdd2})
        w->setVisible(!entry);
    AddressEntryPanel->setVisible(entry);
    Command3->setEnabled(m_editor.optionInputEnabled());
    cmdDel->setEnabled(m_editor.deleteEnabled());
}

void frmSet::moveFocus(const QString& control) {
    if (auto* target = findChild<QWidget*>(control))
        target->setFocus();
}

void frmSet::honorificClicked(int position) {
    m_editor.chooseHonorific(position);
}

void frmSet::newAddressEdited(const QString& text) {
    const QString kept = m_editor.setNewAddress(text);
    if (txtNewadd->text() != kept)
        txtNewadd->setText(kept);
}

void frmSet::prefectureOptionChanged() {
    m_editor.setKeepPrefecture(Option1->isChecked());
}

void frmSet::closeEvent(QCloseEvent* event) {
    m_editor.cancel();
    event->accept();
}

} // namespace entry
