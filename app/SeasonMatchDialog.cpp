#include "app/SeasonMatchDialog.h"

#include "ui/Named.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace app {

SeasonMatchDialog::SeasonMatchDialog(ui::AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context),
      m_matching(context.state.book.path(), context.state.cards),
      m_records(ui::named(new QListWidget(this), u"unmatchedList"_s)),
      m_cards(ui::named(new QComboBox(this), u"cardChoice"_s)),
      m_pair(ui::named(new QPushButton(u"組み合わせる"_s, this), u"pairButton"_s)),
      m_drop(ui::named(new QPushButton(u"記録を削除"_s, this), u"dropButton"_s)) {
    setObjectName(u"SeasonMatchDialog"_s);
    setWindowTitle(u"記録の照合"_s);
    auto* close = ui::named(new QPushButton(u"閉じる"_s, this), u"closeButton"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(u"住所録のどのカードにも合わない年賀状の記録です。"
                                 "カードを選んで組み合わせるか、記録を削除して下さい。"_s));
    layout->addWidget(m_records);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(u"カード："_s));
    row->addWidget(m_cards, 1);
    row->addWidget(m_pair);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_drop);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(m_pair, &QPushButton::clicked, this, &SeasonMatchDialog::pairChosen);
    connect(m_drop, &QPushButton::clicked, this, &SeasonMatchDialog::dropChosen);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_records, &QListWidget::currentRowChanged, this, &SeasonMatchDialog::showState);
    showState();
    resize(560, 320);
}

void SeasonMatchDialog::pairChosen() {
    const season::RecordResult paired = m_matching.pair(
        m_records->currentRow(), m_matching.freeCardNumbers().value(m_cards->currentIndex()));
    if (!paired.ok())
        m_context.platform.messages.show(u"記録を組み合わせられませんでした。\n"_s + paired.error);
    showState();
}

void SeasonMatchDialog::dropChosen() {
    const QString chosen = m_records->currentItem() ? m_records->currentItem()->text() : QString();
    if (m_context.platform.messages.show(u"この記録を削除しますか？\n"_s + chosen,
                                         platform::Buttons::OkCancel) != platform::Answer::Ok)
        return;
    const season::RecordResult dropped = m_matching.drop(m_records->currentRow());
    if (!dropped.ok())
        m_context.platform.messages.show(u"記録を削除できませんでした。\n"_s + dropped.error);
    showState();
}

void SeasonMatchDialog::showState() {
    const QStringList records = m_matching.records();
    if (m_records->count() != records.size()) {
        const QSignalBlocker block(m_records);
        m_records->clear();
        m_records->addItems(records);
        m_records->setCurrentRow(records.isEmpty() ? -1 : 0);
        m_cards->clear();
        m_cards->addItems(m_matching.freeCards());
    }
    const bool chosen = m_records->currentRow() >= 0;
    m_pair->setEnabled(chosen && m_cards->count() > 0);
    m_drop->setEnabled(chosen);
}

} // namespace app
