#include "app/ImportDialog.h"

#include "ui/Named.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace app {

using namespace Qt::StringLiterals;
using exchange::CardField;

ImportDialog::ImportDialog(exchange::ImportPreview& preview, QWidget* parent)
    : QDialog(parent), m_preview(preview) {
    setObjectName(u"ImportDialog"_s);
    setWindowTitle(u"インポート"_s);
    buildControls();
    showPreview();
}

void ImportDialog::buildControls() {
    auto* page = new QVBoxLayout(this);

    if (m_preview.isCsv() && m_preview.columnCount() > 0) {
        page->addWidget(new QLabel(u"各列の使い方："_s, this));
        auto* strip = new QWidget;
        auto* grid = new QGridLayout(strip);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setRowStretch(2, 1);
        for (int column = 0; column < m_preview.columnCount(); ++column) {
            const QString number = QString::number(column + 1);
            auto* caption = ui::named(new QLabel(m_preview.columnCaption(column), strip),
                                      u"lblColumn"_s + number);
            auto* choice = ui::named(new QComboBox(strip), u"cboColumn"_s + number);
            for (const CardField field : exchange::cardFieldChoices())
                choice->addItem(exchange::cardFieldCaption(field), int(field));
            grid->addWidget(caption, 0, column);
            grid->addWidget(choice, 1, column);
            connect(choice, &QComboBox::currentIndexChanged, this,
                    [this, column] { changeColumn(column); });
            m_columns << choice;
        }
        // A file of many columns scrolls sideways instead of widening the dialog.
        auto* scroll = new QScrollArea(this);
        scroll->setWidget(strip);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setMinimumHeight(strip->sizeHint().height() + 20);
        page->addWidget(scroll);
    }

    previewTable = ui::named(new QTableWidget(this), u"grdPreview"_s);
    QStringList headers;
    for (const CardField field : exchange::cardFields())
        headers << exchange::cardFieldCaption(field);
    previewTable->setColumnCount(int(headers.size()));
    previewTable->setHorizontalHeaderLabels(headers);
    previewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    previewTable->setSelectionMode(QAbstractItemView::NoSelection);
    previewTable->horizontalHeader()->setStretchLastSection(true);
    previewTable->setMinimumSize(720, 260);
    page->addWidget(previewTable, 1);

    leftOutLabel = ui::named(new QLabel(this), u"lblLeftOut"_s);
    leftOutLabel->setWordWrap(true);
    leftOutLabel->setTextFormat(Qt::PlainText);
    page->addWidget(leftOutLabel);

    okButton = ui::named(new QPushButton(u"OK"_s, this), u"cmdOk"_s);
    cancelButton = ui::named(new QPushButton(u"キャンセル"_s, this), u"cmdCancel"_s);
    okButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    page->addLayout(buttons);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ImportDialog::changeColumn(int column) {
    const auto field = CardField(m_columns.at(column)->currentData().toInt());
    m_preview.setColumnUse(column, field);
    showPreview();
}

void ImportDialog::showPreview() {
    for (int column = 0; column < m_columns.size(); ++column) {
        QComboBox* choice = m_columns.at(column);
        const QSignalBlocker block(choice);
        choice->setCurrentIndex(choice->findData(int(m_preview.columnUse(column))));
    }
    const book::CardList& cards = m_preview.cards();
    const int rows = int(std::min<qsizetype>(cards.size(), PreviewRows));
    previewTable->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const book::AddressCard& card = cards.at(row);
        for (int field = 1; field <= book::AddressCard::FieldCount; ++field) {
            const QString text =
                field == 7 ? exchange::honorificTextForExport(card.honorific) : card.field(field);
            previewTable->setItem(row, field - 1, new QTableWidgetItem(text));
        }
    }
    previewTable->resizeColumnsToContents();
    QString count = u"取り込む住所 %1件"_s.arg(cards.size());
    if (cards.size() > rows)
        count += u"（初めの%1件を表示）"_s.arg(rows);
    leftOutLabel->setText(count + u"\n"_s + m_preview.leftOutReport());
    okButton->setEnabled(!cards.isEmpty());
}

} // namespace app
