#include "session/OpenBook.h"

#include "book/Cp932.h"
#include "book/FieldLabel.h"
#include "platform/SameFile.h"
#include "session/SeasonKeeping.h"
#include "session/SessionTexts.h"

using namespace Qt::StringLiterals;

namespace session {

void adoptBook(SessionState& state, const QString& path, const book::FileStamp& stamp,
               platform::Messages& messages) {
    const bool sameBook = state.bookLock && platform::sameFile(state.book.path(), path);
    state.book = CurrentBook::file(path);
    state.bookStamp = stamp;
    if (sameBook)
        return;
    state.bookLock.reset();
    state.bookLock = std::make_shared<book::BookLock>(path);
    if (state.bookLock->state() == book::BookLock::State::HeldElsewhere)
        messages.show(QString::fromUtf16(texts::OpenElsewhere).arg(path));
}

book::BookRead rereadOpenBook(SessionState& state) {
    book::BookRead read = book::readBook(state.book.path());
    if (read.isBook()) {
        state.bookStamp = read.stamp;
        // Another program may have changed the cards since this run wrote them.
        matchSeasonRecord(state.book.path(), read.loaded.cards);
    }
    return read;
}

void closeBook(SessionState& state) {
    state.book = {};
    state.bookLock.reset();
    state.bookStamp = {};
}

void rememberBook(book::SettingsValues& settings, const QString& path) {
    settings.lastBook = path;
    settings.setBookState(book::BookState::Named);
}

QString fieldFailure(const book::WriteError& error, const book::CardList& cards) {
    if (error.card < 1 || error.field < 1)
        return QString();
    const QString name = error.card <= cards.size() ? cards.at(error.card - 1).name : QString();
    if (error.kind == book::WriteError::Quote)
        return QString::fromUtf16(texts::QuoteInField)
            .arg(error.card)
            .arg(name, book::fieldLabel(error.field));
    if (error.kind == book::WriteError::Unencodable)
        return QString::fromUtf16(texts::UnencodableInField)
            .arg(error.card)
            .arg(name, book::fieldLabel(error.field), book::describeCharacter(error.character));
    return QString();
}

} // namespace session
