#pragma once

#include "app/cli/Commands.h"
#include "book/AddressCard.h"

#include <optional>

namespace cli {

// The entries a print command prints: the cards of the book at bookPath that
// cardsText names (every card when empty), in that order. On failure prints
// one line on err and gives nullopt: an old six-field book, a book that does
// not read whole, a bad card list, nothing selected, more than 300 entries.
// With filterText, only the cards the season's filter takes for the New Year
// of yearText (both already checked) are printed, in book order or in the
// order of cardsText.
std::optional<book::CardList> printEntries(const QString& bookPath, const QString& cardsText, Io& io,
                                           const QString& filterText = {},
                                           const QString& yearText = {});

// Usage errors of --filter and --year, reported on err; true when they can be used.
bool seasonOptionsUsable(const QString& filterText, const QString& yearText, Io& io);

} // namespace cli
