#pragma once

// The start-label chooser of the label print screen: the sheet's labels as
// buttons, the proposed label under them, and OK / Cancel.
//
// lblNo     one start-label button per label, laid out as the sheet; Shape3 their frames
// Mat4      the proposed start label shown on screen; MatName, Mat3 its captions
// Label1    index (from 0) of the confirmed start label's button
// cmdOk     confirms the proposal; cmdReset withdraws the confirmed label
// usedLabelsButton  使用済み: while down, a label button marks its label used ("済") or free again
// Timer1    blinks the confirmed button; Timer2 blinks the proposal (500 ms)

#include "labels/SheetTemplate.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace labels {

class StartLabelGrid : public QWidget {
    Q_OBJECT

public:
    // Starts on the standard sheet with every button blue, label 1 proposed
    // and Cancel off.
    explicit StartLabelGrid(QWidget* parent = nullptr);

    // One button per label of the sheet, in its grid; every button blue,
    // label 1 proposed, nothing confirmed.
    void setSheet(const SheetTemplate& sheet);
    int labelCount() const { return int(lblNo.size()); }

    // The label shown under the buttons (Mat4): the proposal, or the
    // confirmed label once OK was pressed.
    int shownLabel() const;
    // Labels of the first sheet marked used, in label order.
    QList<int> usedLabels() const;
    // Shows a label of the sheet as the blinking proposal (red, Timer2).
    void proposeLabel(int label);
    // Shows the confirmed button and stops its blinking, while a job prints.
    void holdConfirmed();

    QString Label1;

signals:
    // A button was pressed: its label is proposed and no label is confirmed.
    void proposed();
    // OK: label (from 1) is the confirmed start label.
    void confirmed(int label);
    // Cancel: the confirmed label is withdrawn and label 1 proposed.
    void withdrawn();

private:
    // Every button blue and shown, and label 1 proposed.
    void proposeFirstLabel();
    void chooseStartLabel(int index);
    // A label button pressed: marks it used or free while usedLabelsButton is down, else proposes
    // it.
    void labelPressed(int index);
    void confirmStartLabel();
    void resetStartLabel();
    void blinkProposal();
    void blinkConfirmed();
    void setMat4Colour(const QColor& colour);
    void setButtonColour(int index, const QColor& colour);
    int confirmedIndex() const;

    QGridLayout* m_sheetGrid = nullptr;
    QList<QPushButton*> lblNo;
    QList<QFrame*> Shape3;
    QLabel* MatName = nullptr;
    QLabel* Mat4 = nullptr;
    QLabel* Mat3 = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* usedLabelsButton = nullptr;
    QList<bool> m_used;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
};

} // namespace labels
