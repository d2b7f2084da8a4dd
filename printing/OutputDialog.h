#pragma once

// Where this run's label and postcard jobs go: one of the system's printers
// or a PDF file chosen at each job.
//
// outputList  the printers, then "PDFファイル"
// okButton    keeps the choice for the rest of the run; cancelButton leaves it
// Their objectNames: lstOutput, cmdOk, cmdCancel.

#include "ui/AppContext.h"

#include <QDialog>
#include <QListWidget>

namespace printing {

class OutputDialog : public QDialog {
    Q_OBJECT

public:
    OutputDialog(ui::AppContext& context, QWidget* parent = nullptr);

private:
    void accept() override;

    ui::AppContext& m_context;
    QListWidget* outputList = nullptr;
    QStringList m_printers;
};

} // namespace printing
