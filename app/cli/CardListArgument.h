#pragma once

#include <QList>
#include <QString>

namespace cli {

// The cards a print command takes, 0-based, in the order given.
struct CardSelection {
    QList<int> indexes;
    QString error; // not empty when the text could not be read
};

// Reads "3,1,5-9" against a book of cardCount cards: card numbers from 1 and
// ranges, in that order, repeats allowed. An empty text selects every card
// in book order. Numbers outside the book and reversed ranges are errors.
CardSelection parseCardList(const QString& text, int cardCount);

} // namespace cli
