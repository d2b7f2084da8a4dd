#pragma once

#include "app/FileCommands.h"
#include "app/StartView.h"
#include "ui/AppContext.h"

#include <QList>

#include <functional>

namespace app {

// The start window's behaviour: the address list and the print list, the
// enabling of its commands, the hand-over to the other windows and the
// settings writes on the way out. The window shows view() and passes the
// user's selections and clicks in.
class StartScreen {
public:
    explicit StartScreen(ui::AppContext& context);

    // The window's load: a fresh view; on the first load of the run the
    // settings are read, on a return the book is read again from its file.
    void load();

    // Rows the user selected in lstSet1, and its current row.
    void setNameSelection(const QList<int>& rows, int current);
    // Rows the user selected in lstSet2, and its current row (-1: none);
    // 削除 is usable while there is one.
    void setPrintSelection(const QList<int>& rows, int current);

    // Shows the view on the window at once; called before a message that
    // speaks of what the window shows. The window sets it.
    void setViewShower(std::function<void()> showView) { m_showView = std::move(showView); }

    // 一括選択: appends the selected names' cards to the print list.
    void addSelected();
    // 記録から選択: selects the names the season's choice takes (one of
    // seasonChoices) and adds them to the print list as 一括選択 does.
    void addFromRecord(const QString& choice);
    // Double-click on a name: adds the selection once more.
    void nameDoubleClicked();
    // 削除: removes the selected print-list entries.
    void deleteSelected();
    // クリアー: empties the print list.
    void clearPrintList();
    // A click on the print list: delete is usable when it has a current row.
    void printListClicked();
    // A double-click on the print list only explains how to copy.
    void printListDoubleClicked();

    // The file commands.
    void newBook();
    void open(FileCommands::From from);
    // Opens the book at path, as 開く does once its dialog gave the path.
    void openPath(const QString& path);
    void save(FileCommands::From from);
    void importContacts();
    // 郵便番号の確認: the open book's codes against the postal-code directory.
    void checkCodes();
    void exportBook();

    // Hand-over to the print screens with the print list.
    void labelPrint();
    void postcardPrint();
    // 封筒印刷へ: the envelope screen with the print list.
    void envelopePrint();
    // The card editor, after the settings were written.
    void cardEditor();
    // The address list sheet; fromMenu gives the wider code column.
    void sheet(bool fromMenu);
    void reorder();
    // The single-address form; from its button, closing the start window
    // later no longer ends the program.
    void single(FileCommands::From from);
    void help();
    void about();
    void homePage();

    // 終了 (button and menu): writes the settings and ends the program.
    void exit();
    // The close box: ends the program after writing the settings, unless the
    // window is making way for another or the single-address form was used.
    void closeBox();

    const StartView& view() const { return m_view; }
    // "Tagora — 山田家.dat"; a book without a file yet is marked ＊.
    QString title() const;

private:
    std::function<void()> m_showView;
    // Every control's state from the book and the lists, after each command.
    void settleControls();
    // Hands the print list to a print screen (false: the list is empty).
    bool printListReady();
    // Before another window takes over: the text boxes are kept in the
    // shared state, and the start window's next load is a return.
    void handOver();
    // The book's names back in the address list after a return.
    void reloadBook();
    // Writes the settings; a failure is shown. False when it failed.
    bool saveSettings();

    ui::AppContext& m_context;
    StartView m_view;
    FileCommands m_files;
};

} // namespace app
