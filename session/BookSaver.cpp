#include "session/BookSaver.h"

#include "book/AddressFile.h"
#include "book/FileBytes.h"
#include "book/FileStamp.h"
#include "platform/ProgramFolder.h"
#include "platform/SameFile.h"
#include "session/OpenBook.h"
#include "session/SeasonKeeping.h"
#include "session/SessionTexts.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;
using platform::Answer;

namespace session {

BookSaver::BookSaver(SessionState& state, platform::Platform& platform)
    : m_state(state), m_platform(platform) {
}

BookSaver::Result BookSaver::saveOpenBook(const book::CardList& cards,
                                          const season::CardOrigins& origins) {
    m_origins = origins;
    if (m_state.book.hasFile())
        return saveTo(m_state.book.path(), cards, true);
    platform::ProgramFolder::ensureExists();
    return saveTo(platform::ProgramFolder::file(u"Tagora.dat"_s), cards, false);
}

BookSaver::Result BookSaver::saveUnderNewName(const book::CardList& cards,
                                              const QString& proposedName) {
    platform::FileDialogRequest request;
    request.title = QString::fromUtf16(texts::SaveAsTitle);
    request.filter = QString::fromUtf16(texts::SaveFilter);
    request.initialFolder = platform::dialogStartFolder(m_state.book.path());
    request.proposedName = proposedName;
    request.overwritePrompt = true;
    QString path = m_platform.dialogs.saveFile(request);
    if (path.isEmpty())
        return {};
    // The dialog asked about the name as typed, not about NAME.dat.
    bool confirmed = true;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += u".dat"_s;
        confirmed = false;
    }
    return saveTo(path, cards, confirmed);
}

BookSaver::Result BookSaver::saveTo(const QString& path, const book::CardList& cards,
                                    bool replaceConfirmed) {
    switch (confirmWrite(path, replaceConfirmed)) {
    case Answer::No:
        return saveUnderNewName(cards);
    case Answer::Cancel:
        return {};
    default:
        return write(path, cards);
    }
}

Answer BookSaver::confirmWrite(const QString& path, bool replaceConfirmed) {
    const bool openBook = m_state.book.hasFile() && m_state.bookStamp.exists &&
                          platform::sameFile(path, m_state.book.path());
    QString question;
    if (openBook) {
        if (book::changedSince(m_state.book.path(), m_state.bookStamp))
            question = QString::fromUtf16(texts::ChangedOnDisk).arg(m_state.book.path());
    } else if (!replaceConfirmed && QFileInfo::exists(path)) {
        question = QString::fromUtf16(texts::ReplaceOther).arg(path);
    }
    if (question.isEmpty())
        return Answer::Yes;
    return m_platform.messages.show(question, platform::Buttons::YesNoCancel);
}

BookSaver::Result BookSaver::write(const QString& path, const book::CardList& cards) {
    Result result;
    result.path = path;
    result.outcome = Outcome::Failed;
    const std::optional<QByteArray> bytes = book::formatBook(cards, &result.error);
    if (!bytes) {
        result.error.path = path;
        return result;
    }
    const book::WriteResult written = book::saveFileBytes(path, *bytes);
    if (!written.ok()) {
        result.error = written.error;
        return result;
    }
    result.outcome = Outcome::Written;
    const bool wasOpenBook =
        m_state.book.hasFile() && platform::sameFile(path, m_state.book.path());
    keepRecord(path, cards, wasOpenBook);
    adoptBook(m_state, path, book::stampOf(path, *bytes), m_platform.messages);
    return result;
}

void BookSaver::keepRecord(const QString& path, const book::CardList& cards, bool wasOpenBook) {
    const QString failure =
        keepSeasonRecord(wasOpenBook ? QString() : m_state.book.path(), path, cards,
                         wasOpenBook ? m_origins : season::CardOrigins::unknown());
    if (!failure.isEmpty())
        m_platform.messages.show(QString::fromUtf16(texts::RecordUnwritable).arg(failure));
}

} // namespace session
