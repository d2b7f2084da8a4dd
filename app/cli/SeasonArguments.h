#pragma once

#include "app/cli/Commands.h"
#include "book/AddressCard.h"
#include "season/PrintFilter.h"
#include "season/SeasonRecord.h"

#include <QHash>

#include <memory>
#include <optional>

namespace cli {

// A book and its options, "--name value" or "--name=value"; error holds
// the usage text when the book is missing, or names the bad option.
struct BookOptions {
    QString book;
    QHash<QString, QString> values;
    QString error;
    bool has(const QString& option) const { return values.contains(option); }
    QString value(const QString& option) const { return values.value(option); }
};
BookOptions readBookOptions(const QStringList& args, const QStringList& valueOptions,
                            const QString& usage);

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
