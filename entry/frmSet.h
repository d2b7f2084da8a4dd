#pragma once

// The card editor window: one address card at a time, browsed, typed,
// registered and deleted; the book is written on delete, list view and return.
//
// Legend (the address controls, shared with the single-address form, are
// listed in AddressControls.h):
//   lblRec     record counter "k/n", or "k/新規" for a card not yet registered
//   cmdRR ≪ first, cmdRew ＜ previous, cmdFow ＞ next, cmdFF ≫ last, cmdJump ∥ new card
//   cmdAdd 登録, cmdDel 削除, cmdList 一覧表示, cmdRtn 戻る, cmdCancel キャンセル
//   Command3   オプション入力: shows the one-line address panel again
//   seasonHistory  the card's New Year record, every year, the latest first

#include "entry/AddressControls.h"
#include "entry/CardEditor.h"
#include "ui/AppContext.h"

#include "zip/TownPicker.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

namespace entry {

class frmSet : public QWidget {
    Q_OBJECT

public:
    // Opens on the book the shared state names; jumpToCard > 0 shows that card.
    // townPicker chooses among the places a postal code covers (a list dialog
    // over this window when none is given).
    frmSet(ui::AppContext& context, int jumpToCard = 0, QWidget* parent = nullptr,
           zip::TownPicker* townPicker = nullptr);

    // False when the book could not be read; the start window is shown instead.
    bool opened() const { return m_opened; }

    CardEditor& editor() { return m_editor; }

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void refresh();
    void moveFocus(Field field);

private:
    void buildControls();

    CardEditor m_editor;
    bool m_opened = false;
    std::unique_ptr<AddressControls> m_address;
    int m_shownEntryMode = -1; // the mode the window's height was set for; -1 before the first

    QLabel* lblRec;
    QLabel* seasonHistory = nullptr;
    QPushButton* cmdRR;
    QPushButton* cmdRew;
    QPushButton* cmdFow;
    QPushButton* cmdFF;
    QPushButton* cmdJump;
    QPushButton* Command3;
    QPushButton* cmdAdd;
    QPushButton* cmdDel;
    QPushButton* cmdList;
    QPushButton* cmdRtn;
    QPushButton* cmdCancel;
};

} // namespace entry
