#pragma once

// Single address entry: one address typed for a label or a postcard and kept
// nowhere.
//
// Legend (the address controls, shared with the card editor, are listed in
// AddressControls.h):
//   cmdPrint to label printing, cmdHagaki to postcard printing, Command3 back
//   txtcmbK (kept by SingleEntry) the honorific position handed over

#include "entry/AddressControls.h"
#include "entry/SingleEntry.h"
#include "ui/AppContext.h"

#include "zip/TownPicker.h"

#include <QWidget>

#include <memory>

class QPushButton;

namespace entry {

class frmSingle : public QWidget {
    Q_OBJECT

public:
    // townPicker chooses among the places a postal code covers (a list dialog
    // over this window when none is given).
    explicit frmSingle(ui::AppContext& context, QWidget* parent = nullptr,
                       zip::TownPicker* townPicker = nullptr);

    SingleEntry& entry() { return m_entry; }

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void refresh();
    void moveFocus(Field field);
    void printLabels();
    void printPostcards();

private:
    void buildControls();

    SingleEntry m_entry;
    std::unique_ptr<AddressControls> m_address;

    QPushButton* cmdPrint;
    QPushButton* cmdHagaki;
    QPushButton* Command3;
};

} // namespace entry
