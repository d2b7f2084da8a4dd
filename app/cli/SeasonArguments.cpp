#include "app/cli/SeasonArguments.h"

#include "season/CardKey.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace cli {

OptionSpec filterOption() {
    return {{u"filter"_s},
            u"FILTER"_s,
            u"only the cards the New Year record's filter takes: sent-last-year, "
            u"received-not-sent, no-mourning, mourning or group:NAME"_s};
}

OptionSpec yearOption() {
    return {{u"year"_s},
            u"Y"_s,
            u"the New Year, 1900 to 2999 (default the coming one: from October, next year's)"_s};
}

int readSeasonOptions(const CommandArguments& arguments, Io& io,
                      std::optional<season::PrintFilter>& filter, int& year) {
    if (arguments.isSet(u"filter"_s) && !(filter = printFilter(arguments.value(u"filter"_s), io)))
        return 2;
    const std::optional<int> known = seasonYear(arguments.value(u"year"_s), io);
    if (!known)
        return 2;
    year = *known;
    return 0;
}

std::optional<int> seasonYear(const QString& yearText, Io& io) {
    if (yearText.isEmpty())
        return season::comingNewYear(QDate::currentDate());
    bool numeric = false;
    const int year = yearText.toInt(&numeric);
    if (!numeric || year < 1900 || year > 2999) {
        usageError(io, u"--year: the year must be 1900 to 2999, not "_s + yearText);
        return std::nullopt;
    }
    return year;
}

std::optional<season::PrintFilter> printFilter(const QString& filterText, Io& io) {
    const std::optional<season::PrintFilter> filter = season::PrintFilter::parse(filterText);
    if (!filter)
        usageError(io, u"--filter: unknown filter "_s + filterText +
                           u"; the filters are sent-last-year, received-not-sent, no-mourning, "
                           u"mourning and group:NAME"_s);
    return filter;
}

std::unique_ptr<season::SeasonRecord> bookRecord(const QString& bookPath,
                                                 const book::CardList& cards, Io& io) {
    auto record = std::make_unique<season::SeasonRecord>(bookPath);
    season::RecordResult result = record->openResult();
    if (result.ok())
        result = record->matchBack(cards);
    if (!result.ok()) {
        fail(io, result.error);
        return nullptr;
    }
    return record;
}

} // namespace cli
