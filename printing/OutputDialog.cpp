#include "printing/OutputDialog.h"

#include "printing/OutputChoice.h"
#include "ui/Named.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace printing {

OutputDialog::OutputDialog(ui::AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_printers(context.platform.printers.printerNames()) {
    setObjectName(u"OutputDialog"_s);
    setWindowTitle(u"出力先"_s);

    outputList = ui::named(new QListWidget(this), u"lstOutput"_s);
    outputList->addItems(m_printers);
    outputList->addItem(u"PDFファイル"_s);

    // The row of the choice in force: the default printer while nothing was chosen.
    const OutputChoice& choice = outputChoiceForThisRun();
    QString printer = choice.printerName;
    if (choice.mode == OutputChoice::Mode::Automatic)
        printer = context.platform.printers.defaultPrinterName();
    int row = int(m_printers.size());
    if (choice.mode != OutputChoice::Mode::PdfFile && m_printers.contains(printer))
        row = int(m_printers.indexOf(printer));
    outputList->setCurrentRow(row);

    auto* okButton = ui::named(new QPushButton(u"OK"_s, this), u"cmdOk"_s);
    okButton->setDefault(true);
    auto* cancelButton = ui::named(new QPushButton(u"キャンセル"_s, this), u"cmdCancel"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(u"印刷先を選んでください。"_s, this));
    layout->addWidget(outputList);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &OutputDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(outputList, &QListWidget::itemDoubleClicked, this, &OutputDialog::accept);
}

void OutputDialog::accept() {
    const int row = outputList->currentRow();
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
