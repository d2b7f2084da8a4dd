#include "entry/frmSingle.h"

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

} // namespace

frmSingle::frmSingle(app::AppContext& context, QWidget* parent, zip::TownPicker* townPicker)
    : QWidget(parent), m_entry(context), m_townPicker(townPicker) {
    setObjectName(u"frmSingle"_s);
    setWindowTitle(u"単票-住所設定"_s);
    if (!m_townPicker) {
        m_ownTownPicker = std::make_unique<zip::QtTownPicker>(this);
        m_townPicker = m_ownTownPicker.get();
    }
    buildControls();
    addZipButtons(context.platform.messages);
    connect(&m_entry, &SingleEntry::screenChanged, this, &frmSingle::refresh);
    connect(&m_entry, &SingleEntry::focusRequested, this, &frmSingle::moveFocus);
    refresh();
    centreWindow(this);
}

QLineEdit* frmSingle::addField(Field field, const char* name) {
    auto* edit = named(new QLineEdit, name);
    m_fields.append({field, edit});
    connect(edit, &QLineEdit::textEdited, this,
            [this, edit](const QString& text) { typeInto(edit, text); });
    return edit;
}

void frmSingle::typeInto(QLineEdit* edit, const QString& text) {
    for (const auto& [field, fieldEdit] : m_fields) {
        if (fieldEdit == edit) {
            m_entry.setFieldText(field, text);
            return;
        }
    }
}

void frmSingle::addZipButtons(platform::Messages& messages) {
    m_zipButtons = new zip::ZipLookupButtons(
        this, messages, *m_townPicker, txtZip, txtAdd1, txtAdd2, Option2,
        [this](QLineEdit* edit, const QString& text) { typeInto(edit, text); });
    m_zipButtonRow->addWidget(m_zipButtons->cmdAddSearch);
    m_zipButtonRow->addWidget(m_zipButtons->cmdZipSearch);
    connect(m_zipButtons, &zip::ZipLookupButtons::addressFilled, &m_entry,
            &SingleEntry::addressLinesFilled);
}

void frmSingle::buildControls() {
    lblName = named(new QLabel(u"宛名／敬称"_s), "lblName");
    txtName = addField(Field::Name, "txtName");
    Combo1 = named(new QComboBox, "Combo1");
    Combo1->addItems(book::honorifics());
    Combo1->setCurrentIndex(-1);
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
    label2 = named(new QLabel(u"住所オプション入力"_s), "label2");
    txtNewadd = named(new QLineEdit, "txtNewadd");
    Frame1 = named(new QGroupBox(u"住所入力オプション"_s), "Frame1");
    Option1 = named(new QRadioButton(u"都府県名あり"_s), "Option1");
    Option2 = named(new QRadioButton(u"都府県名なし"_s), "Option2");
    Command1 = named(new QPushButton(u"自動振り分け"_s), "Command1");
    Command2 = named(new QPushButton(u"使わない"_s), "Command2");
    auto* frameLayout = new QHBoxLayout(Frame1);
    frameLayout->addWidget(Option1);
    frameLayout->addWidget(Option2);
    frameLayout->addStretch();
    frameLayout->addWidget(Command1);
    frameLayout->addWidget(Command2);

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
    // The one-line address panel and the two address lines take turns in the same rows.
    fields->addWidget(label2, 2, 0);
    fields->addWidget(txtNewadd, 2, 1, 1, 2);
    fields->addWidget(Frame1, 3, 0, 1, 3);
    fields->addWidget(Label1, 4, 0);
    fields->addWidget(txtAdd3, 4, 1, 1, 2);
    fields->addWidget(lblCode, 5, 0);
    fields->addWidget(txtCode, 5, 1, 1, 2);
    fields->setColumnMinimumWidth(1, 360);

    cmdPrint = named(new QPushButton(u"ラベル印刷へ"_s), "cmdPrint");
    cmdHagaki = named(new QPushButton(u"ハガキ印刷へ"_s), "cmdHagaki");
    Command3 = named(new QPushButton(u"戻る"_s), "Command3");
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(cmdPrint);
    commands->addWidget(cmdHagaki);
    commands->addWidget(Command3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(commands);

    connect(Command1, &QPushButton::clicked, &m_entry, &SingleEntry::splitNewAddress);
    connect(Command2, &QPushButton::clicked, &m_entry, &SingleEntry::useAddressLines);
    connect(Command3, &QPushButton::clicked, &m_entry, &SingleEntry::back);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSingle::printLabels);
    connect(cmdHagaki, &QPushButton::clicked, this, &frmSingle::printPostcards);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &frmSingle::honorificChanged);
    connect(txtNewadd, &QLineEdit::textEdited, this, &frmSingle::newAddressEdited);
    connect(Option1, &QRadioButton::toggled, this, &frmSingle::prefectureOptionChanged);
}

void frmSingle::refresh() {
    for (const auto& [field, edit] : m_fields) {
        if (edit->text() != m_entry.fieldText(field))
            edit->setText(m_entry.fieldText(field));
    }
    if (txtNewadd->text() != m_entry.newAddress())
        txtNewadd->setText(m_entry.newAddress());
    {
        const QSignalBlocker blocker(Combo1);
        Combo1->setCurrentIndex(m_entry.honorificPosition());
    }
    {
        const QSignalBlocker blocker(Option1);
        Option1->setChecked(m_entry.keepPrefecture());
        Option2->setChecked(!m_entry.keepPrefecture());
    }
    const bool entry = m_entry.entryMode();
    for (QWidget* w : std::initializer_list<QWidget*>{lblAdd1, txtAdd1, lblAdd2, txtAdd2})
        w->setVisible(!entry);
    for (QWidget* w : std::initializer_list<QWidget*>{label2, txtNewadd, Frame1})
        w->setVisible(entry);
}

void frmSingle::moveFocus(const QString& control) {
    if (auto* target = findChild<QWidget*>(control))
        target->setFocus();
}

void frmSingle::honorificChanged(int position) {
    m_entry.chooseHonorific(position);
}

void frmSingle::newAddressEdited(const QString& text) {
    m_entry.setNewAddress(text);
}

void frmSingle::prefectureOptionChanged() {
    m_entry.setKeepPrefecture(Option1->isChecked());
}

void frmSingle::printLabels() {
    m_entry.printLabels();
}

void frmSingle::printPostcards() {
    m_entry.printPostcards();
}

void frmSingle::closeEvent(QCloseEvent* event) {
    m_entry.back();
    event->accept();
}

} // namespace entry
