#pragma once

// The list of places a postal code covers, for the user to choose one.
// lblTown  what the list is ("〒498-0000 の住所を選んでください。")
// lstTown  one row per place: prefecture, municipality and town
// cmdOK / cmdCancel  take the selected row / choose nothing

#include "zip/ZipAddress.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace zip {

class TownPickerDialog : public QDialog {
    Q_OBJECT

public:
    // A modal dialog listing the choices for the code (7 digits), the first selected.
    TownPickerDialog(const QString& code, const ZipAddressList& choices, QWidget* parent = nullptr);

    // The selected row, or -1 when none is.
    int chosenIndex() const;

private:
    QLabel* lblTown;
    QListWidget* lstTown;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace zip
