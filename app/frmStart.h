#pragma once

// The start window: the book's names, the print list and every command.
//   lstSet1   names of the open book (multi-select)
//   lstSet2   the print list's names (multi-select); the cards of both
//             lists are kept by StartView
//   lblCount  number of print-list entries, lblAcount "件" beside it
//   lblMain   heading; Label1, Label2 the captions of the two lists
//   menFile, mnuEdit, mnuHelp  the menus; mnu* their commands (mnuImport,
//             mnuExport: contacts files in and out)
//   firstSteps  shown while no book is open: newBookButton, openBookButton, importButton
//   Text1, Text2, Text3  the settings values (book path, book state, reserved), kept by
//   StartView::settings

#include "app/StartScreen.h"
#include "ui/AppContext.h"

#include <QMainWindow>

class QAction;
class QCloseEvent;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace app {

class SeasonFilterButton;

class frmStart : public QMainWindow {
    Q_OBJECT

public:
    // Builds the window and runs its load (the book is read again on a return).
    explicit frmStart(ui::AppContext& context, QWidget* parent = nullptr);

    // The behaviour behind the window, for tests that look at the hidden columns.
    const StartScreen& screen() const { return m_screen; }
    // Opens the book at path (the command line's book, a file manager's double-click).
    void openBook(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectCommands();
    // Runs a command of the screen, then shows its result.
    template <typename Command> void run(Command command);
    // Puts the screen's lists, selections, count and enabling on the widgets.
    void showView();
    // Puts the screen's enabling on the buttons and menu commands.
    void showControls();
    void takeNameSelection();
    void takePrintSelection();

    ui::AppContext& m_context;
    StartScreen m_screen;
    SeasonFilterButton* m_seasonFilter = nullptr; // 記録から選択, usable with 一括選択

    QLabel* lblMain = nullptr;
    QFrame* firstSteps = nullptr;
    QPushButton* newBookButton = nullptr;
    QPushButton* openBookButton = nullptr;
    QPushButton* importButton = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* lstSet1 = nullptr;
    QListWidget* lstSet2 = nullptr;
    QLabel* lblCount = nullptr;
    QLabel* lblAcount = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDel = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdTexit = nullptr;
    QPushButton* cmdCard = nullptr;
    QPushButton* cmdView = nullptr;
    QPushButton* cmdOrder = nullptr;
    QPushButton* cmdAt = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdHagaki = nullptr;
    QPushButton* envelopeButton = nullptr; // 封筒印刷へ, usable with cmdHagaki
    QPushButton* cmdHlp = nullptr;

    QMenu* menFile = nullptr;
    QMenu* mnuEdit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuNewfile = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuSet = nullptr;
    QAction* mnuSheet = nullptr;
    QAction* mnuOrder = nullptr;
    QAction* mnuAt = nullptr;
    QAction* envelopeAction = nullptr; // 封筒印刷, as envelopeButton
    QAction* codeCheckAction = nullptr; // 郵便番号の確認: the book's codes against the directory
    QAction* mnuVer = nullptr;
    QAction* mnuUrl = nullptr;
};

} // namespace app
