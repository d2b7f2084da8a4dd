#pragma once

#include "app/cli/Commands.h"
#include "book/AddressCard.h"
#include "season/PrintFilter.h"

#include <optional>

namespace cli {

// The entries a print command prints: the cards of the book at bookPath that
// cardsText names (every card when empty), in that order. On failure prints
// one line on err and gives nullopt with exitCode 1 (an old six-field book,
// a book that does not read whole, nothing selected, more than 300 entries)
// or 2 (a card list that is not numbers of the book).
// With a filter, only the cards it takes for the New Year year are printed,
// in book order or in the order of cardsText.
std::optional<book::CardList> printEntries(const QString& bookPath, const QString& cardsText,
                                           Io& io, const std::optional<season::PrintFilter>& filter,
                                           int year, int& exitCode);

} // namespace cli
