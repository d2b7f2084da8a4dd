#pragma once

#include "book/AddressCard.h"

#include <QList>
#include <QString>

namespace exchange {

// The cards in books of at most book::BookCapacity, in order; no cards give no books.
QList<book::CardList> splitIntoBooks(const book::CardList& cards);

// Where book 1 to count of an import go: the path itself, then "NAME-2.dat",
// "NAME-3.dat" … beside it (the suffix the path has, ".dat" when none).
QStringList bookPaths(const QString& path, int count);

} // namespace exchange
