#include "printing/PrintScreenCommands.h"

#include "printing/OutputDialog.h"
#include "printing/frmFont.h"
#include "ui/ToolWindow.h"

using namespace Qt::StringLiterals;

namespace printing {

PrintScreenCommands::PrintScreenCommands(ui::AppContext& context, PrintScreenModel& model,
                                         QWidget* screen, PositionDialogMaker makePositionDialog)
    : QObject(screen), m_context(context), m_model(model), m_screen(screen),
      m_makePositionDialog(std::move(makePositionDialog)) {
}

void PrintScreenCommands::previousEntry() {
    showStep(m_model.previous());
}

void PrintScreenCommands::nextEntry() {
    showStep(m_model.next());
}

void PrintScreenCommands::showStep(const PagingStep& step) {
    if (!step.message.isEmpty())
        m_context.platform.messages.show(step.message, platform::Buttons::Ok);
    if (!step.moved)
        return;
    emit entryChanged();
    emit controlsChanged();
}

void PrintScreenCommands::openFontChooser() {
    ui::showToolWindow(m_fontChooser, [this] {
        return new frmFont(
            m_context,
            [this](const QString& face) {
                m_model.textFace = face;
                emit faceChosen();
            },
            m_screen);
    });
}

void PrintScreenCommands::openPositionDialog() {
    ui::showToolWindow(m_positionDialog, [this] {
        return m_makePositionDialog(
            m_context, jobPrinter(), m_model.trimMedium(),
            [this](const Trims& trims) {
                m_model.keepTrims(trims);
                emit trimsChanged();
            },
            m_screen);
    });
}

QString PrintScreenCommands::jobPrinter() const {
    return jobPrinterName(m_model.outputChoice(), m_context.platform.printers);
}

void PrintScreenCommands::openOutputChoice() {
    // One choice for both screens, kept for the rest of the run.
    auto* dialog = new OutputDialog(m_context, m_screen);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void PrintScreenCommands::choosePrintCode(bool printCode) {
    const book::WriteResult written = m_model.choosePrintCode(printCode);
    if (!written.ok())
        m_context.platform.messages.show(
            u"設定を保存できませんでした。\n"_s + written.error.describe(), platform::Buttons::Ok);
    emit entryChanged();
    emit controlsChanged();
}

void PrintScreenCommands::chooseBarcodes(bool barcodes) {
    m_model.chooseBarcodes(barcodes);
    emit controlsChanged();
}

void PrintScreenCommands::goBack() {
    m_context.state.startWindowAway = true;
    m_context.navigator.showStart();
}

void PrintScreenCommands::endProgram() {
    m_context.navigator.quit();
}

void PrintScreenCommands::showHelp() {
    m_context.platform.help.showHelp(u"Tagora.hlp"_s, platform::HelpViewer::Command::Context, 8);
}

} // namespace printing
