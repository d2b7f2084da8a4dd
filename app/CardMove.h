#pragma once

#include "book/AddressCard.h"
#include "season/CardOrigins.h"

#include <QString>

#include <optional>

namespace app {

// The book after moving card `source` to position `destination` (both
// counted from 1), the others keeping their order; rowCount is the number of
// rows the reordering list shows. A destination at or beyond rowCount puts
// the card last. Returns the cards unchanged when source or destination is
// outside 1 to the number of cards.
book::CardList movedCards(const book::CardList& cards, int source, int destination, int rowCount);
// Where each card of movedCards came from, for the season's record.
season::CardOrigins movedOrigins(int count, int source, int destination, int rowCount);

// The check made at each change of the typed destination: only what can
// never become a position (anything but half- or full-width digits and
// blanks) is refused while typing, so that card 1 can still go to 10 to 19.
bool destinationTypable(const QString& typed);

// Why a destination was refused when the move was asked for.
enum class DestinationRefusal { None, Missing, NotAPosition, SameAsSource, BeyondList };

struct Destination {
    int position = 0; // 1 to rowCount when accepted
    DestinationRefusal refusal = DestinationRefusal::None;
};

// The destination a move may be made to: a whole number (half- or
// full-width digits, blanks around it allowed) from 1 to rowCount, other
// than the source. Refused: nothing typed, 0, negative numbers, fractions
// and text, the source itself, beyond the list.
Destination moveDestination(const QString& destinationText, int source, int rowCount);

} // namespace app
