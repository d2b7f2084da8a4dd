#pragma once

#include "book/AddressCard.h"
#include "zip/ZipDirectory.h"

#include <QStringList>

namespace app {

// One line for each card whose postal code the directory places elsewhere
// than its address: "17 山田　太郎: 100-0001 は 千代田区千代田 です。…",
// numbered from firstNumber. Cards the directory cannot judge are passed.
QStringList codeMismatchLines(const book::CardList& cards, const zip::ZipDirectory& directory,
                              int firstNumber = 1);

} // namespace app
