#pragma once

// The label print screen: a preview of one entry at a time, the choice of
// the sheet's start label, and the print job.
//
// PrintCopy    the entries to print, in print order (postal codes made full width as shown)
// m_preview   the entry in the preview (CurrentEntry, from 0) and where ＜ ＞ go
// Text1        sheet count of the last job
// Text2        confirmed start label, "1" to the sheet's label count
// Text4, Text5 X and Y print-position trims in mm (from Tagora.opt at each job)
// Text6        the label face, "ＭＳ 明朝" at load
// m_startLabels  the start-label buttons and their OK / Cancel (StartLabelGrid.h)
// Shape1       outline of the preview label, in the chosen cell's proportions
// cmdSheet     用紙: the sheet chooser (frmSheet); lblSheet names the chosen sheet
// m_sheet      the chosen sheet (Tagora2.opt), standard 12 labels when none
// cmdPreview   印刷プレビュー: every sheet of the job on screen (also in the 印刷 menu)
// Command1..3  toolbar: font chooser, print position, help

#include "ui/AppContext.h"
#include "book/AddressCard.h"
#include "printing/PreviewPager.h"
#include "labels/SheetTemplate.h"
#include "labels/StartLabelGrid.h"

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

namespace labels {

class frmPrint : public QMainWindow {
    Q_OBJECT

public:
    // entries in print order; state.PrintFromList false means one typed address.
    frmPrint(ui::AppContext& context, const book::CardList& entries, QWidget* parent = nullptr);

    // Shows the current entry in the preview.
    void GetPage();
    // Shows the current entry again in the face of Text6 (after the font chooser).
    void Reget();

    // The hidden fields, for the dialogs this screen opens and for tests.
    QString Text1, Text2, Text4, Text5, Text6;
    const book::CardList& PrintCopy() const { return m_printCopy; }
    const SheetTemplate& sheet() const { return m_sheet; }

protected:
    // The close box goes back to the start window, as 戻る does.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildMenuAndToolbar();
    void showPosition();
    void previousEntry();
    void nextEntry();
    void startLabelProposed();
    void startLabelConfirmed(int label);
    void startLabelWithdrawn();
    // The confirmed start label read from Text2, or 0 when there is none.
    int confirmedStartLabel() const;
    void printJob();
    void showJobPreview();
    void goBack();
    void endProgram();
    void openFontChooser();
    void openPositionDialog();
    void openOutputChoice();
    void openSheetChooser();
    // Shows the sheet: its start-label grid, its name and the preview's shape.
    void showSheet();
    void sheetChosen(const SheetTemplate& sheet);
    void showHelp();

    ui::AppContext& m_context;
    book::CardList m_printCopy;
    printing::PreviewPager m_preview;
    SheetTemplate m_sheet;

    QFrame* Shape1 = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblAdd1 = nullptr;
    QLabel* lblAdd2 = nullptr;
    QLabel* lblAdd3 = nullptr;
    QLabel* lblZip = nullptr;
    QLabel* lblCode = nullptr;
    QLabel* lblPP = nullptr;
    QPushButton* cmdRew = nullptr;
    QPushButton* cmdFF = nullptr;
    StartLabelGrid* m_startLabels = nullptr;
    QPushButton* cmdSheet = nullptr;
    QLabel* lblSheet = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdExit = nullptr;
    QToolButton* Command1 = nullptr;
    QToolButton* Command2 = nullptr;
    QToolButton* Command3 = nullptr;
    QPointer<QWidget> m_fontChooser;
    QPointer<QWidget> m_positionDialog;
    QPointer<QWidget> m_sheetChooser;
};

} // namespace labels
