#include "book/BookRead.h"

#include "book/FileBytes.h"

using namespace Qt::StringLiterals;

namespace book {

namespace {

ReadError notABook(const QString& path, int card, const QString& reason) {
    ReadError error;
    error.kind = ReadError::WrongLayout;
    error.path = path;
    error.card = card;
    error.reason = reason;
    return error;
}

} // namespace

BookRead readBook(const QString& path) {
    BookRead read;
    const std::optional<QByteArray> bytes = readFileBytes(path, &read.loaded.error);
    if (!bytes)
        return read;
    read.stamp = stampOf(path, *bytes);
    read.layout = detectLayout(*bytes);
    if (read.layout == FileLayout::SixFields) {
        read.loaded.error = notABook(path, 0, u"the lines hold the six fields of the old layout"_s);
        return read;
    }
    read.loaded = parseBook(*bytes);
    read.loaded.error.path = path;
    if (!read.loaded.ok())
        return read;
    if (read.layout == FileLayout::Other) {
        read.loaded.error = notABook(path, 0, u"the lines do not all hold seven fields"_s);
        return read;
    }
    // A spreadsheet's header row reads as a card whose honorific is a word.
    const int foreign = firstCardWithoutHonorificIndex(read.loaded.cards);
    if (foreign > 0)
        read.loaded.error =
            notABook(path, foreign,
                     u"the honorific is not an index: a header row or another kind of file"_s);
    return read;
}

} // namespace book
