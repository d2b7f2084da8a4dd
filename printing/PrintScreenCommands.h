#pragma once

#include "printing/PrintScreenModel.h"
#include "ui/AppContext.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace printing {

// What the label and postcard print screens do alike, on the screen's model:
// paging with its messages, the font chooser, the position dialog of the
// screen's medium, the output choice, the code line choice, 戻る, 終了 and
// help. The screen connects its controls here and redraws on the signals.
class PrintScreenCommands : public QObject {
    Q_OBJECT

public:
    // Builds the medium's position dialog for the trims of printer (the
    // queue the next job goes to, empty for a PDF) and the model's medium;
    // onSaved receives the trims after OK wrote them.
    using PositionDialogMaker = std::function<QWidget*(
        ui::AppContext& context, const QString& printer, const QString& medium,
        std::function<void(const Trims& trims)> onSaved, QWidget* parent)>;

    // screen parents the tool windows, which close with it.
    PrintScreenCommands(ui::AppContext& context, PrintScreenModel& model, QWidget* screen,
                        PositionDialogMaker makePositionDialog);

    // The queue the next job goes to without asking; empty for a PDF.
    QString jobPrinter() const;

    void previousEntry();
    void nextEntry();
    void openFontChooser();
    void openPositionDialog();
    void openOutputChoice();
    void choosePrintCode(bool printCode);
    void chooseBarcodes(bool barcodes);
    // 戻る and the close box: the start window again.
    void goBack();
    void endProgram();
    void showHelp();

signals:
    // Another entry is on screen, or it is printed otherwise (code line).
    void entryChanged();
    // The font chooser confirmed a face, now the model's textFace.
    void faceChosen();
    // Something the shared controls show may have changed.
    void controlsChanged();
    // The position dialog saved the model's trims.
    void trimsChanged();

private:
    void showStep(const PagingStep& step);

    ui::AppContext& m_context;
    PrintScreenModel& m_model;
    QWidget* m_screen;
    PositionDialogMaker m_makePositionDialog;
    QPointer<QWidget> m_fontChooser;
    QPointer<QWidget> m_positionDialog;
};

} // namespace printing
