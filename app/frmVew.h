#pragma once

// The address list sheet: the whole book as a read-only grid, one row per card.
//   fg1      the grid: heading row, then one row per card; the fixed first
//            column (No, the card number) is the grid's row heading
//   Text1    number of the card last clicked (hidden; read when opening the editor)
//   cmdHelp  help at the sheet's topic
//   seasonYear  the New Year whose 送 受 喪 (the season's record, after コード) the grid shows

#include "app/SheetTable.h"
#include "ui/AppContext.h"

#include <QWidget>

class QPushButton;
class QTableWidget;

namespace app {

class SeasonColumns;

class frmVew : public QWidget {
    Q_OBJECT
public:
    // The sheet of the book in context.state; fromMenu gives the wider code column.
    frmVew(ui::AppContext& context, bool fromMenu, QWidget* parent = nullptr);

    // The sheet for the book, or nullptr after "表示するデータがありません。"
    // when the book has no card; then startWindowAway is false again and the start
    // window stays as it was.
    static frmVew* open(ui::AppContext& context, bool fromMenu);

    // The grid as it stands (columns in their current order).
    const SheetTable& table() const { return m_table; }
    // Moves grid column `from` to the place of column `to` and redraws; false when refused.
    bool moveColumn(int from, int to);

    QString Text1;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillGrid();
    void selectCard(int row);
    void openCard(int row);
    void showHelp();

    ui::AppContext& m_context;
    SheetTable m_table;
    QTableWidget* fg1 = nullptr;
    SeasonColumns* m_season = nullptr; // 送 受 喪 after the book's columns, and their year
    QPushButton* cmdHelp = nullptr;
    QWidget* m_corner = nullptr;
    QObject* m_headingArea = nullptr; // the heading row's viewport, whose mouse moves columns
    int m_dragColumn = -1;            // grid column whose heading the mouse went down on
};

} // namespace app
