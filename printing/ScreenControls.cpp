#include "printing/ScreenControls.h"

#include "printing/PrintScreenCommands.h"
#include "ui/Named.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace printing {

ScreenControlNames designControlNames(const QString& item, const QString& sheet) {
    return {u"cmdRew"_s,
            u"cmdFF"_s,
            u"lblPP"_s,
            u"chkPrintCode"_s,
            u"chkBarcode"_s,
            u"cmdPrint"_s,
            u"cmdPreview"_s,
            u"cmdCancel"_s,
            u"cmdExit"_s,
            u"戻る"_s,
            u"次の"_s + item + u"へ"_s,
            u"印刷される"_s + sheet + u"を画面で確かめる"_s,
            u"郵便番号と住所の番地から日本郵便のカスタマバーコードを宛名の下に印字する"_s};
}

ScreenControls ScreenControls::build(QWidget* parent, const ScreenControlNames& names,
                                     PrintScreenCommands* commands) {
    auto button = [parent](const QString& name, const QString& caption, const QString& tip) {
        auto* made = ui::named(new QPushButton(caption, parent), name);
        if (!tip.isEmpty())
            made->setToolTip(tip);
        return made;
    };
    auto check = [parent](const QString& name, const QString& caption, const QString& tip) {
        auto* made = ui::named(new QCheckBox(caption, parent), name);
        made->setToolTip(tip);
        return made;
    };
    ScreenControls controls;
    controls.previous = button(names.previous, u"＜"_s, names.previousTip);
    controls.next = button(names.next, u"＞"_s, names.nextTip);
    controls.position = ui::named(new QLabel(parent), names.position);
    controls.position->setAlignment(Qt::AlignCenter);
    controls.printCode =
        check(names.printCode, u"コードを印字"_s, u"住所録のコード欄も宛名と一緒に印字する"_s);
    controls.barcodes = check(names.barcodes, u"カスタマバーコード"_s, names.barcodesTip);
    controls.print = button(names.print, u"印刷"_s, {});
    controls.preview = button(names.preview, u"印刷プレビュー"_s, names.previewTip);
    controls.back = button(names.back, u"戻る"_s, {});
    controls.end = button(names.end, u"終了"_s, {});

    using Commands = PrintScreenCommands;
    QObject::connect(controls.previous, &QPushButton::clicked, commands, &Commands::previousEntry);
    QObject::connect(controls.next, &QPushButton::clicked, commands, &Commands::nextEntry);
    QObject::connect(controls.printCode, &QCheckBox::clicked, commands, &Commands::choosePrintCode);
    QObject::connect(controls.barcodes, &QCheckBox::clicked, commands, &Commands::chooseBarcodes);
    QObject::connect(controls.back, &QPushButton::clicked, commands, &Commands::goBack);
    QObject::connect(controls.end, &QPushButton::clicked, commands, &Commands::endProgram);
    return controls;
}

void ScreenControls::show(const PrintScreenControls& states) const {
    print->setEnabled(states.printEnabled);
    previous->setEnabled(states.pagingEnabled);
    next->setEnabled(states.pagingEnabled);
    position->setVisible(states.positionVisible);
    position->setText(states.position);
    printCode->setChecked(states.printCode);
    barcodes->setChecked(states.barcodes);
}

void ScreenControls::connectScreen(PrintScreenCommands* commands, QObject* screen,
                                   const ScreenSlots& handlers) const {
    using Commands = PrintScreenCommands;
    QObject::connect(print, &QPushButton::clicked, screen, handlers.print);
    QObject::connect(preview, &QPushButton::clicked, screen, handlers.preview);
    QObject::connect(commands, &Commands::entryChanged, screen, handlers.showEntry);
    QObject::connect(commands, &Commands::faceChosen, screen, handlers.showEntry);
    QObject::connect(commands, &Commands::controlsChanged, screen, handlers.showControls);
}

void ScreenControls::connectTools(PrintScreenCommands* commands, QAbstractButton* position,
                                  QAbstractButton* font, QAbstractButton* help) {
    using Commands = PrintScreenCommands;
    QObject::connect(position, &QAbstractButton::clicked, commands, &Commands::openPositionDialog);
    QObject::connect(font, &QAbstractButton::clicked, commands, &Commands::openFontChooser);
    QObject::connect(help, &QAbstractButton::clicked, commands, &Commands::showHelp);
}

QBoxLayout* ScreenControls::pagingRow() const {
    auto* row = new QHBoxLayout;
    row->addWidget(previous);
    row->addWidget(position, 1);
    row->addWidget(next);
    return row;
}

QGroupBox* choiceGroup(QWidget* parent, const QString& name, const QString& title, bool row,
                       std::initializer_list<QWidget*> choices) {
    auto* group = ui::named(new QGroupBox(title, parent), name);
    QBoxLayout* layout = row ? static_cast<QBoxLayout*>(new QHBoxLayout(group))
                             : static_cast<QBoxLayout*>(new QVBoxLayout(group));
    for (QWidget* choice : choices)
        layout->addWidget(choice);
    return group;
}

QMenu* addScreenMenus(QMenuBar* bar, PrintScreenCommands* commands,
                      const std::function<void()>& showPreview) {
    QMenu* mnuPrint = ui::named(bar->addMenu(u"印刷"_s), u"mnuPrint"_s);
    QAction* mnuPreview = ui::named(mnuPrint->addAction(u"印刷プレビュー"_s), u"mnuPreview"_s);
    QObject::connect(mnuPreview, &QAction::triggered, commands, showPreview);
    QMenu* mnuSet = ui::named(bar->addMenu(u"設定"_s), u"mnuSet"_s);
    QAction* mnuFont = ui::named(mnuSet->addAction(u"フォント指定"_s), u"mnuFont"_s);
    QAction* mnuLocate = ui::named(mnuSet->addAction(u"印字位置"_s), u"mnuLocate"_s);
    mnuSet->addSeparator();
    QAction* mnuOutput = ui::named(mnuSet->addAction(u"出力先"_s), u"mnuOutput"_s);
    QObject::connect(mnuFont, &QAction::triggered, commands, &PrintScreenCommands::openFontChooser);
    QObject::connect(mnuLocate, &QAction::triggered, commands,
                     &PrintScreenCommands::openPositionDialog);
    QObject::connect(mnuOutput, &QAction::triggered, commands,
                     &PrintScreenCommands::openOutputChoice);
    return mnuSet;
}

} // namespace printing
