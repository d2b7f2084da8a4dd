// The card editor's write-back: deleting a card, the list view, the return to
// the start window, and the write of the book they share. Every write goes to
// the book open in this run, through the one saver.
#include "entry/CardEditor.h"

#include "entry/CardEditorTexts.h"
#include "session/BookSaver.h"
#include "session/OpenBook.h"
#include "session/SessionState.h"

using namespace Qt::StringLiterals;
using namespace entry::editortexts;
using platform::Answer;
using platform::Buttons;

namespace entry {

void CardEditor::deleteCard() {
    if (m_count <= 1) {
        m_changed = false;
        emit screenChanged();
        return;
    }
    if (m_context.platform.messages.show(DeletePromptText, Buttons::OkCancel, DeleteTitle) ==
        Answer::Cancel)
        return;
    book::CardList kept = cards();
    if (m_current <= m_count)
        kept.removeAt(m_current - 1);
    if (!writeCards(kept, m_current <= m_count ? m_current : 0))
        return;
    m_cards.fill(book::AddressCard());
    for (int i = 0; i < kept.size(); ++i)
        m_cards[i] = kept[i];
    m_count = int(kept.size());
    m_current = 1;
    showRegistered();
    emit screenChanged();
}

void CardEditor::showList() {
    if (isNewCard()) {
        m_context.platform.messages.show(NothingToListText, Buttons::Ok);
        return;
    }
    if (m_changed && askYes(SaveChangesText)) {
        storeScreenInCard();
        registerIfNew();
    }
    if (!writeCards(cards()))
        return;
    m_changed = false;
    // The sheet shows the book as it now stands in the file.
    m_context.state.cards = cards();
    closeTo(true);
}

void CardEditor::returnToStart() {
    session::SessionState& state = m_context.state;
    // Every question on the way out offers キャンセル: the editor stays as it is.
    if (isNewCard()) {
        const Answer keep = askYesNoCancel(RegisterNewText);
        if (keep == Answer::Cancel)
            return;
        m_changed = false;
        if (keep == Answer::Yes) {
            storeScreenInCard();
            registerIfNew();
        }
    }
    if (state.book.hasFile()) {
        if (m_changed) {
            const Answer save = askYesNoCancel(SaveChangesText);
            if (save == Answer::Cancel)
                return;
            if (save == Answer::Yes) {
                storeScreenInCard();
                registerIfNew();
            }
        }
        if (!writeCards(cards()))
            return;
        m_changed = false;
        closeTo(false);
        return;
    }
    // A book without a file: cards typed into it are only kept by saving under
    // a name, so they are never dropped here without asking.
    if (state.book.kind() != session::CurrentBook::Kind::Starting && m_count == 0) {
        if (state.saveName.isEmpty())
            state.book = session::CurrentBook::unsaved();
        closeTo(false);
        return;
    }
    const Answer saveAs = askYesNoCancel(SaveAsPromptText);
    if (saveAs == Answer::Cancel)
        return;
    if (saveAs == Answer::No) {
        closeTo(false);
        return;
    }
    const session::BookSaver::Result saved =
        session::BookSaver(state, m_context.platform).saveUnderNewName(cards());
    if (!saved.written()) {
        showWriteFailure(saved);
        return;
    }
    session::rememberBook(state.settings, saved.path);
    closeTo(false);
}

void CardEditor::cancel() {
    if (m_closed)
        return;
    // Cards registered or typed since the last write go only when the user agrees.
    const bool unsaved = m_changed || cards() != m_written;
    if (unsaved &&
        m_context.platform.messages.show(DiscardChangesText, Buttons::OkCancel) == Answer::Cancel)
        return;
    closeTo(false);
}

bool CardEditor::writeCards(const book::CardList& cards, int removed) {
    session::SessionState& state = m_context.state;
    const QString before = state.book.path();
    const int count = int(cards.size());
    const session::BookSaver::Result saved =
        session::BookSaver(state, m_context.platform)
            .saveOpenBook(cards, removed
                                     ? season::CardOrigins::removed(count, removed, m_countOnDisk)
                                     : season::CardOrigins::kept(count, m_countOnDisk));
    if (!saved.written()) {
        showWriteFailure(saved);
        return false;
    }
    // A book without a file now has one ("Tagora.dat", or the name the
    // user gave instead): the start window and the next run take that one.
    if (saved.path != before)
        session::rememberBook(state.settings, saved.path);
    m_countOnDisk = count;
    m_written = cards;
    return true;
}

void CardEditor::showWriteFailure(const session::BookSaver::Result& failed) {
    if (failed.outcome == session::BookSaver::Outcome::Cancelled)
        return;
    const QString detail = session::fieldFailure(failed.error, cards());
    m_context.platform.messages.show(
        detail.isEmpty() ? WriteFailedText : WriteFailedText + u"\n"_s + detail, Buttons::Ok);
    // The card that cannot be stored is shown, to be mended.
    if (!detail.isEmpty() && failed.error.card >= 1 && failed.error.card <= m_count) {
        m_current = failed.error.card;
        showRegistered();
    }
    emit screenChanged();
}

void CardEditor::closeTo(bool sheet) {
    m_closed = true;
    m_context.state.startWindowAway = true;
    if (sheet)
        m_context.navigator.openSheet(true);
    else
        m_context.navigator.showStart();
}

} // namespace entry
