#include "app/StartScreen.h"

#include "app/SeasonChoice.h"
#include "app/StartSettings.h"
#include "app/StartTexts.h"
#include "book/AddressFile.h"
#include "book/LenientNumber.h"
#include "season/CardKey.h"
#include "session/OpenBook.h"
#include "session/SessionTexts.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace app {

using namespace Qt::StringLiterals;
namespace texts = starttexts;

StartScreen::StartScreen(ui::AppContext& context) : m_context(context), m_files(context, m_view) {
}

void StartScreen::load() {
    session::SessionState& state = m_context.state;
    m_view = StartView();
    if (!state.startWindowAway) {
        readStartSettings(state, m_view);
        session::closeBook(state);
        state.printFromList = true;
        // The user goes on with the book of the last run, when it is still there.
        const QString last = m_view.settings.lastBook;
        if (m_view.settings.namesFile() && !last.isEmpty() && QFileInfo(last).isFile())
            m_files.openPath(last, FileCommands::From::Button);
        settleControls();
        return;
    }
    state.startWindowAway = false;
    const book::CardList kept = std::exchange(state.printList, {});
    // The text boxes come back as they were when the window made way, or as
    // another window left them (the editor's save under a name): the
    // settings file may name a book of an earlier run.
    restoreStartSettings(state, m_view);
    if (!state.book.isOpen()) {
        // A new book the editor did not keep is gone.
        state.book = {};
        state.printFromList = true;
        settleControls();
        return;
    }
    if (state.book.hasFile())
        reloadBook();
    // The print list comes back as the user left it, but for entries whose
    // card was changed or deleted meanwhile: those would print old text.
    for (const book::AddressCard& entry : kept) {
        if (state.book.isOpen() && state.cards.contains(entry))
            m_view.printList.append(entry);
    }
    m_view.countPrintList();
    settleControls();
}

void StartScreen::settleControls() {
    const session::SessionState& state = m_context.state;
    const bool open = state.book.isOpen();
    const int entries = m_view.printList.rows();
    StartCommands& commands = m_view.commands;
    commands.lists = open;
    commands.addToList = open;
    commands.deleteEntries =
        open && entries > 0 && (m_view.printCurrent >= 0 || !m_view.printSelection.isEmpty());
    commands.clearList = open && entries > 0;
    commands.save = open;
    commands.exportBook = open;
    commands.editCards = open;
    commands.showSheet = open;
    commands.reorder = open;
    // 300 entries fill the list: label printing waits until one is removed.
    commands.printLabels = open && entries < book::BookCapacity;
    commands.printPostcards = open;
    commands.checkCodes = open;
}

QString StartScreen::title() const {
    const session::SessionState& state = m_context.state;
    if (!state.book.isOpen())
        return u"Tagora"_s;
    // A book that has no file yet is only kept by saving it under a name.
    if (!state.book.hasFile())
        return u"Tagora — ＊"_s + QString::fromUtf16(session::NewBookName);
    return u"Tagora — "_s + QFileInfo(state.book.path()).fileName();
}

void StartScreen::reloadBook() {
    session::SessionState& state = m_context.state;
    state.printFromList = true;
    const book::BookRead read = session::rereadOpenBook(state);
    if (read.isBook()) {
        state.cards = read.loaded.cards;
        m_view.addressList.appendAll(state.cards);
        return;
    }
    // The file went away or was damaged meanwhile: no book is open, so
    // nothing writes the cards read before the fault over the file.
    m_context.platform.messages.show(texts::readFailure(read.loaded.error));
    state.cards.clear();
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
    settleControls();
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
    }
    settleControls();
}

void StartScreen::addFromRecord(const QString& choice) {
    const SeasonPick pick =
        seasonPick(m_context.state, choice, season::comingNewYear(QDate::currentDate()));
    if (!pick.error.isEmpty() || pick.rows.isEmpty()) {
        m_context.platform.messages.show(pick.error.isEmpty()
                                             ? QString::fromUtf16(texts::NoneInRecord).arg(choice)
                                             : pick.error);
        return;
    }
    m_view.nameSelection = pick.rows;
    m_view.nameCurrent = pick.rows.first();
    addSelected();
}

void StartScreen::nameDoubleClicked() {
    addSelected();
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
    settleControls();
}

void StartScreen::clearPrintList() {
    // The list may hold a long selection: it goes only when the user agrees.
    if (m_view.printList.rows() > 1 &&
        m_context.platform.messages.show(
            QString::fromUtf16(texts::ClearListQuestion).arg(m_view.printList.rows()),
            platform::Buttons::OkCancel) == platform::Answer::Cancel)
        return;
    m_view.printList.clear();
    m_view.printSelection.clear();
    m_view.printCurrent = -1;
    m_view.lblCount = u"0"_s;
    settleControls();
}

void StartScreen::printListClicked() {
    settleControls();
}

void StartScreen::printListDoubleClicked() {
    m_context.platform.messages.show(QString::fromUtf16(texts::CopyHint));
}

void StartScreen::newBook() {
    m_files.newBook();
    settleControls();
}

void StartScreen::open(FileCommands::From from) {
    m_files.open(from);
    settleControls();
}

void StartScreen::openPath(const QString& path) {
    m_files.openPath(path, FileCommands::From::Button);
    settleControls();
}

void StartScreen::save(FileCommands::From from) {
    m_files.save(from);
    settleControls();
}

void StartScreen::importContacts() {
    m_files.importContacts();
    settleControls();
}

void StartScreen::checkCodes() {
    if (m_context.state.book.isOpen())
        m_files.reportCodeMismatches(m_context.state.cards, 1, true);
}

void StartScreen::exportBook() {
    m_files.exportBook();
    settleControls();
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
        m_context.state.exitOnClose = false;
    handOver();
    m_context.navigator.openSingle();
}

void StartScreen::handOver() {
    keepStartSettings(m_context.state, m_view);
    m_context.state.printList = m_view.printList.cards();
    m_context.state.startWindowAway = true;
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
    if (m_context.state.startWindowAway || !m_context.state.exitOnClose)
        return;
    saveSettings();
    m_context.navigator.quit();
}

bool StartScreen::saveSettings() {
    session::SessionState& state = m_context.state;
    const SettingsWrite write = writeStartSettings(state, m_view);
    // Said once for each book whose place the settings cannot hold.
    const QString& book = m_view.settings.lastBook;
    if (write.placeForgotten && state.unrememberedBook != book) {
        state.unrememberedBook = book;
        m_context.platform.messages.show(
            QString::fromUtf16(session::texts::PlaceNotRemembered).arg(book));
    }
    if (write.result.ok())
        return true;
    m_context.platform.messages.show(QString::fromUtf16(texts::CannotWriteSettings));
    return false;
}

} // namespace app
