#include "postcard/SenderPanel.h"

#include "book/JointNames.h"
#include "postcard/SenderDialog.h"
#include "postcard/SenderFile.h"
#include "ui/Named.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace postcard {

SenderPanel::SenderPanel(platform::Messages& messages, const Names& names,
                         std::function<std::optional<book::AddressCard>()> entryOnScreen,
                         QWidget* parent)
    : QWidget(parent), m_messages(messages), m_entryOnScreen(std::move(entryOnScreen)) {
    m_label = ui::named(new QLabel(this), names.label);
    m_fromEntry = ui::named(new QPushButton(u"表示中の宛先を差出人に"_s, this), names.fromEntry);
    auto* editButton = ui::named(new QPushButton(u"差出人の入力・修正"_s, this), names.edit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_fromEntry);
    layout->addWidget(editButton);
    connect(m_fromEntry, &QPushButton::clicked, this, &SenderPanel::takeEntry);
    connect(editButton, &QPushButton::clicked, this, &SenderPanel::edit);

    const SenderRead read = readSender(senderFilePath());
    m_sender = read.sender;
    showSender();
    if (!read.error.isEmpty())
        m_label->setText(u"差出人ファイルを読み込めません。\n"_s + read.error);
}

void SenderPanel::allowTakingEntry(bool allowed) {
    m_fromEntry->setEnabled(allowed);
}

void SenderPanel::showSender() {
    if (!m_sender) {
        m_label->setText(u"（差出人がありません）"_s);
        return;
    }
    // One line each for the name, the code and the address lines, cut with
    // "…" where the column is narrow; the tool tip holds every line whole.
    QStringList lines{book::jointNameLine(m_sender->name), u"〒"_s + m_sender->postalCode,
                      m_sender->address1 + m_sender->address2, m_sender->address3};
    lines.removeAll(QString());
    m_label->setToolTip(lines.join(u'\n'));
    const int room = contentsRect().width() - 8;
    for (QString& line : lines)
        line = m_label->fontMetrics().elidedText(line, Qt::ElideRight, std::max(room, 200));
    m_label->setText(lines.join(u'\n'));
}

void SenderPanel::takeEntry() {
    const std::optional<book::AddressCard> entry = m_entryOnScreen();
    if (!entry)
        return;
    // The sender typed before is not replaced without asking.
    if (m_sender && *m_sender != *entry &&
        m_messages.show(u"差出人を「%1」から「%2」に置き換えます。よろしいですか？"_s.arg(
                            m_sender->name, entry->name),
                        platform::Buttons::OkCancel) == platform::Answer::Cancel)
        return;
    if (!saveSender(*entry, m_messages))
        return;
    m_sender = entry;
    showSender();
    emit senderChanged();
}

void SenderPanel::edit() {
    auto* dialog = new SenderDialog(
        m_messages, m_sender.value_or(book::AddressCard{}),
        [this](const book::AddressCard& sender) {
            m_sender = sender;
            showSender();
            emit senderChanged();
        },
        this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace postcard
