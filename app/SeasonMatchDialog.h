#pragma once

#include "app/SeasonMatching.h"
#include "ui/AppContext.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QPushButton;

namespace app {

// 記録の照合: the records no card matches, with a card to give each
// (組み合わせる) or a drop (記録を削除, asked first).
//   unmatchedList  the records: name, address, years
//   cardChoice     the cards that have no record
//   pairButton, dropButton, closeButton
class SeasonMatchDialog : public QDialog {
    Q_OBJECT

public:
    SeasonMatchDialog(ui::AppContext& context, QWidget* parent = nullptr);

private:
    void pairChosen();
    void dropChosen();
    void showState();

    ui::AppContext& m_context;
    SeasonMatching m_matching;
    QListWidget* m_records;
    QComboBox* m_cards;
    QPushButton* m_pair;
    QPushButton* m_drop;
};

} // namespace app
