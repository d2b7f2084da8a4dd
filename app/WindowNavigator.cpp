#include "app/WindowNavigator.h"

#include "entry/frmSet.h"
#include "entry/frmSingle.h"

#include <QApplication>

namespace app {

WindowNavigator::WindowNavigator(book::SharedState& state, platform::Platform& platform)
    : m_context{state, platform, *this} {}

void WindowNavigator::handOver(QWidget* next) {
    QWidget* previous = m_current;
    m_current = next;
    if (next) {
        next->setAttribute(Qt::WA_DeleteOnClose);
        next->show();
        next->raise();
        next->activateWindow();
    }
    if (previous && previous != next) {
        previous->hide();
        previous->deleteLater();
    }
}

void WindowNavigator::showStart() {
}

void WindowNavigator::openCardEditor(int jumpToCard) {
    auto* editor = new entry::frmSet(m_context, jumpToCard);
    // A book the editor cannot read has already sent the user back to the start window.
    if (!editor->opened()) {
        delete editor;
        return;
    }
    handOver(editor);
}

void WindowNavigator::openLabelPrint(const book::CardList& entries) {
    (void)entries;
}

void WindowNavigator::openPostcardPrint(const book::CardList& entries) {
    (void)entries;
}

void WindowNavigator::openSheet(bool fromMenu) {
    (void)fromMenu;
}

void WindowNavigator::openOrder() {
}

void WindowNavigator::openSingle() {
    handOver(new entry::frmSingle(m_context));
}

void WindowNavigator::openAbout() {
}

void WindowNavigator::quit() {
    QApplication::exit(0);
}

} // namespace app
