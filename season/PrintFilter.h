#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace season {

class SeasonRecord;

// A print list built from the season's record.
struct PrintFilter {
    enum Kind {
        SentLastYear,    // 去年送った人: sent for the New Year before
        ReceivedNotSent, // 受け取ったが送っていない人: received this season, not sent
        NoMourning,      // 喪中を除く: every card but those in mourning this season
        MourningOnly,    // 喪中の人だけ: those in mourning, for 寒中見舞い
        Group,           // group:NAME
    };
    Kind kind = NoMourning;
    QString group;

    // "sent-last-year", "received-not-sent", "no-mourning", "mourning",
    // "group:NAME", or the Japanese names the start window shows
    // (グループ:NAME for a group); nullopt for anything else.
    static std::optional<PrintFilter> parse(const QString& text);
    // The name the start window shows.
    QString label() const;
    // The command line's name.
    QString name() const;
    // The four filters that are not groups, in the start window's order.
    static QList<PrintFilter> fixedFilters();

    bool operator==(const PrintFilter&) const = default;
};

// The numbers (from 1, in book order) of the cards 1 to cardCount the filter
// takes for the New Year `year`.
QList<int> filterCards(const SeasonRecord& record, int cardCount, const PrintFilter& filter,
                       int year);

} // namespace season
