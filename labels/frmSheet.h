#pragma once

// The sheet chooser of the label print screen (用紙): a search over every
// sheet the program knows, the list found, and a drawing of the sheet.
//
// txtSearch   words to look for: brand, part, size ("66x33.9"), labels per sheet ("24")
// lstSheets   the sheets found, one summary line each
// picSheet    the highlighted sheet, drawn to scale
// lblSheet    the highlighted sheet's summary and description
// lblLibrary  what the library holds, or that it is not installed
// cmdSheetOk       hands the highlighted sheet over; cmdSheetCancel closes

#include "labels/SheetLibrary.h"
#include "labels/SheetPicture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace labels {

class frmSheet : public QWidget {
    Q_OBJECT

public:
    // current is highlighted first; onChosen receives the sheet taken with OK.
    frmSheet(SheetLibrary& library, const SheetTemplate& current,
             std::function<void(const SheetTemplate& sheet)> onChosen, QWidget* parent = nullptr);

    // What the library told about itself, as lblLibrary shows it.
    static QString libraryNote(SheetLibrary& library);

private:
    void showFound();
    void showHighlighted();
    void takeSheet();
    const SheetTemplate* highlighted() const;

    SheetLibrary& m_library;
    std::function<void(const SheetTemplate&)> m_onChosen;
    QString m_currentName;

    QLineEdit* txtSearch = nullptr;
    QListWidget* lstSheets = nullptr;
    SheetPicture* picSheet = nullptr;
    QLabel* lblSheet = nullptr;
    QLabel* lblLibrary = nullptr;
    QPushButton* cmdSheetOk = nullptr;
    QPushButton* cmdSheetCancel = nullptr;
};

} // namespace labels
