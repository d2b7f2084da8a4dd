#include "app/StartScreen.h"

#include "app/StartSettings.h"
#include "app/StartTexts.h"
#include "book/AddressFile.h"
#include "book/LenientNumber.h"

#include <algorithm>

namespace app {

using namespace Qt::StringLiterals;
namespace texts = starttexts;

namespace {

const QStringList BookCommands = {u"mnuSave"_s, u"mnuSet"_s, u"mnuSheet"_s, u"mnuOrder"_s,
                                  u"lstSet1"_s, u"lstSet2"_s, u"cmdAdd"_s,   u"cmdDel"_s,
                                  u"cmdClear"_s, u"cmdPrint"_s, u"cmdHagaki"_s, u"cmdSave"_s,
                                  u"cmdCard"_s, u"cmdView"_s, u"cmdOrder"_s};

} // namespace

StartScreen::StartScreen(AppContext& context)
    : m_context(context), m_files(context, m_view) {}

void StartScreen::load() {
    book::SharedState& state = m_context.state;
    m_view = StartView();
    if (state.Reentry != 1) {
        readStartSettings(state, m_view);
        state.BookOpen = false;
        state.ExistingBook = true;
        state.PrintFromList = true;
        return;
    }
    state.Reentry = 0;
    if (!state.BookOpen) {
        // Fresh text boxes would write empty settings at the next exit and
        // lose the reserved value: they take what was last read or written.
        m_view.Text1 = state.SettingsValues.lastBook;
        m_view.Text2 = state.SettingsValues.bookState;
        m_view.Text3 = state.SettingsValues.reserved;
        state.ExistingBook = true;
        state.PrintFromList = true;
        return;
    }
    m_view.controls.enable(BookCommands);
    m_view.controls.disable({u"cmdAt"_s, u"mnuAt"_s});
    readStartSettings(state, m_view);
    if (state.BookPath != book::NewBookPath)
        reloadBook();
}

void StartScreen::reloadBook() {
    book::SharedState& state = m_context.state;
    state.ExistingBook = true;
    state.PrintFromList = true;
    const book::LoadResult loaded = book::loadBook(state.BookPath);
    if (loaded.ok()) {
        state.CardTable = loaded.cards;
        m_view.addressList.appendAll(state.CardTable);
        return;
    }
    // The file went away or was damaged meanwhile: no book is open, so
    // nothing writes the cards read before the fault over the file.
    m_context.platform.messages.show(texts::readFailure(loaded.error));
    state.CardTable.clear();
    state.BookOpen = false;
    const QString text1 = m_view.Text1, text2 = m_view.Text2, text3 = m_view.Text3;
    m_view = StartView();
    m_view.Text1 = text1;
    m_view.Text2 = text2;
    m_view.Text3 = text3;
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

bool StartScreen::printListReady() {
    if (book::leadingInteger(m_view.lblCount) == 0) {
        m_context.platform.messages.show(QString::fromUtf16(texts::NoList));
        return false;
    }
    m_context.state.Reentry = 1;
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

void StartScreen::cardEditor() {
    // The editor reads which book it works on from the settings file.
    if (!saveSettings())
        return;
    m_context.state.Reentry = 1;
    m_context.navigator.openCardEditor(0);
}

void StartScreen::sheet(bool fromMenu) {
    m_context.state.Reentry = 1;
    m_context.navigator.openSheet(fromMenu);
}

void StartScreen::reorder() {
    m_context.state.Reentry = 1;
    m_context.navigator.openOrder();
}

void StartScreen::single(FileCommands::From from) {
    if (from == FileCommands::From::Button)
        m_context.state.ExitOnClose = false;
    m_context.state.Reentry = 1;
    m_context.navigator.openSingle();
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
    if (writeStartSettings(m_context.state, m_view).ok())
        return true;
    m_context.platform.messages.show(QString::fromUtf16(texts::CannotWriteSettings));
    return false;
}

} // namespace app
