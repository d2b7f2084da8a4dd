#include "printing/frmOutput.h"

#include "ui/Named.h"
#include "printing/OutputChoice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace printing {

frmOutput::frmOutput(ui::AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_printers(context.platform.printers.printerNames()) {
    setObjectName(u"frmOutput"_s);
    setWindowTitle(u"出力先"_s);

    lstOutput = ui::named(new QListWidget(this), u"lstOutput"_s);
    lstOutput->addItems(m_printers);
    lstOutput->addItem(u"PDFファイル"_s);

    // The row of the choice in force: the default printer while nothing was chosen.
    const OutputChoice& choice = outputChoiceForThisRun();
    QString printer = choice.printerName;
    if (choice.mode == OutputChoice::Mode::Automatic)
        printer = context.platform.printers.defaultPrinterName();
    int row = int(m_printers.size());
    if (choice.mode != OutputChoice::Mode::PdfFile && m_printers.contains(printer))
        row = int(m_printers.indexOf(printer));
    lstOutput->setCurrentRow(row);

    auto* cmdOk = ui::named(new QPushButton(u"OK"_s, this), u"cmdOk"_s);
    cmdOk->setDefault(true);
    auto* cmdCancel = ui::named(new QPushButton(u"キャンセル"_s, this), u"cmdCancel"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(u"印刷先を選んでください。"_s, this));
    layout->addWidget(lstOutput);
    layout->addLayout(buttons);

    connect(cmdOk, &QPushButton::clicked, this, &frmOutput::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstOutput, &QListWidget::itemDoubleClicked, this, &frmOutput::accept);
}

void frmOutput::accept() {
    const int row = lstOutput->currentRow();
    OutputChoice& choice = outputChoiceForThisRun();
    if (row >= 0 && row < m_printers.size()) {
        choice.mode = OutputChoice::Mode::Printer;
        choice.printerName = m_printers[row];
    } else {
        choice.mode = OutputChoice::Mode::PdfFile;
        choice.printerName.clear();
    }
    QDialog::accept();
}

} // namespace printing
