#pragma once

// Single address entry: one address typed for a label or a postcard and kept
// nowhere.
//
// Legend:
//   txtName name (lblName), Combo1 honorific (none selected at first),
//   txtZip postal code (lblZip) with cmdAddSearch 住所検索 and cmdZipSearch
//   〒検索 beside it, txtAdd1/txtAdd2 address lines, txtAdd3
//   building line (Label1), txtCode free code (lblCode)
//   label2, txtNewadd (one-line address) and Frame1 with Option1 prefecture
//   kept, Option2 prefecture left out, Command1 split, Command2 address lines
//   cmdPrint to label printing, cmdHagaki to postcard printing, Command3 back
//   txtcmbK (kept by SingleEntry) the honorific position handed over

#include "app/AppContext.h"
#include "entry/SingleEntry.h"

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

class frmSingle : public QWidget {
    Q_OBJECT

public:
    // townPicker chooses among the places a postal code covers (a list dialog
    // over this window when none is given).
    explicit frmSingle(app::AppContext& context, QWidget* parent = nullptr,
                       zip::TownPicker* townPicker = nullptr);

    SingleEntry& entry() { return m_entry; }
    // Room beside txtZip for buttons that fill the address from the postal code.
    QHBoxLayout* zipButtonRow() const { return m_zipButtonRow; }

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void refresh();
    void moveFocus(const QString& control);
    void honorificChanged(int position);
    void newAddressEdited(const QString& text);
    void prefectureOptionChanged();
    void printLabels();
    void printPostcards();

private:
    void buildControls();
    QLineEdit* addField(Field field, const char* name);
    void addZipButtons(platform::Messages& messages);
    // Sets a field as typing it would.
    void typeInto(QLineEdit* edit, const QString& text);

    SingleEntry m_entry;
    std::unique_ptr<zip::TownPicker> m_ownTownPicker;
    zip::TownPicker* m_townPicker;

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
    QPushButton* cmdPrint;
    QPushButton* cmdHagaki;
    QPushButton* Command3;
    QList<QPair<Field, QLineEdit*>> m_fields;
};

} // namespace entry
