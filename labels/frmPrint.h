#pragma once

// The label print screen: a preview of one entry at a time, the choice of
// the sheet's start label, and the print job.
//
// PrintCopy    the entries to print, in print order (postal codes made full width as shown)
// m_model      the entry on screen, the face, the trims and 印刷's state (PrintScreenModel.h)
// Text1        sheet count of the last job
// Text2        confirmed start label, "1" to the sheet's label count
// Text4, Text5 X and Y print-position trims in mm (from Tagora.opt at each job)
// Text6        the label face, "ＭＳ 明朝" at load
// chkPrintCode コードを印字: the free code line is printed (remembered in TagoraPrint.ini)
// chkBarcode   カスタマバーコード: each label gets its customer barcode (this opening only)
// m_startLabels  the start-label buttons and their OK / Cancel (StartLabelGrid.h)
// Shape1       outline of the preview label, in the chosen cell's proportions
// cmdSheet     用紙: the sheet chooser (SheetChooser); lblSheet names the chosen sheet
// m_sheet      the chosen sheet (Tagora2.opt), standard 12 labels when none
// cmdPreview   印刷プレビュー: every sheet of the job on screen (also in the 印刷 menu)
// Command1..3  toolbar: font chooser, print position, help

#include "book/AddressCard.h"
#include "labels/SheetTemplate.h"
#include "labels/StartLabelGrid.h"
#include "printing/PrintScreenCommands.h"
#include "printing/PrintScreenModel.h"
#include "printing/ScreenControls.h"
#include "ui/AppContext.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

namespace labels {

class frmPrint : public QMainWindow {
    Q_OBJECT

    // First, so that the hidden fields below can refer into it.
    printing::PrintScreenModel m_model;

public:
    // entries in print order; state.printFromList false means one typed address.
    frmPrint(ui::AppContext& context, const book::CardList& entries, QWidget* parent = nullptr);

    // Shows the current entry in the preview.
    void GetPage();
    // Shows the current entry again in the face of Text6 (after the font chooser).
    void Reget();

    // The hidden fields, for the dialogs this screen opens and for tests;
    // Text6 is the model's.
    QString Text1, Text2;
    QString Text4, Text5;
    QString& Text6 = m_model.textFace;
    const book::CardList& PrintCopy() const { return m_model.entries(); }
    const SheetTemplate& sheet() const { return m_sheet; }

protected:
    // The close box goes back to the start window, as 戻る does.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildMenuAndToolbar();
    // Sets the controls the model decides from its state.
    void showControls();
    // Shows the model's trims in Text4 and Text5.
    void showTrims();
    void startLabelProposed();
    void startLabelConfirmed(int label);
    void startLabelWithdrawn();
    // The confirmed start label read from Text2, or 0 when there is none.
    int confirmedStartLabel() const;
    void printJob();
    void showJobPreview();
    void openSheetChooser();
    // Shows the sheet: its start-label grid, its name and the preview's shape.
    void showSheet();
    void sheetChosen(const SheetTemplate& sheet);

    ui::AppContext& m_context;
    printing::PrintScreenCommands* m_commands = nullptr;
    SheetTemplate m_sheet;

    QFrame* Shape1 = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblAdd1 = nullptr;
    QLabel* lblAdd2 = nullptr;
    QLabel* lblAdd3 = nullptr;
    QLabel* lblZip = nullptr;
    QLabel* lblCode = nullptr;
    // cmdRew, cmdFF, lblPP, chkPrintCode, chkBarcode, cmdPrint, cmdPreview, cmdCancel, cmdExit
    printing::ScreenControls m_controls;
    StartLabelGrid* m_startLabels = nullptr;
    QPushButton* cmdSheet = nullptr;
    QLabel* lblSheet = nullptr;
    QLabel* printedLine = nullptr; // after a job: what went where
    QToolButton* Command1 = nullptr;
    QToolButton* Command2 = nullptr;
    QToolButton* Command3 = nullptr;
    QPointer<QWidget> m_sheetChooser;
};

} // namespace labels
