#pragma once

#include "book/AddressCard.h"

#include <QString>

#include <optional>

namespace app {

// The book after moving card `source` to position `destination` (both
// counted from 1), the others keeping their order; rowCount is the number of
// rows the reordering list shows. A destination at or beyond rowCount puts
// the card last. Returns the cards unchanged when source or destination is
// outside 1 to the number of cards.
book::CardList movedCards(const book::CardList& cards, int source, int destination, int rowCount);

// What the reordering window says while the destination is being typed.
enum class TypedDestination { Accepted, SameAsSource, BeyondList };

// The check made at each change of the typed destination: the numbers are
// read leniently (full-width digits as well), text that is no number counts as 0.
TypedDestination checkTypedDestination(const QString& sourceText, const QString& destinationText,
                                       const QString& rowCountText);

// The destination a move may be made to: a whole number (half- or
// full-width digits, blanks around it allowed) from 1 to rowCount, other
// than the source. nullopt for 0, negative numbers, fractions and text.
std::optional<int> moveDestination(const QString& destinationText, int source, int rowCount);

} // namespace app
