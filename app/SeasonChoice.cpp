#include "app/SeasonChoice.h"

#include "season/PrintFilter.h"
#include "season/SeasonRecord.h"

namespace app {

namespace {

bool hasBook(const session::SessionState& state) {
    return state.book.hasFile();
}

} // namespace

QStringList seasonChoices(const session::SessionState& state) {
    QStringList choices;
    for (const season::PrintFilter& filter : season::PrintFilter::fixedFilters())
        choices << filter.label();
    if (!hasBook(state))
        return choices;
    const season::SeasonRecord record(state.book.path());
    for (const QString& group : record.groupNames())
        choices << season::PrintFilter{season::PrintFilter::Group, group}.label();
    return choices;
}

SeasonPick seasonPick(const session::SessionState& state, const QString& choice, int year) {
    SeasonPick pick;
    const std::optional<season::PrintFilter> filter = season::PrintFilter::parse(choice);
    if (!filter || !hasBook(state))
        return pick;
    const season::SeasonRecord record(state.book.path());
    if (!record.openResult().ok()) {
        pick.error = record.openResult().error;
        return pick;
    }
    for (int number : season::filterCards(record, state.cardCount(), *filter, year))
        pick.rows << number - 1;
    return pick;
}

} // namespace app
