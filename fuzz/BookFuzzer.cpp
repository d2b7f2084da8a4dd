// Feeds arbitrary bytes to the address-file reader. Beyond not crashing, a
// book that loads and can be written must read back as the same cards, and
// writing those again must give the same bytes.
#include "FuzzCheck.h"

#include "book/AddressFile.h"
#include "book/Cp932.h"

#include <cstddef>
#include <cstdint>

namespace {

// A quoted field may hold a line end; such a card spans lines and the
// line-by-line layout test rightly calls the file something else.
bool anyFieldBreaksLine(const book::CardList& cards) {
    for (const book::AddressCard& card : cards) {
        for (int field = 1; field <= book::AddressCard::FieldCount; ++field) {
            if (card.field(field).contains(u'\r') || card.field(field).contains(u'\n'))
                return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    QString reason;
    const std::optional<QString> text = book::decodeCp932(bytes, &reason);
    FUZZ_CHECK(text.has_value() == reason.isEmpty());

    book::detectLayout(bytes);

    const book::LoadResult loaded = book::parseBook(bytes);
    FUZZ_CHECK(loaded.cards.size() <= book::BookCapacity);
    FUZZ_CHECK(loaded.ok() || !loaded.error.describe().isEmpty());
    if (!text)
        FUZZ_CHECK(loaded.error.kind == book::ReadError::BadEncoding ||
                   loaded.error.kind == book::ReadError::TooManyCards);
    if (!loaded.ok())
        return 0;

    const std::optional<QByteArray> written = book::formatBook(loaded.cards);
    if (!written)
        return 0; // a field holds a quote (unquoted on input): refused, not mangled
    const book::LoadResult again = book::parseBook(*written);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.cards == loaded.cards);
    if (!anyFieldBreaksLine(loaded.cards))
        FUZZ_CHECK(
            book::detectLayout(*written) ==
            (loaded.cards.isEmpty() ? book::FileLayout::Empty : book::FileLayout::SevenFields));
    FUZZ_CHECK(book::formatBook(again.cards) == written);
    return 0;
}
