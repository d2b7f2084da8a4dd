#include "postcard/SenderDialog.h"

#include "platform/Messages.h"
#include "postcard/SenderFile.h"
#include "ui/Named.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace postcard {

SenderDialog::SenderDialog(platform::Messages& messages, const book::AddressCard& sender,
                           std::function<void(const book::AddressCard&)> onSaved, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_onSaved(std::move(onSaved)), m_sender(sender) {
    setObjectName(u"SenderDialog"_s);
    setWindowTitle(u"差出人"_s);
    auto field = [this](const QString& name, const QString& value) {
        auto* edit = ui::named(new QLineEdit(value, this), name);
        edit->setMinimumWidth(320);
        return edit;
    };
    nameEdit = field(u"txtName"_s, sender.name);
    nameEdit->setToolTip(u"連名は全角の／で区切ります（例：山田　太郎／花子）"_s);
    address1Edit = field(u"txtAdd1"_s, sender.address1);
    address2Edit = field(u"txtAdd2"_s, sender.address2);
    address3Edit = field(u"txtAdd3"_s, sender.address3);
    postalCodeEdit = field(u"txtZip"_s, sender.postalCode);
    okButton = ui::named(new QPushButton(u"OK"_s, this), u"cmdOK"_s);
    cancelButton = ui::named(new QPushButton(u"キャンセル"_s, this), u"cmdCancel"_s);
    auto* form = new QFormLayout(this);
    form->addRow(u"名前"_s, nameEdit);
    form->addRow(u"住所１"_s, address1Edit);
    form->addRow(u"住所２"_s, address2Edit);
    form->addRow(u"住所３"_s, address3Edit);
    form->addRow(u"郵便番号"_s, postalCodeEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    form->addRow(buttons);
    connect(okButton, &QPushButton::clicked, this, &SenderDialog::save);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void SenderDialog::save() {
    m_sender.name = nameEdit->text();
    m_sender.address1 = address1Edit->text();
    m_sender.address2 = address2Edit->text();
    m_sender.address3 = address3Edit->text();
    m_sender.postalCode = postalCodeEdit->text();
    if (m_sender.honorific.isEmpty())
        m_sender.honorific = u"5"_s; // a sender takes no honorific
    if (!saveSender(m_sender, m_messages))
        return;
    m_onSaved(m_sender);
    accept();
}

} // namespace postcard
