#pragma once

// The card editor window: one address card at a time, browsed, typed,
// registered and deleted; the book is written on delete, list view and return.
//
// Legend:
//   lblRec     record counter "k/n", or "k/新規" for a card not yet registered
//   cmdRR ≪ first, cmdRew ＜ previous, cmdFow ＞ next, cmdFF ≫ last, cmdJump ∥ new card
//   cmdAdd 登録, cmdDel 削除, cmdList 一覧表示, cmdRtn 戻る, cmdCancel キャンセル
//   txtName name, Combo1 honorific, txtZip postal code with cmdAddSearch 住所検索
//   and cmdZipSearch 〒検索 beside it, txtAdd1/txtAdd2 address lines, txtAdd3
//   building line (Label1), txtCode free code
//   AddressEntryPanel  label2, txtNewadd (one-line address) and Frame1 with
//   Option1 prefecture kept, Option2 prefecture left out, Command1 split,
//   Command2 back to the address lines; Command3 shows the panel again

#include "app/AppContext.h"
#include "entry/CardEditor.h"

#include "zip/TownPicker.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zip {
class ZipLookupButtons;
}

namespace entry {

class frmSet : public QWidget {
    Q_OBJECT

public:
    // Opens on the book the shared state names; jumpToCard > 0 shows that card.
    // townPicker chooses among the places a postal code covers (a list dialog
    // over this window when none is given).
    frmSet(app::AppContext& context, int jumpToCard = 0, QWidget* parent = nullptr,
           zip::TownPicker* townPicker = nullptr);

    // False when the book could not be read; the start window is shown instead.
    bool opened() const { return m_opened; }

    void JumpGet(int card) { m_editor.jumpGet(card); }
    void GetData() { m_editor.getData(); }
    void SetData() { m_editor.setData(); }
    void NewData() { m_editor.newData(); }
    book::SettingsValues GetInfo() const { return m_editor.getInfo(); }
    void SetInfo(const book::SettingsValues& values) { m_editor.setInfo(values); }

    CardEditor& editor() { return m_editor; }
    // Room beside txtZip for buttons that fill the address from the postal code.
    QHBoxLayout* zipButtonRow() const { return m_zipButtonRow; }

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void refresh();
    void moveFocus(const QString& control);
    void honorificClicked(int position);
    void newAddressEdited(const QString& text);
    void prefectureOptionChanged();

private:
    void buildControls();
    QLineEdit* addField(Field field, const char* name);
    void addZipButtons(platform::Messages& messages);
    // Sets a field as typing it would.
    void typeInto(QLineEdit* edit, const QString& text);

    CardEditor m_editor;
    bool m_opened = false;
    std::unique_ptr<zip::TownPicker> m_ownTownPicker;
    zip::TownPicker* m_townPicker;

    QLabel* lblRec;
    QPushButton* cmdRR;
    QPushButton* cmdRew;
    QPushButton* cmdFow;
    QPushButton* cmdFF;
    QPushButton* cmdJump;
    QLabel* lblName;
    QLineEdit* txtName;
    QComboBox* Combo1;
    QLabel* lblZip;
    QLineEdit* txtZip;
    QHBoxLayout* m_zipButtonRow;
    zip::ZipLookupButtons* m_zipButtons;
    QLabel* lblAdd1;
    QLineEdit* txtAdd1;
    QLabel* lblAdd2;
    QLineEdit* txtAdd2;
    QWidget* AddressEntryPanel;
    QLabel* label2;
    QLineEdit* txtNewadd;
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Label1;
    QLineEdit* txtAdd3;
    QLabel* lblCode;
    QLineEdit* txtCode;
    QPushButton* Command3;
    QPushButton* cmdAdd;
    QPushButton* cmdDel;
    QPushButton* cmdList;
    QPushButton* cmdRtn;
    QPushButton* cmdCancel;
    QList<QPair<Field, QLineEdit*>> m_fields;
};

} // namespace entry
