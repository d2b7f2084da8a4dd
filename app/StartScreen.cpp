#include "app/StartScreen.h"

#include "app/StartSettings.h"
#include "app/StartTexts.h"
#include "book/AddressFile.h"
#include "book/LenientNumber.h"
#include "session/OpenBook.h"
#include "session/SessionTexts.h"

#include <algorithm>

namespace app {

using namespace Qt::StringLiterals;
namespace texts = starttexts;

namespace {

const QStringList BookCommands = {u"mnuSave"_s, u"mnuSet"_s, u"mnuSheet"_s, u"mnuOrder"_s,
                                  u"lstSet1"_s, u"lstSet2"_s, u"cmdAdd"_s,   u"cmdDel"_s,
                                  u"cmdClear"_s, u"cmdPrint"_s, u"cmdHagaki"_s, u"cmdSave"_s,
                                  u"cmdCard"_s, u"cmdView"_s, u"cmdOrder"_s, u"mnuExport"_s};

} // namespace

StartScreen::StartScreen(ui::AppContext& context)
    : m_context(context), m_files(context, m_view) {}

void StartScreen::load() {
    book::SharedState& state = m_context.state;
    m_view = StartView();
    if (state.Reentry != 1) {
        readStartSettings(state, m_view);
        state.BookOpen = false;
        session::closeBook(state);
        state.ExistingBook = true;
        state.PrintFromList = true;
        return;
    }
    state.Reentry = 0;
    // The text boxes come back as they were when the window made way, or as
    // another window left them (the editor's save under a name): the
    // settings file may name a book of an earlier run.
    restoreStartSettings(state, m_view);
    if (!state.BookOpen) {
        state.ExistingBook = true;
        state.PrintFromList = true;
        return;
    }
    m_view.controls.enable(BookCommands);
    m_view.controls.disable({u"cmdAt"_s, u"mnuAt"_s});
    if (state.BookPath != book::NewBookPath)
        reloadBook();
}

void StartScreen::reloadBook() {
    book::SharedState& state = m_context.state;
    state.ExistingBook = true;
    state.PrintFromList = true;
    const book::BookRead read = session::rereadOpenBook(state);
    if (read.isBook()) {
        state.CardTable = read.loaded.cards;
        m_view.addressList.appendAll(state.CardTable);
        return;
    }
    // The file went away or was damaged meanwhile: no book is open, so
    // nothing writes the cards read before the fault over the file.
    m_context.platform.messages.show(texts::readFailure(read.loaded.error));
    state.CardTable.clear();
    state.BookOpen = false;
    session::closeBook(state);
    m_view = StartView();
    restoreStartSettings(state, m_view);
}

void StartScreen::setNameSelection(const QList<int>& rows, int current) {
    m_view.nameSelection = rows;
    std::sort(m_view.nameSelection.begin(), m_view.nameSelection.end());
    m_view.nameCurrent = current;
}

void StartScreen::setPrintSelection(const QList<int>& rows, int current) {
    m_view.printSelection = rows;
    std::sort(m_view.printSelection.begin(), m_view.printSelection.end());
    m_view.printCurrent = current;
}

void StartScreen::addSelected() {
    for (int row : m_view.nameSelection) {
        if (row >= 0 && row < m_view.addressList.rows())
            m_view.printList.append(m_view.addressList.card(row));
    }
    m_view.countPrintList();
    if (m_view.printList.rows() >= book::BookCapacity) {
        // The counter reads 300 while the message says so.
        if (m_showView)
            m_showView();
        m_context.platform.messages.show(QString::fromUtf16(texts::ListLimit));
        m_view.controls.disable({u"cmdPrint"_s});
    } else {
        m_view.controls.enable({u"cmdClear"_s});
    }
}

void StartScreen::nameDoubleClicked() {
    addSelected();
    m_view.controls.enable({u"cmdClear"_s});
}

void StartScreen::deleteSelected() {
    if (book::leadingInteger(m_view.lblCount) == 0) {
        m_context.platform.messages.show(QString::fromUtf16(texts::NoList));
        return;
    }
    const QList<int> removed = m_view.printSelection;
    m_view.printList.removeRows(removed);
    if (removed.contains(m_view.printCurrent)) {
        m_view.printCurrent = -1;
    } else if (m_view.printCurrent >= 0) {
        const int current = m_view.printCurrent;
        m_view.printCurrent -= int(std::count_if(removed.begin(), removed.end(),
                                                 [current](int row) { return row < current; }));
    }
    m_view.printSelection.clear();
    m_view.countPrintList();
    m_view.controls.disable({u"cmdDel"_s});
    if (m_view.printCurrent >= 0)
        m_view.controls.enable({u"cmdDel"_s});
    if (m_view.printList.rows() < book::BookCapacity)
        m_view.controls.enable({u"cmdPrint"_s});
}

void StartScreen::clearPrintList() {
    m_view.printList.clear();
    m_view.printSelection.clear();
    m_view.printCurrent = -1;
    m_view.controls.disable({u"cmdDel"_s, u"cmdClear"_s});
    m_view.lblCount = u"0"_s;
    m_view.controls.enable({u"cmdPrint"_s});
}

void StartScreen::printListClicked() {
    if (m_view.printCurrent >= 0)
        m_view.controls.enable({u"cmdDel"_s});
    else
        m_view.controls.disable({u"cmdDel"_s});
}

void StartScreen::printListDoubleClicked() {
    m_context.platform.messages.show(QString::fromUtf16(texts::CopyHint));
}

void StartScreen::newBook() {
    m_files.newBook();
}

void StartScreen::open(FileCommands::From from) {
    m_files.open(from);
}

void StartScreen::save(FileCommands::From from) {
    m_files.save(from);
}

void StartScreen::importContacts() {
    m_files.importContacts();
}

void StartScreen::exportBook() {
    m_files.exportBook();
}

bool StartScreen::printListReady() {
    if (book::leadingInteger(m_view.lblCount) == 0) {
        m_context.platform.messages.show(QString::fromUtf16(texts::NoList));
        return false;
    }
    handOver();
    return true;
}

void StartScreen::labelPrint() {
    if (printListReady())
        m_context.navigator.openLabelPrint(m_view.printList.cards());
}

void StartScreen::postcardPrint() {
    if (printListReady())
        m_context.navigator.openPostcardPrint(m_view.printList.cards());
}

void StartScreen::envelopePrint() {
    if (printListReady())
        m_context.navigator.openEnvelopePrint(m_view.printList.cards());
}

void StartScreen::cardEditor() {
    // The editor is handed the open book in memory: a settings file that
    // cannot be written is reported, and the editor opens all the same.
    saveSettings();
    handOver();
    m_context.navigator.openCardEditor(0);
}

void StartScreen::sheet(bool fromMenu) {
    handOver();
    m_context.navigator.openSheet(fromMenu);
}

void StartScreen::reorder() {
    handOver();
    m_context.navigator.openOrder();
}

void StartScreen::single(FileCommands::From from) {
    if (from == FileCommands::From::Button)
        m_context.state.ExitOnClose = false;
    handOver();
    m_context.navigator.openSingle();
}

void StartScreen::handOver() {
    keepStartSettings(m_context.state, m_view);
    m_context.state.Reentry = 1;
}

void StartScreen::help() {
    m_context.platform.help.showHelp(u"Tagora.hlp"_s, platform::HelpViewer::Command::Contents);
}

void StartScreen::about() {
    m_context.navigator.openAbout();
}

void StartScreen::homePage() {
    m_context.platform.shell.openUrl(QStringLiteral(TAGORA_HOME_PAGE));
}

void StartScreen::exit() {
    // The user asked to end: a settings file that cannot be written is
    // reported, and the program ends all the same.
    saveSettings();
    m_context.navigator.quit();
}

void StartScreen::closeBox() {
    if (m_context.state.Reentry == 1 || !m_context.state.ExitOnClose)
        return;
    saveSettings();
    m_context.navigator.quit();
}

bool StartScreen::saveSettings() {
    book::SharedState& state = m_context.state;
    const SettingsWrite write = writeStartSettings(state, m_view);
    // Said once for each book whose place the settings cannot hold.
    const QString& book = m_view.settings.lastBook;
    if (write.placeForgotten && state.UnrememberedBook != book) {
        state.UnrememberedBook = book;
        m_context.platform.messages.show(
            QString::fromUtf16(session::texts::PlaceNotRemembered).arg(book));
    }
    if (write.result.ok())
        return true;
    m_context.platform.messages.show(QString::fromUtf16(texts::CannotWriteSettings));
    return false;
}

} // namespace app
