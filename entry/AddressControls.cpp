#include "entry/AddressControls.h"

#include "book/Honorifics.h"
#include "ui/Named.h"
#include "zip/QtTownPicker.h"
#include "zip/ZipLookupButtons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace entry {

AddressControls::AddressControls(QWidget* form, AddressEntry& entry, const QString& frameCaption,
                                 platform::Messages& messages, zip::TownPicker* townPicker)
    : m_entry(entry), m_townPicker(townPicker) {
    if (!m_townPicker) {
        m_ownTownPicker = std::make_unique<zip::QtTownPicker>(form);
        m_townPicker = m_ownTownPicker.get();
    }
    build(form, frameCaption);
    // The lookup fills the fields through the typing path, so a card becomes
    // changed and the length warnings apply as for typing.
    zipButtons = new zip::ZipLookupButtons(
        form, messages, *m_townPicker, txtZip, txtAdd1, txtAdd2, Option2,
        [this](QLineEdit* edit, const QString& text) { typeInto(edit, text); });
    auto* zipRow = ui::named(new QHBoxLayout, u"zipButtonRow"_s);
    zipRow->addWidget(txtZip);
    zipRow->addWidget(zipButtons->cmdAddSearch);
    zipRow->addWidget(zipButtons->cmdZipSearch);
    zipRow->addStretch();
    m_grid->addLayout(zipRow, 1, 1, 1, 2);

    QObject::connect(zipButtons, &zip::ZipLookupButtons::addressFilled, form,
                     [this] { m_entry.addressLinesFilled(); });
    QObject::connect(Command1, &QPushButton::clicked, form, [this] { m_entry.splitNewAddress(); });
    QObject::connect(Command2, &QPushButton::clicked, form, [this] { m_entry.useAddressLines(); });
    QObject::connect(Combo1, &QComboBox::activated, form,
                     [this](int position) { m_entry.chooseHonorific(position); });
    QObject::connect(txtNewadd, &QLineEdit::textEdited, form, [this](const QString& text) {
        const QString kept = m_entry.setNewAddress(text);
        if (txtNewadd->text() != kept)
            txtNewadd->setText(kept);
    });
    QObject::connect(Option1, &QRadioButton::toggled, form,
                     [this] { m_entry.setKeepPrefecture(Option1->isChecked()); });
}

AddressControls::~AddressControls() = default;

QLineEdit* AddressControls::addField(QWidget* form, Field field, const char* name) {
    auto* edit = ui::named(new QLineEdit(form), name);
    m_fields.append({field, edit});
    QObject::connect(edit, &QLineEdit::textEdited, form,
                     [this, edit](const QString& text) { typeInto(edit, text); });
    return edit;
}

QLineEdit* AddressControls::edit(Field field) const {
    for (const auto& [each, edit] : m_fields) {
        if (each == field)
            return edit;
    }
    return txtName;
}

void AddressControls::typeInto(QLineEdit* edit, const QString& text) {
    for (const auto& [field, fieldEdit] : m_fields) {
        if (fieldEdit != edit)
            continue;
        const QString kept = m_entry.setFieldText(field, text);
        if (edit->text() != kept)
            edit->setText(kept);
        return;
    }
}

void AddressControls::build(QWidget* form, const QString& frameCaption) {
    lblName = ui::named(new QLabel(u"宛名／敬称"_s), "lblName");
    txtName = addField(form, Field::Name, "txtName");
    Combo1 = ui::named(new QComboBox, "Combo1");
    Combo1->addItems(book::honorifics());
    lblZip = ui::named(new QLabel(u"郵便番号"_s), "lblZip");
    txtZip = addField(form, Field::PostalCode, "txtZip");
    txtZip->setMaximumWidth(120);
    lblAdd1 = ui::named(new QLabel(u"住所  １"_s), "lblAdd1");
    txtAdd1 = addField(form, Field::Address1, "txtAdd1");
    lblAdd2 = ui::named(new QLabel(u"住所  ２"_s), "lblAdd2");
    txtAdd2 = addField(form, Field::Address2, "txtAdd2");
    Label1 = ui::named(new QLabel(u"建物名（肩付）"_s), "Label1");
    txtAdd3 = addField(form, Field::Address3, "txtAdd3");
    lblCode = ui::named(new QLabel(u"Code"_s), "lblCode");
    txtCode = addField(form, Field::Code, "txtCode");

    AddressEntryPanel = ui::named(new QWidget, "AddressEntryPanel");
    label2 = ui::named(new QLabel(u"住所オプション入力"_s), "label2");
    txtNewadd = ui::named(new QLineEdit, "txtNewadd");
    Frame1 = ui::named(new QGroupBox(frameCaption), "Frame1");
    Option1 = ui::named(new QRadioButton(u"都府県名あり"_s), "Option1");
    Option2 = ui::named(new QRadioButton(u"都府県名なし"_s), "Option2");
    Command1 = ui::named(new QPushButton(u"自動振り分け"_s), "Command1");
    Command2 = ui::named(new QPushButton(u"使わない"_s), "Command2");
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

    m_grid = new QGridLayout;
    m_grid->addWidget(lblName, 0, 0);
    m_grid->addWidget(txtName, 0, 1);
    m_grid->addWidget(Combo1, 0, 2);
    m_grid->addWidget(lblZip, 1, 0);
    m_grid->addWidget(lblAdd1, 2, 0);
    m_grid->addWidget(txtAdd1, 2, 1, 1, 2);
    m_grid->addWidget(lblAdd2, 3, 0);
    m_grid->addWidget(txtAdd2, 3, 1, 1, 2);
    // The panel and the two address lines take turns in the same rows.
    m_grid->addWidget(AddressEntryPanel, 2, 0, 2, 3);
    m_grid->addWidget(Label1, 4, 0);
    m_grid->addWidget(txtAdd3, 4, 1, 1, 2);
    m_grid->addWidget(lblCode, 5, 0);
    m_grid->addWidget(txtCode, 5, 1, 1, 2);
    m_grid->setColumnMinimumWidth(1, 360);
}

void AddressControls::show() {
    for (const auto& [field, edit] : m_fields) {
        if (edit->text() != m_entry.fieldText(field))
            edit->setText(m_entry.fieldText(field));
    }
    if (txtNewadd->text() != m_entry.newAddress())
        txtNewadd->setText(m_entry.newAddress());
    Combo1->setCurrentIndex(m_entry.honorificPosition());
    {
        const QSignalBlocker blocker(Option1);
        Option1->setChecked(m_entry.keepPrefecture());
        Option2->setChecked(!m_entry.keepPrefecture());
    }
    const bool entryMode = m_entry.entryMode();
    for (QWidget* w : std::initializer_list<QWidget*>{lblAdd1, txtAdd1, lblAdd2, txtAdd2})
        w->setVisible(!entryMode);
    AddressEntryPanel->setVisible(entryMode);
}

QWidget* AddressControls::chainTabOrder(QWidget* first) {
    const std::initializer_list<QWidget*> order{txtName,
                                                txtZip,
                                                zipButtons->cmdAddSearch,
                                                zipButtons->cmdZipSearch,
                                                txtAdd1,
                                                txtAdd2,
                                                txtNewadd,
                                                Option1,
                                                Option2,
                                                Command1,
                                                Command2,
                                                txtAdd3,
                                                Combo1,
                                                txtCode};
    QWidget* previous = first;
    for (QWidget* next : order) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
    return previous;
}

} // namespace entry
