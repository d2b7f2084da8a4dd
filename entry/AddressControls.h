#pragma once

// The address controls the card editor and the single-address form share,
// under their design names:
//   lblName/txtName name, Combo1 honorific, lblZip/txtZip postal code with
//   cmdAddSearch 住所検索 and cmdZipSearch 〒検索 beside it, lblAdd1/txtAdd1
//   and lblAdd2/txtAdd2 address lines, AddressEntryPanel (label2/txtNewadd
//   one-line address, Frame1 with Option1 prefecture kept, Option2
//   prefecture left out, Command1 split, Command2 address lines) in the rows
//   of the two address lines, Label1/txtAdd3 building line, lblCode/txtCode.

#include "entry/AddressEntry.h"
#include "platform/Messages.h"
#include "zip/TownPicker.h"

#include <QList>
#include <QPair>

#include <memory>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace zip {
class ZipLookupButtons;
}

namespace entry {

class AddressControls {
public:
    // Builds the controls as children of form, each typed through entry.
    // frameCaption is Frame1's caption; townPicker chooses among the places a
    // postal code covers (a list dialog over the form when none is given).
    AddressControls(QWidget* form, AddressEntry& entry, const QString& frameCaption,
                    platform::Messages& messages, zip::TownPicker* townPicker);
    ~AddressControls();

    // The controls laid out in a grid of six rows, for the form to place.
    QGridLayout* grid() const { return m_grid; }
    // Shows the logic's texts and modes; fields already showing their text
    // are left alone, so the cursor stays where the user is typing.
    void show();
    // Puts the controls in the order Tab walks them, from first: name,
    // postal code and its lookups, the address, then 敬称 and Code, which
    // are reached after the address. Returns the last control of the chain.
    QWidget* chainTabOrder(QWidget* first);
    // The text box of a field.
    QLineEdit* edit(Field field) const;

    QLabel* lblName;
    QLineEdit* txtName;
    QComboBox* Combo1;
    QLabel* lblZip;
    QLineEdit* txtZip;
    zip::ZipLookupButtons* zipButtons;
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

private:
    QLineEdit* addField(QWidget* form, Field field, const char* name);
    // Sets a field as typing it would.
    void typeInto(QLineEdit* edit, const QString& text);
    void build(QWidget* form, const QString& frameCaption);

    AddressEntry& m_entry;
    std::unique_ptr<zip::TownPicker> m_ownTownPicker;
    zip::TownPicker* m_townPicker;
    QGridLayout* m_grid;
    QList<QPair<Field, QLineEdit*>> m_fields;
};

} // namespace entry
