#include "session/SeasonKeeping.h"

#include "book/BookRead.h"
#include "book/FileBytes.h"
#include "season/CardKey.h"
#include "season/SeasonRecord.h"
#include "session/SessionTexts.h"

#include <QDate>

#include <QFileInfo>

namespace session {

QString keepSeasonRecord(const QString& copyFrom, const QString& path, const book::CardList& cards,
                         const season::CardOrigins& origins) {
    const QString recordPath = season::SeasonRecord::pathFor(path);
    if (!copyFrom.isEmpty() && !QFileInfo::exists(recordPath)) {
        const QString source = season::SeasonRecord::pathFor(copyFrom);
        if (!QFileInfo::exists(source))
            return {};
        // Reading it first lets SQLite roll back a change a crash cut short,
        // so the copy is a whole record.
        if (const season::SeasonRecord read(copyFrom); !read.openResult().ok())
            return read.openResult().error;
        book::ReadError readError;
        const std::optional<QByteArray> bytes = book::readFileBytes(source, &readError);
        if (!bytes)
            return readError.describe();
        if (const book::WriteResult copied = book::saveFileBytes(recordPath, *bytes); !copied.ok())
            return copied.error.describe();
    }
    if (!QFileInfo::exists(recordPath))
        return {};
    season::SeasonRecord record(path);
    if (!record.openResult().ok())
        return record.openResult().error;
    return record.follow(cards, origins).error;
}

int matchSeasonRecord(const QString& path, const book::CardList& cards, QString* error) {
    if (!QFileInfo::exists(season::SeasonRecord::pathFor(path)))
        return 0;
    season::SeasonRecord record(path);
    int left = 0;
    const season::RecordResult result =
        record.openResult().ok() ? record.matchBack(cards, &left) : record.openResult();
    if (error)
        *error = result.error;
    return left;
}

QString markPrinted(const SessionState& state, const book::CardList& entries, int year) {
    if (!state.book.hasFile() || !state.printFromList || entries.isEmpty())
        return {};
    // The print list holds copies of the cards as the book had them.
    const book::BookRead read = book::readBook(state.book.path());
    if (!read.isBook())
        return {};
    const book::CardList& cards = read.loaded.cards;
    QList<int> printed;
    for (int n = 1; n <= cards.size(); ++n)
        if (entries.contains(cards.at(n - 1)))
            printed << n;
    if (printed.isEmpty())
        return {};
    season::SeasonRecord record(state.book.path());
    season::RecordResult result = record.openResult();
    if (result.ok())
        result = record.matchBack(cards);
    if (result.ok())
        result = record.setSent(printed, cards, year);
    return result.error;
}

void markSentAfterJob(const SessionState& state, platform::Messages& messages,
                      const book::CardList& entries) {
    const QString failure =
        markPrinted(state, entries, season::comingNewYear(QDate::currentDate()));
    if (!failure.isEmpty())
        messages.show(QString::fromUtf16(texts::SentNotMarked).arg(failure));
}

} // namespace session
