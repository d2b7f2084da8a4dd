#include "app/frmStart.h"

#include "ui/CentreOnScreen.h"
#include "ui/Named.h"

#include "app/SeasonChoice.h"
#include "app/SeasonFilterButton.h"
#include "app/SeasonMatchDialog.h"
#include <QAction>
#include <QCloseEvent>

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace app {

using namespace Qt::StringLiterals;
using From = FileCommands::From;

namespace {

QList<int> selectedRows(const QListWidget* list) {
    QList<int> rows;
    for (const QListWidgetItem* item : list->selectedItems())
        rows.append(list->row(item));
    return rows;
}

// Replaces the rows when they differ and puts the selection on them.
void showList(QListWidget* list, const QStringList& rows, const QList<int>& selected, int current) {
    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown.append(list->item(row)->text());
    if (shown != rows) {
        list->clear();
        list->addItems(rows);
    }
    list->clearSelection();
    list->setCurrentRow(current, QItemSelectionModel::NoUpdate);
    if (current < 0)
        list->setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
    for (int row : selected) {
        if (QListWidgetItem* item = list->item(row))
            item->setSelected(true);
    }
}

} // namespace

frmStart::frmStart(ui::AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_screen(context) {
    setObjectName(u"frmStart"_s);
    buildControls();
    buildMenus();
    connectCommands();
    m_screen.setViewShower([this] { showView(); });
    m_screen.load();
    showView();
    adjustSize();
    ui::centreOnScreen(this);
}

void frmStart::buildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    lblMain = ui::named(new QLabel(u"印刷リスト選択"_s, central), u"lblMain"_s);
    QFont heading = lblMain->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    heading.setBold(true);
    lblMain->setFont(heading);
    Label1 = ui::named(new QLabel(u"宛名一覧　："_s, central), u"Label1"_s);
    Label2 = ui::named(new QLabel(u"選択リスト　："_s, central), u"Label2"_s);
    lstSet1 = ui::named(new QListWidget(central), u"lstSet1"_s);
    lstSet2 = ui::named(new QListWidget(central), u"lstSet2"_s);
    for (QListWidget* list : {lstSet1, lstSet2}) {
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setMinimumSize(220, 320);
    }
    lblCount = ui::named(new QLabel(u"0"_s, central), u"lblCount"_s);
    lblCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblCount->setMinimumWidth(40);
    lblAcount = ui::named(new QLabel(u"件"_s, central), u"lblAcount"_s);

    auto button = [central](const QString& caption, const QString& name) {
        return ui::named(new QPushButton(caption, central), name);
    };
    cmdAdd = button(u"一括選択"_s, u"cmdAdd"_s);
    cmdDel = button(u"削除"_s, u"cmdDel"_s);
    cmdClear = button(u"クリアー"_s, u"cmdClear"_s);
    cmdNew = button(u"新規作成"_s, u"cmdNew"_s);
    cmdOpen = button(u"ファイルを開く"_s, u"cmdOpen"_s);
    cmdSave = button(u"名前をつけて保存"_s, u"cmdSave"_s);
    cmdTexit = button(u"終了"_s, u"cmdTexit"_s);
    cmdCard = button(u"住所録編集"_s, u"cmdCard"_s);
    cmdView = button(u"住所録一覧"_s, u"cmdView"_s);
    cmdOrder = button(u"データ入替"_s, u"cmdOrder"_s);
    cmdAt = button(u"単票印刷"_s, u"cmdAt"_s);
    cmdPrint = button(u"ラベル印刷へ"_s, u"cmdPrint"_s);
    cmdHagaki = button(u"はがき印刷へ"_s, u"cmdHagaki"_s);
    envelopeButton = button(u"封筒印刷へ"_s, u"envelopeButton"_s);
    cmdHlp = button(u"ヘルプ"_s, u"cmdHlp"_s);

    auto* names = new QVBoxLayout;
    names->addWidget(Label1);
    names->addWidget(lstSet1);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(cmdAdd);
    middle->addWidget(cmdDel);
    middle->addWidget(cmdClear);
    m_seasonFilter =
        new SeasonFilterButton([this] { return seasonChoices(m_context.state); },
                               [this] {
                                   const session::CurrentBook& book = m_context.state.book;
                                   return book.isOpen() ? unmatchedSeasonRecords(book.path()) : 0;
                               },
                               central);
    middle->addWidget(m_seasonFilter);
    middle->addStretch();

    auto* count = new QHBoxLayout;
    count->addStretch();
    count->addWidget(lblCount);
    count->addWidget(lblAcount);
    auto* chosen = new QVBoxLayout;
    chosen->addWidget(Label2);
    chosen->addWidget(lstSet2);
    chosen->addLayout(count);

    // Room around the longest caption, so no caption touches the button's edge.
    int commandWidth = 0;
    for (QPushButton* command : central->findChildren<QPushButton*>())
        commandWidth =
            std::max(commandWidth, command->fontMetrics().horizontalAdvance(command->text()));
    for (QPushButton* command : central->findChildren<QPushButton*>())
        command->setMinimumWidth(commandWidth + 32);

    auto* commands = new QVBoxLayout;
    for (QPushButton* command : {cmdNew, cmdOpen, cmdSave, cmdTexit})
        commands->addWidget(command);
    commands->addSpacing(12);
    for (QPushButton* command : {cmdCard, cmdView, cmdOrder, cmdAt})
        commands->addWidget(command);
    commands->addSpacing(12);
    for (QPushButton* command : {cmdPrint, cmdHagaki, envelopeButton})
        commands->addWidget(command);
    commands->addStretch();
    commands->addWidget(cmdHlp);

    auto* lists = new QHBoxLayout;
    lists->addLayout(names, 1);
    lists->addLayout(middle);
    lists->addLayout(chosen, 1);
    lists->addSpacing(12);
    lists->addLayout(commands);

    // With no book open, the three ways to begin, where the user looks first.
    firstSteps = ui::named(new QFrame(central), u"firstSteps"_s);
    firstSteps->setFrameShape(QFrame::StyledPanel);
    auto* hint =
        new QLabel(u"住所録が開かれていません。次のどれかから始めてください。"_s, firstSteps);
    auto* steps = new QHBoxLayout(firstSteps);
    steps->addWidget(hint, 1);
    newBookButton = ui::named(new QPushButton(u"新しい住所録"_s, firstSteps), u"newBookButton"_s);
    openBookButton = ui::named(new QPushButton(u"住所録を開く"_s, firstSteps), u"openBookButton"_s);
    importButton = ui::named(new QPushButton(u"インポート"_s, firstSteps), u"importButton"_s);
    for (QPushButton* step : {newBookButton, openBookButton, importButton})
        steps->addWidget(step);

    auto* page = new QVBoxLayout(central);
    page->addWidget(lblMain);
    page->addWidget(firstSteps);
    page->addLayout(lists);
}

void frmStart::buildMenus() {
    menFile = ui::named(menuBar()->addMenu(u"ﾌｧｲﾙ(&F)"_s), u"menFile"_s);
    mnuNewfile = ui::named(menFile->addAction(u"新規作成(&N)"_s), u"mnuNewfile"_s);
    mnuOpen = ui::named(menFile->addAction(u"ファイルを開く(&O)"_s), u"mnuOpen"_s);
    mnuSave = ui::named(menFile->addAction(u"名前をつけて保存(&A)"_s), u"mnuSave"_s);
    mnuImport = ui::named(menFile->addAction(u"インポート(&I)…"_s), u"mnuImport"_s);
    mnuExport = ui::named(menFile->addAction(u"エクスポート(&E)…"_s), u"mnuExport"_s);
    menFile->addSeparator();
    mnuExit = ui::named(menFile->addAction(u"終了(&X)"_s), u"mnuExit"_s);

    mnuEdit = ui::named(menuBar()->addMenu(u"編集(&E)"_s), u"mnuEdit"_s);
    mnuSet = ui::named(mnuEdit->addAction(u"住所録編集(&R)"_s), u"mnuSet"_s);
    mnuSheet = ui::named(mnuEdit->addAction(u"住所録一覧(&V)"_s), u"mnuSheet"_s);
    mnuOrder = ui::named(mnuEdit->addAction(u"リスト入替"_s), u"mnuOrder"_s);
    mnuAt = ui::named(mnuEdit->addAction(u"単票印刷"_s), u"mnuAt"_s);
    envelopeAction = ui::named(mnuEdit->addAction(u"封筒印刷"_s), u"envelopeAction"_s);
    codeCheckAction = ui::named(mnuEdit->addAction(u"郵便番号の確認"_s), u"codeCheckAction"_s);

    mnuHelp = ui::named(menuBar()->addMenu(u"ﾍﾙﾌﾟ(&H)"_s), u"mnuHelp"_s);
    mnuVer = ui::named(mnuHelp->addAction(u"ﾊﾞｰｼﾞｮﾝ情報"_s), u"mnuVer"_s);
    mnuUrl = ui::named(mnuHelp->addAction(u"ホームページ"_s), u"mnuUrl"_s);
}

template <typename Command> void frmStart::run(Command command) {
    command();
    showView();
}

void frmStart::connectCommands() {
    auto onClick = [this](QPushButton* button, auto command) {
        connect(button, &QPushButton::clicked, this, [this, command] { run(command); });
    };
    auto onTrigger = [this](QAction* action, auto command) {
        connect(action, &QAction::triggered, this, [this, command] { run(command); });
    };
    StartScreen& s = m_screen;

    connect(lstSet1, &QListWidget::itemSelectionChanged, this, &frmStart::takeNameSelection);
    connect(lstSet2, &QListWidget::itemSelectionChanged, this, &frmStart::takePrintSelection);
    connect(lstSet2, &QListWidget::currentRowChanged, this, [this] {
        takePrintSelection();
        run([this] { m_screen.printListClicked(); });
    });
    connect(lstSet1, &QListWidget::itemDoubleClicked, this,
            [this] { run([this] { m_screen.nameDoubleClicked(); }); });
    connect(lstSet2, &QListWidget::itemClicked, this,
            [this] { run([this] { m_screen.printListClicked(); }); });
    connect(lstSet2, &QListWidget::itemDoubleClicked, this,
            [this] { run([this] { m_screen.printListDoubleClicked(); }); });

    onClick(cmdAdd, [&s] { s.addSelected(); });
    connect(m_seasonFilter, &SeasonFilterButton::chosen, this, [this](const QString& choice) {
        run([this, choice] { m_screen.addFromRecord(choice); });
    });
    connect(m_seasonFilter, &SeasonFilterButton::matchingRequested, this,
            [this] { SeasonMatchDialog(m_context, this).exec(); });
    onClick(cmdDel, [&s] { s.deleteSelected(); });
    onClick(cmdClear, [&s] { s.clearPrintList(); });
    onClick(cmdNew, [&s] { s.newBook(); });
    onClick(cmdOpen, [&s] { s.open(From::Button); });
    onClick(cmdSave, [&s] { s.save(From::Button); });
    onClick(cmdTexit, [&s] { s.exit(); });
    onClick(cmdCard, [&s] { s.cardEditor(); });
    onClick(cmdView, [&s] { s.sheet(false); });
    onClick(cmdOrder, [&s] { s.reorder(); });
    onClick(cmdAt, [&s] { s.single(From::Button); });
    onClick(cmdPrint, [&s] { s.labelPrint(); });
    onClick(cmdHagaki, [&s] { s.postcardPrint(); });
    onClick(envelopeButton, [&s] { s.envelopePrint(); });
    onClick(cmdHlp, [&s] { s.help(); });

    onClick(newBookButton, [&s] { s.newBook(); });
    onClick(openBookButton, [&s] { s.open(From::Button); });
    onClick(importButton, [&s] { s.importContacts(); });

    onTrigger(mnuNewfile, [&s] { s.newBook(); });
    onTrigger(mnuOpen, [&s] { s.open(From::Menu); });
    onTrigger(mnuSave, [&s] { s.save(From::Menu); });
    onTrigger(mnuImport, [&s] { s.importContacts(); });
    onTrigger(mnuExport, [&s] { s.exportBook(); });
    onTrigger(mnuExit, [&s] { s.exit(); });
    onTrigger(mnuSet, [&s] { s.cardEditor(); });
    onTrigger(mnuSheet, [&s] { s.sheet(true); });
    onTrigger(mnuOrder, [&s] { s.reorder(); });
    onTrigger(mnuAt, [&s] { s.single(From::Menu); });
    onTrigger(envelopeAction, [&s] { s.envelopePrint(); });
    onTrigger(codeCheckAction, [&s] { s.checkCodes(); });
    onTrigger(mnuVer, [&s] { s.about(); });
    onTrigger(mnuUrl, [&s] { s.homePage(); });
}

void frmStart::takeNameSelection() {
    m_screen.setNameSelection(selectedRows(lstSet1), lstSet1->currentRow());
}

void frmStart::takePrintSelection() {
    m_screen.setPrintSelection(selectedRows(lstSet2), lstSet2->currentRow());
    showControls();
}

void frmStart::showView() {
    const StartView& view = m_screen.view();
    const QSignalBlocker blockNames(lstSet1);
    const QSignalBlocker blockPrint(lstSet2);
    showList(lstSet1, view.bookNames(), view.nameSelection, view.nameCurrent);
    showList(lstSet2, view.printNames(), view.printSelection, view.printCurrent);
    lblCount->setText(view.lblCount);
    setWindowTitle(m_screen.title());
    firstSteps->setVisible(!m_context.state.book.isOpen());
    showControls();
}

void frmStart::showControls() {
    const StartCommands& commands = m_screen.view().commands;
    lstSet1->setEnabled(commands.lists);
    lstSet2->setEnabled(commands.lists);
    cmdAdd->setEnabled(commands.addToList);
    m_seasonFilter->setEnabled(commands.addToList);
    cmdDel->setEnabled(commands.deleteEntries);
    cmdClear->setEnabled(commands.clearList);
    cmdSave->setEnabled(commands.save);
    mnuSave->setEnabled(commands.save);
    mnuExport->setEnabled(commands.exportBook);
    cmdCard->setEnabled(commands.editCards);
    mnuSet->setEnabled(commands.editCards);
    cmdView->setEnabled(commands.showSheet);
    mnuSheet->setEnabled(commands.showSheet);
    cmdOrder->setEnabled(commands.reorder);
    mnuOrder->setEnabled(commands.reorder);
    cmdPrint->setEnabled(commands.printLabels);
    // Envelopes print the print list as postcards do.
    cmdHagaki->setEnabled(commands.printPostcards);
    envelopeButton->setEnabled(commands.printPostcards);
    envelopeAction->setEnabled(commands.printPostcards);
    codeCheckAction->setEnabled(commands.checkCodes);
}

void frmStart::openBook(const QString& path) {
    run([this, path] { m_screen.openPath(path); });
}

void frmStart::closeEvent(QCloseEvent* event) {
    m_screen.closeBox();
    event->accept();
}

} // namespace app
