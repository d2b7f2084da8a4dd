#pragma once

// The controls every print screen has, built alike for the label, postcard
// and envelope screens under each screen's own names and texts: paging with
// the entry number, the code line and barcode choices, and the job row.

#include <QString>

#include <functional>
#include <initializer_list>

class QAbstractButton;
class QBoxLayout;
class QObject;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace printing {

class PrintScreenCommands;
struct PrintScreenControls;

// The objectNames of a screen's shared controls, and the texts that name
// what it prints.
struct ScreenControlNames {
    QString previous, next, position, printCode, barcodes, print, preview, back, end;
    QString previousTip; // "戻る"
    QString nextTip;     // "次のハガキへ"
    QString previewTip;  // "印刷されるハガキを画面で確かめる"
    QString barcodesTip; // where the bars go
};

// The design's names (cmdRew, cmdFF, lblPP, chkPrintCode, chkBarcode,
// cmdPrint, cmdPreview, cmdCancel, cmdExit) with item, the medium's word
// ("ハガキ"), and sheet, what the preview shows ("ハガキ", "シート").
ScreenControlNames designControlNames(const QString& item, const QString& sheet);

struct ScreenControls {
    QPushButton* previous = nullptr;
    QPushButton* next = nullptr;
    QLabel* position = nullptr;
    QCheckBox* printCode = nullptr;
    QCheckBox* barcodes = nullptr;
    QPushButton* print = nullptr;
    QPushButton* preview = nullptr;
    QPushButton* back = nullptr;
    QPushButton* end = nullptr;

    // Builds the controls as children of parent and connects paging, the
    // choices, 戻る and 終了 to commands; 印刷 and 印刷プレビュー are the
    // screen's own.
    static ScreenControls build(QWidget* parent, const ScreenControlNames& names,
                                PrintScreenCommands* commands);
    // Sets the controls' states as the model decides them.
    void show(const PrintScreenControls& states) const;
    // What a screen does itself when its job buttons are clicked and when
    // the commands change what it shows.
    struct ScreenSlots {
        std::function<void()> print, preview, showEntry, showControls;
    };
    // Connects 印刷 and 印刷プレビュー, and the commands' entryChanged,
    // faceChosen and controlsChanged, to the screen's own slots.
    void connectScreen(PrintScreenCommands* commands, QObject* screen,
                       const ScreenSlots& handlers) const;
    // Connects a screen's tool buttons to the position dialog, the font
    // chooser and help.
    static void connectTools(PrintScreenCommands* commands, QAbstractButton* position,
                             QAbstractButton* font, QAbstractButton* help);

    // ＜, the entry number and ＞ in one row.
    QBoxLayout* pagingRow() const;
};

// A titled box of choices, laid out in a row or a column; the box takes
// the choices as its children.
QGroupBox* choiceGroup(QWidget* parent, const QString& name, const QString& title, bool row,
                       std::initializer_list<QWidget*> choices);

// The 印刷 menu (印刷プレビュー, mnuPreview) and the 設定 menu (mnuFont,
// mnuLocate, mnuOutput on commands); preview is the screen's own. Returns
// 設定, for a screen that adds to it.
QMenu* addScreenMenus(QMenuBar* bar, PrintScreenCommands* commands,
                      const std::function<void()>& showPreview);

} // namespace printing
