#pragma once

// The import preview: what a contacts file becomes before it is imported.
//   cboColumn1, cboColumn2 …  what each CSV column is used for (a card field
//             or 使わない), with lblColumn1 … its header caption above it;
//             none for a vCard file
//   previewTable  the first cards: 宛名, 住所1, 住所2, 住所3, 郵便番号, コード, 敬称
//   leftOutLabel  how many rows or contacts are left out, and the first reasons
//   okButton      imports the cards; cancelButton closes without a change
// Tests find the controls by their objectNames: grdPreview, lblLeftOut, cmdOk, cmdCancel.

#include "exchange/ImportPreview.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace app {

class ImportDialog : public QDialog {
    Q_OBJECT

public:
    // The cards shown in previewTable at most.
    static constexpr int PreviewRows = 50;

    // Shows preview; a change of a column's use goes to it and is shown.
    explicit ImportDialog(exchange::ImportPreview& preview, QWidget* parent = nullptr);

private:
    void buildControls();
    void changeColumn(int column);
    // Puts the preview's column uses, cards and left-out report on the widgets.
    void showPreview();

    exchange::ImportPreview& m_preview;
    QList<QComboBox*> m_columns;
    QTableWidget* previewTable = nullptr;
    QLabel* leftOutLabel = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
};

} // namespace app
