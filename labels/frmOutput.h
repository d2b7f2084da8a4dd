#pragma once

// Where this run's label and postcard jobs go: one of the system's printers
// or a PDF file chosen at each job.
//
// lstOutput  the printers, then "PDFファイル"
// cmdOk      keeps the choice for the rest of the run; cmdCancel leaves it

#include "app/AppContext.h"

#include <QDialog>
#include <QListWidget>

namespace labels {

class frmOutput : public QDialog {
    Q_OBJECT

public:
    frmOutput(app::AppContext& context, QWidget* parent = nullptr);

private:
    void accept() override;

    app::AppContext& m_context;
    QListWidget* lstOutput = nullptr;
    QStringList m_printers;
};

} // namespace labels
