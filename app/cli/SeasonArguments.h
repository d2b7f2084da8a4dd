#pragma once

#include "app/cli/Commands.h"
#include "book/AddressCard.h"
#include "season/PrintFilter.h"
#include "season/SeasonRecord.h"

#include <memory>
#include <optional>

namespace cli {

// The options --filter FILTER and --year Y of the commands that read the
// New Year record.
OptionSpec filterOption();
OptionSpec yearOption();

// The values of --filter (nullopt when not given) and --year (the coming
// New Year when not given); 0, or 2 after a usage line on err.
int readSeasonOptions(const CommandArguments& arguments, Io& io,
                      std::optional<season::PrintFilter>& filter, int& year);

// The New Year of "--year Y" (1900 to 2999), else the coming one; nullopt
// after a usage line on err.
std::optional<int> seasonYear(const QString& yearText, Io& io);

// The filter of "--filter FILTER"; nullopt after a usage line on err.
std::optional<season::PrintFilter> printFilter(const QString& filterText, Io& io);

// The record of the book at bookPath, matched back to its cards (another
// program may have changed them); nullptr after one line on err.
std::unique_ptr<season::SeasonRecord> bookRecord(const QString& bookPath,
                                                 const book::CardList& cards, Io& io);

} // namespace cli
