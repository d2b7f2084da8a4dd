#include "app/WindowNavigator.h"

#include "about/About.h"
#include "app/ImportDialog.h"
#include "app/frmOrder.h"
#include "app/frmStart.h"
#include "app/frmVew.h"
#include "entry/frmSet.h"
#include "entry/frmSingle.h"
#include "envelope/EnvelopeScreen.h"
#include "labels/frmPrint.h"
#include "postcard/frmPrintH.h"

#include <QApplication>

#include <utility>

namespace app {

WindowNavigator::WindowNavigator(session::SessionState& state, platform::Platform& platform)
    : m_context{state, platform, *this} {
}

void WindowNavigator::handOver(QWidget* next) {
    QWidget* previous = m_current;
    m_current = next;
    if (next) {
        next->setAttribute(Qt::WA_DeleteOnClose);
        next->show();
        next->raise();
        next->activateWindow();
    }
    for (QWidget* unloaded : {previous, std::exchange(m_behind, nullptr).data()}) {
        if (unloaded && unloaded != next) {
            unloaded->hide();
            unloaded->deleteLater();
        }
    }
}

void WindowNavigator::showStart() {
    handOver(new frmStart(m_context));
}

void WindowNavigator::openCardEditor(int jumpToCard) {
    auto* editor = new entry::frmSet(m_context, jumpToCard);
    // A book the editor cannot read has already sent the user back to the start window.
    if (!editor->opened()) {
        delete editor;
        return;
    }
    // Opened from the sheet, the editor comes in front of it and the sheet
    // waits behind, out of use, until the editor's way back unloads both.
    if (auto* sheet = qobject_cast<frmVew*>(m_current.data())) {
        m_behind = sheet;
        sheet->setEnabled(false);
        m_current = editor;
        editor->setAttribute(Qt::WA_DeleteOnClose);
        editor->show();
        editor->raise();
        editor->activateWindow();
        return;
    }
    handOver(editor);
}

void WindowNavigator::openLabelPrint(const book::CardList& entries) {
    handOver(new labels::frmPrint(m_context, entries));
}

void WindowNavigator::openPostcardPrint(const book::CardList& entries) {
    handOver(new postcard::frmPrintH(m_context, entries));
}

void WindowNavigator::openEnvelopePrint(const book::CardList& entries) {
    handOver(new envelope::EnvelopeScreen(m_context, entries));
}

void WindowNavigator::openSheet(bool fromMenu) {
    // An empty book leaves the start window as it was.
    if (frmVew* sheet = frmVew::open(m_context, fromMenu))
        handOver(sheet);
}

void WindowNavigator::openOrder() {
    handOver(new frmOrder(m_context));
}

void WindowNavigator::openSingle() {
    handOver(new entry::frmSingle(m_context));
}

void WindowNavigator::openAbout() {
    // Modal over the window in use, which stays the one in use.
    about::About::showVersion(m_current);
}

bool WindowNavigator::previewImport(exchange::ImportPreview& preview) {
    // Modal over the window in use, which stays the one in use.
    ImportDialog dialog(preview, m_current);
    return dialog.exec() == QDialog::Accepted;
}

void WindowNavigator::quit() {
    QApplication::exit(0);
}

} // namespace app
