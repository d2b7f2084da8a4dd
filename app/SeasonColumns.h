#pragma once

#include "app/SeasonSheet.h"
#include "ui/AppContext.h"

#include <QObject>

class QSpinBox;
class QTableWidget;

namespace app {

// The sheet's 送 受 喪 columns after its own, and the year they show
// (seasonYear): a click on a cell, or the space bar on the current one,
// switches its mark in the season's record. The book is never written.
class SeasonColumns : public QObject {
    Q_OBJECT

public:
    SeasonColumns(ui::AppContext& context, QTableWidget* grid, QWidget* parent);

    QSpinBox* yearChooser() const { return m_year; }
    // Appends the three columns after column firstColumn − 1, filled.
    void append(int firstColumn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void toggle(int row, int column);
    void fill();

    ui::AppContext& m_context;
    QTableWidget* m_grid;
    SeasonSheet m_sheet;
    QSpinBox* m_year;
    int m_first = -1;
};

} // namespace app
