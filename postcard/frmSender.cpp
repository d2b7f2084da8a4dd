#include "postcard/frmSender.h"

#include "platform/Messages.h"
#include "postcard/SenderFile.h"
#include "ui/Named.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace postcard {

frmSender::frmSender(platform::Messages& messages, const book::AddressCard& sender,
                     std::function<void(const book::AddressCard&)> onSaved, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_onSaved(std::move(onSaved)), m_sender(sender) {
    setObjectName(u"frmSender"_s);
    setWindowTitle(u"差出人"_s);
    auto field = [this](const QString& name, const QString& value) {
        auto* edit = ui::named(new QLineEdit(value, this), name);
        edit->setMinimumWidth(320);
        return edit;
    };
    txtName = field(u"txtName"_s, sender.name);
    txtName->setToolTip(u"連名は全角の／で区切ります（例：山田　太郎／花子）"_s);
    txtAdd1 = field(u"txtAdd1"_s, sender.address1);
    txtAdd2 = field(u"txtAdd2"_s, sender.address2);
    txtAdd3 = field(u"txtAdd3"_s, sender.address3);
    txtZip = field(u"txtZip"_s, sender.postalCode);
    cmdOK = ui::named(new QPushButton(u"OK"_s, this), u"cmdOK"_s);
    cmdCancel = ui::named(new QPushButton(u"キャンセル"_s, this), u"cmdCancel"_s);
    auto* form = new QFormLayout(this);
    form->addRow(u"名前"_s, txtName);
    form->addRow(u"住所１"_s, txtAdd1);
    form->addRow(u"住所２"_s, txtAdd2);
    form->addRow(u"住所３"_s, txtAdd3);
    form->addRow(u"郵便番号"_s, txtZip);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    form->addRow(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &frmSender::save);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSender::save() {
    m_sender.name = txtName->text();
    m_sender.address1 = txtAdd1->text();
    m_sender.address2 = txtAdd2->text();
    m_sender.address3 = txtAdd3->text();
    m_sender.postalCode = txtZip->text();
    if (m_sender.honorific.isEmpty())
        m_sender.honorific = u"5"_s; // a sender takes no honorific
    if (!saveSender(m_sender, m_messages))
        return;
    m_onSaved(m_sender);
    accept();
}

} // namespace postcard
