#include "app/frmOrder.h"

#include "app/CardMove.h"
#include "book/AddressFile.h"
#include "book/LenientNumber.h"
#include "session/BookSaver.h"
#include "session/OpenBook.h"
#include "session/SessionState.h"
#include "ui/CentreOnScreen.h"
#include "ui/CloseOnEscape.h"
#include "ui/Named.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace app {

namespace {

const QString MissingFile = u"指定ファイルがありません。"_s;
const QString Unreadable = u"住所録ファイルを読み込めませんでした。"_s;
const QString Unwritable = u"住所録ファイルに書き込めませんでした。"_s;
const QString SameAsSource = u"移動元と移動先が同じです！"_s;
const QString BadDestination = u"指定に誤りがあります。"_s;
const QString NoDestination = u"移動先が指定されていません"_s;

} // namespace

frmOrder::frmOrder(ui::AppContext& context, QWidget* parent) : QWidget(parent), m_context(context) {
    setObjectName(u"frmOrder"_s);
    setWindowTitle(u"リスト入替"_s);

    Label1 = ui::named(new QLabel(u"移動をするリストをクリックしてください"_s, this), u"Label1"_s);
    lstName = ui::named(new QListWidget(this), u"lstName"_s);
    Text1 = ui::named(new QLineEdit(this), u"Text1"_s);
    Text1->setReadOnly(true);
    Label2 = ui::named(new QLabel(u"を"_s, this), u"Label2"_s);
    Text2 = ui::named(new QLineEdit(this), u"Text2"_s);
    Text2->setMaximumWidth(60);
    Label3 = ui::named(new QLabel(u"番に挿入します。"_s, this), u"Label3"_s);
    Command1 = ui::named(new QPushButton(u"実行"_s, this), u"Command1"_s);
    Command2 = ui::named(new QPushButton(u"戻る"_s, this), u"Command2"_s);
    undoButton = ui::named(new QPushButton(u"元に戻す"_s, this), u"undoButton"_s);
    undoButton->setToolTip(u"直前の入替を取り消して、元の順に戻します"_s);
    // The sentence around the destination appears once a card is chosen.
    showDestination(false);

    // The card to move is the highlighted one, however it got highlighted
    // (a click, the arrow keys): the sentence always names what 実行 moves.
    connect(lstName, &QListWidget::currentRowChanged, this, &frmOrder::chooseCard);
    connect(lstName, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseCard(lstName->row(item)); });
    connect(Text2, &QLineEdit::textChanged, this, &frmOrder::checkDestination);
    connect(Command1, &QPushButton::clicked, this, &frmOrder::performMove);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(undoButton, &QPushButton::clicked, this, &frmOrder::undoMove);
    ui::closeOnEscape(this);

    auto* target = new QHBoxLayout;
    target->addWidget(Text1, 1);
    target->addWidget(Label2);
    target->addWidget(Text2);
    target->addWidget(Label3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(undoButton);
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(lstName, 1);
    layout->addLayout(target);
    layout->addLayout(buttons);
    resize(460, 420);

    ui::centreOnScreen(this);
    showControls();
    const QString& path = m_context.state.book.path();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        m_context.platform.messages.show(MissingFile, platform::Buttons::Ok);
        return;
    }
    loadList();
}

void frmOrder::loadList() {
    lstName->clear();
    m_cards.clear();
    const book::BookRead read = session::rereadOpenBook(m_context.state);
    const book::LoadResult& loaded = read.loaded;
    if (!loaded.ok()) {
        // A partly read book must not be written back: it would lose the rest.
        m_context.platform.messages.show(loaded.error.kind == book::ReadError::Missing ? MissingFile
                                                                                       : Unreadable,
                                         platform::Buttons::Ok);
        Text4 = u"0"_s;
        return;
    }
    m_cards = loaded.cards;
    for (int i = 1; i <= m_cards.size(); ++i)
        lstName->addItem(QString::number(i) + u"  "_s + m_cards.at(i - 1).name);
    Text4 = QString::number(lstName->count());
    showControls();
}

void frmOrder::showControls() {
    Command1->setEnabled(!m_cards.isEmpty());
    undoButton->setEnabled(!m_undo.isEmpty());
}

void frmOrder::chooseCard(int row) {
    if (row < 0 || row >= lstName->count())
        return;
    Text3 = QString::number(row + 1);
    Text1->setText(lstName->item(row)->text());
    showDestination(true);
}

void frmOrder::showDestination(bool shown) {
    for (QWidget* part : std::initializer_list<QWidget*>{Text1, Label2, Text2, Label3})
        part->setVisible(shown);
}

void frmOrder::checkDestination() {
    if (destinationTypable(Text2->text()))
        return;
    m_context.platform.messages.show(BadDestination, platform::Buttons::Ok);
    Text2->clear();
}

void frmOrder::performMove() {
    const int rows = book::leadingInteger(Text4);
    // The highlighted row is the card to move.
    if (lstName->currentRow() >= 0)
        chooseCard(lstName->currentRow());
    const int source = book::leadingInteger(Text3);
    if (Text3.isEmpty() || source < 1 || source > m_cards.size()) {
        m_context.platform.messages.show(BadDestination, platform::Buttons::Ok);
        return;
    }
    const Destination destination = moveDestination(Text2->text(), source, rows);
    if (destination.refusal != DestinationRefusal::None || destination.position > m_cards.size()) {
        const QString& message = destination.refusal == DestinationRefusal::Missing ? NoDestination
                                 : destination.refusal == DestinationRefusal::SameAsSource
                                     ? SameAsSource
                                     : BadDestination;
        m_context.platform.messages.show(message, platform::Buttons::Ok);
        return;
    }
    const book::CardList previous = m_cards;
    const season::CardOrigins origins =
        movedOrigins(int(m_cards.size()), source, destination.position, rows);
    if (!writeCards(movedCards(m_cards, source, destination.position, rows), origins))
        return;
    m_undo = previous;
    // Undoing puts each card back where it came from: the move's inverse.
    m_undoOrigins = season::CardOrigins::kept(int(previous.size()), int(previous.size()));
    for (int now = 0; now < origins.before.size(); ++now)
        m_undoOrigins.before[origins.before[now] - 1] = now + 1;
    loadList();
    // The moved card stays highlighted at its new place.
    lstName->blockSignals(true);
    lstName->setCurrentRow(std::min(destination.position, int(lstName->count())) - 1);
    lstName->blockSignals(false);
    Text1->clear();
    Text2->blockSignals(true);
    Text2->clear();
    Text2->blockSignals(false);
    showDestination(false);
}

bool frmOrder::writeCards(const book::CardList& cards, const season::CardOrigins& origins) {
    const QString before = m_context.state.book.path();
    const session::BookSaver::Result written =
        session::BookSaver(m_context.state, m_context.platform).saveOpenBook(cards, origins);
    if (written.outcome == session::BookSaver::Outcome::Cancelled)
        return false;
    if (!written.written()) {
        m_context.platform.messages.show(Unwritable, platform::Buttons::Ok);
        return false;
    }
    if (written.path != before)
        session::rememberBook(m_context.state.settings, written.path);
    return true;
}

void frmOrder::undoMove() {
    if (m_undo.isEmpty() || !writeCards(m_undo, m_undoOrigins))
        return;
    m_undo.clear();
    loadList();
    Text1->clear();
    showDestination(false);
}

void frmOrder::closeEvent(QCloseEvent* event) {
    event->accept();
    m_context.navigator.showStart();
}

} // namespace app
