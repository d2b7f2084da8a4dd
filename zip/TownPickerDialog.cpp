#include "zip/TownPickerDialog.h"

#include "ui/Named.h"
#include "zip/PostalCode.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zip {

TownPickerDialog::TownPickerDialog(const QString& code, const ZipAddressList& choices,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(u"TownPickerDialog"_s);
    setWindowTitle(u"住所の選択"_s);
    setModal(true);

    const QString prompt = u"〒%1 の住所を選んでください。"_s.arg(formattedCode(code));
    lblTown = ui::named(new QLabel(prompt, this), u"lblTown"_s);
    lstTown = ui::named(new QListWidget(this), u"lstTown"_s);
    for (const ZipAddress& place : choices)
        lstTown->addItem(place.fullText());
    if (!choices.isEmpty())
        lstTown->setCurrentRow(0);

    cmdOK = ui::named(new QPushButton(u"OK"_s, this), u"cmdOK"_s);
    cmdOK->setDefault(true);
    cmdCancel = ui::named(new QPushButton(u"キャンセル"_s, this), u"cmdCancel"_s);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTown);
    layout->addWidget(lstTown);
    layout->addLayout(buttons);
    resize(420, 300);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstTown, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int TownPickerDialog::chosenIndex() const {
    return lstTown->currentRow();
}

} // namespace zip
