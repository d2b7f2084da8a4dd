#include "app/cli/SeasonArguments.h"

#include "season/CardKey.h"

#include <QDate>

using namespace Qt::StringLiterals;

namespace cli {

BookOptions readBookOptions(const QStringList& args, const QStringList& valueOptions,
                            const QString& usage) {
    BookOptions parsed;
    for (int i = 0; i < args.size() && parsed.error.isEmpty(); ++i) {
        const QString& argument = args[i];
        const qsizetype equals = argument.indexOf(u'=');
        const QString name =
            argument.startsWith(u"--"_s) && equals > 0 ? argument.left(equals) : argument;
        if (valueOptions.contains(name)) {
            if (name != argument)
                parsed.values[name] = argument.mid(equals + 1);
            else if (i + 1 < args.size())
                parsed.values[name] = args[++i];
            else
                parsed.error = argument + u" needs a value"_s;
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            parsed.error = u"unknown option "_s + argument;
        } else if (parsed.book.isEmpty()) {
            parsed.book = argument;
        } else {
            parsed.error = u"more than one book given: "_s + argument;
        }
    }
    if (parsed.error.isEmpty() && parsed.book.isEmpty())
        parsed.error = usage;
    return parsed;
}

std::optional<int> seasonYear(const QString& yearText, Io& io) {
    if (yearText.isEmpty())
        return season::comingNewYear(QDate::currentDate());
    bool numeric = false;
    const int year = yearText.toInt(&numeric);
    if (!numeric || year < 1900 || year > 2999) {
        usageError(io, u"the year must be 1900 to 2999, not "_s + yearText);
        return std::nullopt;
    }
    return year;
}

std::optional<season::PrintFilter> printFilter(const QString& filterText, Io& io) {
    const std::optional<season::PrintFilter> filter = season::PrintFilter::parse(filterText);
    if (!filter)
        usageError(io, u"unknown filter "_s + filterText +
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
