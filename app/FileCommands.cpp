#include "app/FileCommands.h"

#include "app/StartSettings.h"
#include "app/StartTexts.h"
#include "book/AddressFile.h"
#include "platform/ProgramFolder.h"

namespace app {

using namespace Qt::StringLiterals;
namespace texts = starttexts;

FileCommands::FileCommands(AppContext& context, StartView& view) : m_context(context), m_view(view) {}

bool FileCommands::newBook() {
    book::SharedState& state = m_context.state;
    if (state.BookOpen) {
        // A book that never had a file has nowhere to go back to.
        const bool hasFile = !state.BookPath.isEmpty() && state.BookPath != book::NewBookPath;
        if (hasFile && !book::writeBook(state.BookPath, state.CardTable).ok()) {
            m_context.platform.messages.show(QString::fromUtf16(texts::CannotWrite));
            return false;
        }
        state.BookOpen = false;
    }
    state.CardTable.clear();
    m_view.controls.enable({u"mnuSave"_s, u"mnuSet"_s, u"mnuSheet"_s, u"mnuOrder"_s, u"lstSet1"_s,
                            u"lstSet2"_s, u"cmdAdd"_s, u"cmdDel"_s, u"cmdClear"_s, u"cmdPrint"_s,
                            u"cmdOrder"_s});
    state.ExistingBook = false;
    m_view.Text2 = u"2"_s;
    // The card editor learns from the settings file which book it works on;
    // without "2" there it would take the previous book's file for this one.
    if (!writeStartSettings(state, m_view).ok()) {
        m_context.platform.messages.show(QString::fromUtf16(texts::CannotWriteSettings));
        return false;
    }
    state.Reentry = 1;
    m_context.navigator.openCardEditor(0);
    return true;
}

void FileCommands::open(From from) {
    book::SharedState& state = m_context.state;
    const Before before = remember();

    m_view.controls.enable({u"lstSet1"_s, u"lstSet2"_s, u"cmdAdd"_s, u"cmdDel"_s, u"cmdClear"_s,
                            u"cmdPrint"_s, u"cmdOrder"_s});
    if (from == From::Button)
        m_view.controls.enable({u"cmdHagaki"_s});
    m_view.clearLists();

    platform::FileDialogRequest request;
    request.title = u"ファイルを開く"_s;
    request.filter = QString::fromUtf16(texts::OpenFilter);
    request.initialFolder = platform::ProgramFolder::path();
    const QString path = m_context.platform.dialogs.openFile(request);
    if (path.isEmpty()) {
        restore(before);
        return;
    }

    state.CardTable.clear();
    state.BookPath = path;
    m_view.Text1 = path;
    if (from == From::Button)
        state.SaveName = path;

    // Old books are told by their lines; counting fields over the whole file
    // takes seven old cards for six new ones.
    const book::FileLayout layout = book::detectLayout(path);
    if (layout == book::FileLayout::SixFields) {
        convert(path, from, before);
        return;
    }
    const book::LoadResult loaded = book::loadBook(path);
    if (loaded.ok() && !loaded.cards.isEmpty()) {
        showOpened(loaded.cards, from);
        return;
    }
    // No card to select, or a failed read: the book may be an old one.
    if (!book::partialLoadLooksCurrent(loaded.cards) && layout == book::FileLayout::Empty) {
        convert(path, from, before);
        return;
    }
    fail(loaded.ok() ? QString::fromUtf16(texts::CannotRead) : texts::readFailure(loaded.error),
         before);
}

bool FileCommands::save(From from) {
    book::SharedState& state = m_context.state;
    platform::FileDialogRequest request;
    request.title = u"名前をつけて保存"_s;
    request.filter = QString::fromUtf16(texts::SaveFilter);
    request.initialFolder = platform::ProgramFolder::path();
    request.overwritePrompt = true;
    if (from == From::Button)
        request.proposedName = state.SaveName;
    const QString path = m_context.platform.dialogs.saveFile(request);
    // A cancelled dialog changes nothing, not even the settings' file name.
    if (path.isEmpty())
        return true;
    if (!book::writeBook(path, state.CardTable).ok()) {
        m_context.platform.messages.show(QString::fromUtf16(texts::CannotWrite));
        return false;
    }
    if (from == From::Menu)
        m_view.Text1 = path;

    // The book is put away: only the names go, the other columns stay.
    m_view.addressList.clearField(1);
    m_view.nameSelection.clear();
    m_view.nameCurrent = -1;
    m_view.controls.enable({u"mnuAt"_s, u"cmdAt"_s});
    m_view.controls.disable({u"cmdSave"_s, u"cmdCard"_s, u"cmdView"_s, u"cmdOrder"_s});
    return true;
}

FileCommands::Before FileCommands::remember() const {
    const book::SharedState& state = m_context.state;
    return {m_view, state.BookOpen, state.BookPath, state.SaveName, state.CardTable};
}

void FileCommands::restore(const Before& before) {
    book::SharedState& state = m_context.state;
    m_view = before.view;
    state.BookOpen = before.bookOpen;
    state.BookPath = before.bookPath;
    state.SaveName = before.saveName;
    state.CardTable = before.cardTable;
}

void FileCommands::showOpened(const book::CardList& cards, From from) {
    book::SharedState& state = m_context.state;
    state.CardTable = cards;
    m_view.addressList.appendAll(cards);
    state.BookOpen = true;
    m_view.Text2 = u"3"_s;
    if (m_view.addressList.rows() > 0) {
        m_view.nameSelection = {0};
        m_view.nameCurrent = 0;
    }
    m_view.controls.enable({u"mnuSave"_s, u"mnuSet"_s, u"mnuSheet"_s, u"mnuOrder"_s, u"cmdSave"_s,
                            u"cmdCard"_s, u"cmdView"_s, u"cmdOrder"_s});
    if (from == From::Button)
        m_view.controls.disable({u"cmdAt"_s, u"mnuAt"_s});
}

void FileCommands::convert(const QString& path, From from, const Before& before) {
    m_context.platform.messages.show(QString::fromUtf16(texts::Converting));
    const book::ConvertResult converted = book::convertLegacyBook(path);
    if (converted.readError.kind != book::ReadError::None) {
        fail(texts::readFailure(converted.readError), before);
        return;
    }
    if (converted.writeError.kind != book::WriteError::None) {
        fail(QString::fromUtf16(texts::CannotWrite), before);
        return;
    }
    m_view.Text1 = path;
    m_context.state.Reentry = 0;
    showOpened(converted.cards, from);
}

void FileCommands::fail(const QString& message, const Before& before) {
    m_context.platform.messages.show(message);
    restore(before);
}

} // namespace app
