#pragma once

// The label print screen: a preview of one entry at a time, the choice of
// the sheet's start label, and the print job.
//
// PrintCopy    the entries to print, in print order (postal codes made full width as shown)
// m_preview   the entry in the preview (CurrentEntry, from 0) and where ＜ ＞ go
// Text1        sheet count of the last job
// Text2        confirmed start label, "1" to "12"
// Text4, Text5 X and Y print-position trims in mm (from Tagora.opt at each job)
// Text6        the label face, "ＭＳ 明朝" at load
// Label1       index 0 to 11 of the confirmed start label's button
// Mat4         the proposed start label shown on screen
// lblNo        the twelve start-label buttons, laid out as the sheet; Shape3 their frames
// Shape1       outline of the preview label
// Timer1       blinks the confirmed button; Timer2 blinks the proposal (500 ms)
// Command1..3  toolbar: font chooser, print position, help

#include "ui/AppContext.h"
#include "book/AddressCard.h"
#include "labels/PreviewPager.h"

#include <QFrame>
#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
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
    QString Label1;
    const book::CardList& PrintCopy() const { return m_printCopy; }

private:
    void buildWindow();
    void buildMenuAndToolbar();
    void showPosition();
    void previousEntry();
    void nextEntry();
    void chooseStartLabel(int index);
    void confirmStartLabel();
    void resetStartLabel();
    // Shows label as the blinking proposal (red, Timer2).
    void proposeLabel(const QString& label);
    void proposeFirstLabel();
    void blinkProposal();
    void blinkConfirmed();
    void printJob();
    void goBack();
    void endProgram();
    void openFontChooser();
    void openPositionDialog();
    void openOutputChoice();
    void showHelp();
    void setMat4Colour(const QColor& colour);
    void setButtonColour(int index, const QColor& colour);
    int confirmedIndex() const;

    ui::AppContext& m_context;
    book::CardList m_printCopy;
    PreviewPager m_preview;

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
    QList<QPushButton*> lblNo;
    QList<QFrame*> Shape3;
    QLabel* MatName = nullptr;
    QLabel* Mat4 = nullptr;
    QLabel* Mat3 = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdExit = nullptr;
    QToolButton* Command1 = nullptr;
    QToolButton* Command2 = nullptr;
    QToolButton* Command3 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QPointer<QWidget> m_fontChooser;
    QPointer<QWidget> m_positionDialog;
};

} // namespace labels
