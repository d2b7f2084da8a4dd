#pragma once

// Where this run's label and postcard jobs go: one of the system's printers
// or a PDF file chosen at each job.
//
// lstOutput  the printers, then "PDFファイル"
// cmdOk      keeps the choice for the rest of the run; cmdCancel leaves it

#include "ui/AppContext.h"

#include <QDialog>
#include <QListWidget>

namespace printing {

class frmOutput : public QDialog {
    Q_OBJECT

public:
    frmOutput(ui::AppContext& context, QWidget* parent = nullptr);

private:
    void accept() override;

    ui::AppContext& m_context;
    QListWidget* lstOutput = nullptr;
    QStringList m_printers;
};

} // namespace printing
