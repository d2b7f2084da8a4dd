#include "season/PrintFilter.h"

#include "season/SeasonRecord.h"

using namespace Qt::StringLiterals;

namespace season {

namespace {

struct FilterName {
    PrintFilter::Kind kind;
    const char16_t* name;
    const char16_t* label;
};

constexpr FilterName Names[] = {
    {PrintFilter::SentLastYear, u"sent-last-year", u"去年送った人"},
    {PrintFilter::ReceivedNotSent, u"received-not-sent", u"受け取ったが送っていない人"},
    {PrintFilter::NoMourning, u"no-mourning", u"喪中を除く"},
    {PrintFilter::MourningOnly, u"mourning", u"喪中の人だけ"},
};

constexpr char16_t GroupPrefix[] = u"group:";
constexpr char16_t GroupLabelPrefix[] = u"グループ：";

} // namespace

std::optional<PrintFilter> PrintFilter::parse(const QString& text) {
    const QString trimmed = text.trimmed();
    for (const FilterName& entry : Names)
        if (trimmed == QStringView(entry.name) || trimmed == QStringView(entry.label))
            return PrintFilter{entry.kind, {}};
    for (const QString& prefix :
         {QString::fromUtf16(GroupPrefix), QString::fromUtf16(GroupLabelPrefix), u"グループ:"_s}) {
        if (trimmed.startsWith(prefix) && trimmed.size() > prefix.size())
            return PrintFilter{Group, trimmed.mid(prefix.size()).trimmed()};
    }
    return std::nullopt;
}

QString PrintFilter::label() const {
    if (kind == Group)
        return QString::fromUtf16(GroupLabelPrefix) + group;
    for (const FilterName& entry : Names)
        if (entry.kind == kind)
            return QString::fromUtf16(entry.label);
    return {};
}

QString PrintFilter::name() const {
    if (kind == Group)
        return QString::fromUtf16(GroupPrefix) + group;
    for (const FilterName& entry : Names)
        if (entry.kind == kind)
            return QString::fromUtf16(entry.name);
    return {};
}

QList<PrintFilter> PrintFilter::fixedFilters() {
    QList<PrintFilter> out;
    for (const FilterName& entry : Names)
        out << PrintFilter{entry.kind, {}};
    return out;
}

QList<int> filterCards(const SeasonRecord& record, int cardCount, const PrintFilter& filter,
                       int year) {
    QList<int> out;
    for (int n = 1; n <= cardCount; ++n) {
        const CardRecord* card = record.recordOf(n);
        const auto marks = [&](int y) { return card ? card->years.value(y) : YearMarks(); };
        bool take = false;
        switch (filter.kind) {
        case PrintFilter::SentLastYear:
            take = marks(year - 1).sent;
            break;
        case PrintFilter::ReceivedNotSent:
            take = marks(year).received && !marks(year).sent;
            break;
        case PrintFilter::NoMourning:
            take = !marks(year).mourning;
            break;
        case PrintFilter::MourningOnly:
            take = marks(year).mourning;
            break;
        case PrintFilter::Group:
            take = card && card->groups.contains(filter.group);
            break;
        }
        if (take)
            out << n;
    }
    return out;
}

} // namespace season
