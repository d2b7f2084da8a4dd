#include "app/cli/PrintEntries.h"

#include "app/cli/CardListArgument.h"
#include "app/cli/SeasonArguments.h"
#include "book/BookRead.h"

using namespace Qt::StringLiterals;

namespace cli {

std::optional<book::CardList> printEntries(const QString& bookPath, const QString& cardsText,
                                           Io& io, const std::optional<season::PrintFilter>& filter,
                                           int year, int& exitCode) {
    exitCode = 1;
    // One read of the file gives its layout and its cards.
    const book::BookRead read = book::readBook(bookPath);
    if (read.layout == book::FileLayout::SixFields) {
        fail(
            io,
            bookPath +
                u": the book has the old six-field layout; open it in the program to convert it"_s);
        return std::nullopt;
    }
    const book::LoadResult& loaded = read.loaded;
    if (!loaded.ok()) {
        fail(io, loaded.error.describe());
        return std::nullopt;
    }
    CardSelection selection = parseCardList(cardsText, int(loaded.cards.size()));
    if (!selection.error.isEmpty()) {
        exitCode = usageError(io, u"--cards: "_s + selection.error);
        return std::nullopt;
    }
    if (filter) {
        const std::unique_ptr<season::SeasonRecord> record = bookRecord(bookPath, loaded.cards, io);
        if (!record)
            return std::nullopt;
        const QList<int> taken =
            season::filterCards(*record, int(loaded.cards.size()), *filter, year);
        selection.indexes.removeIf([&taken](int index) { return !taken.contains(index + 1); });
    }
    if (selection.indexes.isEmpty()) {
        fail(io, bookPath + u": no cards to print"_s);
        return std::nullopt;
    }
    if (selection.indexes.size() > book::BookCapacity) {
        fail(io, u"%1 entries selected; a job holds at most %2"_s.arg(selection.indexes.size())
                     .arg(book::BookCapacity));
        return std::nullopt;
    }
    book::CardList entries;
    entries.reserve(selection.indexes.size());
    for (int index : selection.indexes)
        entries.append(loaded.cards[index]);
    return entries;
}

} // namespace cli
