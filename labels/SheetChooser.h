#pragma once

// The sheet chooser of the label print screen (用紙): a search over every
// sheet the program knows, the list found, and a drawing of the sheet; the
// user's own sheets are made, changed, deleted, imported and exported here.
//
// searchEdit    words to look for, as on the package: maker (ヒサゴ, HISAGO), product
//               number, labels per sheet ("12面", "12"), size ("86.4×42.3"), paper (A4, はがき)
// foundLabel    how many sheets were found, or that none was and the nearest are shown
// sheetList     the sheets found: a small picture, maker, part, paper, count and size
// sheetPicture  the highlighted sheet, drawn to scale
// detailsLabel  the highlighted sheet told in full, or why it cannot be printed on
// libraryLabel  what the library holds, or that it is not installed; faults of the user's file
// okButton      hands the highlighted sheet over (not a faulty one); cancelButton closes
// testPageButton   試し印刷: the highlighted sheet's outlines, rulers and crosses on plain paper
// newSheetButton, editSheetButton, deleteSheetButton  the user's own sheets (SheetEditor)
// importButton, exportButton  the user's sheets file from or to another file
// The first eight keep the objectNames tests find them by: txtSearch, lblFound, lstSheets,
// picSheet, lblSheet, lblLibrary, cmdSheetOk, cmdSheetCancel.

#include "labels/SheetLibrary.h"
#include "labels/SheetPicture.h"
#include "ui/AppContext.h"

#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace labels {

class SheetChooser : public QWidget {
    Q_OBJECT

public:
    // current is highlighted first; onChosen receives the sheet taken with OK.
    SheetChooser(ui::AppContext& context, SheetLibrary& library, const SheetTemplate& current,
                 std::function<void(const SheetTemplate& sheet)> onChosen,
                 QWidget* parent = nullptr);

    // What the library told about itself, as libraryLabel shows it.
    static QString libraryNote(SheetLibrary& library);
    // The highlighted sheet told in full, as detailsLabel shows it.
    static QString sheetDetails(const SheetTemplate& sheet);

private:
    void showFound();
    void showHighlighted();
    void takeSheet();
    void openEditor(bool editHighlighted);
    void deleteSheet();
    void importSheets();
    void exportSheets();
    // The library read again after the user's file changed, nameToShow highlighted.
    void reloadLibrary(const QString& nameToShow);
    const SheetTemplate* highlighted() const;
    bool isUsers(const SheetTemplate& sheet) const;
    QIcon iconOf(int index);

    ui::AppContext& m_context;
    SheetLibrary& m_library;
    std::function<void(const SheetTemplate&)> m_onChosen;
    QString m_currentName;
    QHash<int, QIcon> m_icons;
    QPointer<QWidget> m_editor;

    QLineEdit* searchEdit = nullptr;
    QLabel* foundLabel = nullptr;
    QListWidget* sheetList = nullptr;
    SheetPicture* sheetPicture = nullptr;
    QLabel* detailsLabel = nullptr;
    QLabel* libraryLabel = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* newSheetButton = nullptr;
    QPushButton* editSheetButton = nullptr;
    QPushButton* deleteSheetButton = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* testPageButton = nullptr;
    QPushButton* exportButton = nullptr;
};

} // namespace labels
