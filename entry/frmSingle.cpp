#include "entry/frmSingle.h"

#include "ui/CentreOnScreen.h"
#include "ui/CloseOnEscape.h"
#include "ui/Named.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace entry {

frmSingle::frmSingle(ui::AppContext& context, QWidget* parent, zip::TownPicker* townPicker)
    : QWidget(parent), m_entry(context) {
    setObjectName(u"frmSingle"_s);
    ui::closeOnEscape(this);
    setWindowTitle(u"単票-住所設定"_s);
    m_address = std::make_unique<AddressControls>(this, m_entry, u"住所入力オプション"_s,
                                                  context.platform.messages, townPicker);
    buildControls();
    connect(&m_entry, &SingleEntry::screenChanged, this, &frmSingle::refresh);
    connect(&m_entry, &SingleEntry::focusRequested, this, &frmSingle::moveFocus);
    refresh();
    adjustSize();
    ui::centreOnScreen(this);
}

void frmSingle::buildControls() {
    cmdPrint = ui::named(new QPushButton(u"ラベル印刷へ"_s), "cmdPrint");
    cmdHagaki = ui::named(new QPushButton(u"ハガキ印刷へ"_s), "cmdHagaki");
    Command3 = ui::named(new QPushButton(u"戻る"_s), "Command3");
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(cmdPrint);
    commands->addWidget(cmdHagaki);
    commands->addWidget(Command3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_address->grid());
    layout->addStretch();
    layout->addLayout(commands);

    connect(Command3, &QPushButton::clicked, &m_entry, &SingleEntry::back);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSingle::printLabels);
    connect(cmdHagaki, &QPushButton::clicked, this, &frmSingle::printPostcards);
}

void frmSingle::refresh() {
    m_address->show();
}

void frmSingle::moveFocus(Field field) {
    m_address->edit(field)->setFocus();
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
