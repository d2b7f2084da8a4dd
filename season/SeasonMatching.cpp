#include "season/SeasonRecord.h"

#include "season/CardKey.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

// Following the book's cards as they move, and matching records back to
// cards after the book was changed elsewhere.
namespace season {

RecordResult SeasonRecord::follow(const book::CardList& cards, const CardOrigins& origins) {
    if (!origins.known || origins.before.size() != cards.size())
        return matchBack(cards);
    if (m_records.isEmpty())
        return {};
    QHash<int, int> now; // number before → number now
    for (int i = 0; i < origins.before.size(); ++i)
        if (origins.before.at(i) > 0)
            now.insert(origins.before.at(i), i + 1);
    return transact([&]() -> RecordResult {
        for (int i = int(m_records.size()) - 1; i >= 0; --i) {
            CardRecord& record = m_records[i];
            if (record.cardNumber == 0)
                continue;
            const auto moved = now.constFind(record.cardNumber);
            if (moved == now.cend()) {
                if (const RecordResult removed = removeRecord(record.id); !removed.ok())
                    return removed;
                m_records.removeAt(i);
                continue;
            }
            const CardRecord before = record;
            record.cardNumber = *moved;
            describeCard(record, cards.at(*moved - 1));
            if (record.cardNumber == before.cardNumber && record.key == before.key &&
                record.name == before.name && record.address == before.address)
                continue;
            if (const RecordResult stored = storeRecord(record); !stored.ok())
                return stored;
        }
        return {};
    });
}

RecordResult SeasonRecord::matchBack(const book::CardList& cards, int* unmatchedCount) {
    const int count = int(cards.size());
    QStringList keys, names, addresses;
    for (const book::AddressCard& card : cards) {
        keys << cardKey(card);
        names << nameKey(card);
        addresses << addressKey(card);
    }
    QList<int> matched(m_records.size(), 0); // record index → card number
    QList<bool> taken(count + 1, false);
    // 1. Still at its place with the same key.
    for (int r = 0; r < m_records.size(); ++r) {
        const CardRecord& record = m_records.at(r);
        const int n = record.cardNumber;
        if (n >= 1 && n <= count && !taken[n] && keys.at(n - 1) == record.key) {
            matched[r] = n;
            taken[n] = true;
        }
    }
    // 2. The same key elsewhere: the nearest free card with it.
    for (int r = 0; r < m_records.size(); ++r) {
        if (matched[r])
            continue;
        const CardRecord& record = m_records.at(r);
        int best = 0;
        for (int n = 1; n <= count; ++n)
            if (!taken[n] && keys.at(n - 1) == record.key &&
                (best == 0 || qAbs(n - record.cardNumber) < qAbs(best - record.cardNumber)))
                best = n;
        if (best) {
            matched[r] = best;
            taken[best] = true;
        }
    }
    // 3. A renamed card or one that moved house: the same name or the same
    //    address, where one free card and one record are left with it.
    const auto partKey = [](const QString& key, bool name) {
        const qsizetype tab = key.indexOf(u'\t');
        return name ? key.left(tab) : key.mid(tab + 1);
    };
    for (const bool byName : {false, true}) {
        const QStringList& parts = byName ? names : addresses;
        for (int r = 0; r < m_records.size(); ++r) {
            if (matched[r])
                continue;
            const QString part = partKey(m_records.at(r).key, byName);
            if (part.isEmpty())
                continue;
            int found = 0, cardsWith = 0, recordsWith = 0;
            for (int n = 1; n <= count; ++n)
                if (!taken[n] && parts.at(n - 1) == part) {
                    found = n;
                    ++cardsWith;
                }
            for (int other = 0; other < m_records.size(); ++other)
                if (!matched[other] && partKey(m_records.at(other).key, byName) == part)
                    ++recordsWith;
            if (cardsWith == 1 && recordsWith == 1) {
                matched[r] = found;
                taken[found] = true;
            }
        }
    }
    int left = 0;
    bool changes = false;
    for (int r = 0; r < m_records.size(); ++r) {
        const CardRecord& record = m_records.at(r);
        left += matched[r] == 0;
        if (matched[r] != record.cardNumber ||
            (matched[r] && keys.at(matched[r] - 1) != record.key))
            changes = true;
    }
    if (unmatchedCount)
        *unmatchedCount = left;
    if (!changes)
        return {};
    return transact([&]() -> RecordResult {
        for (int r = 0; r < m_records.size(); ++r) {
            CardRecord& record = m_records[r];
            const CardRecord before = record;
            record.cardNumber = matched[r];
            if (matched[r])
                describeCard(record, cards.at(matched[r] - 1));
            if (record.cardNumber == before.cardNumber && record.key == before.key)
                continue;
            if (const RecordResult stored = storeRecord(record); !stored.ok())
                return stored;
        }
        return {};
    });
}

RecordResult SeasonRecord::pair(qint64 recordId, int cardNumber, const book::AddressCard& card) {
    if (m_byCard.contains(cardNumber))
        return {u"card %1 already has a record"_s.arg(cardNumber)};
    const auto record = std::find_if(m_records.begin(), m_records.end(),
                                     [&](const CardRecord& r) { return r.id == recordId; });
    if (record == m_records.end() || record->cardNumber != 0)
        return {u"no unmatched record %1"_s.arg(recordId)};
    return transact([&]() -> RecordResult {
        record->cardNumber = cardNumber;
        describeCard(*record, card);
        return storeRecord(*record);
    });
}

RecordResult SeasonRecord::drop(qint64 recordId) {
    const auto record = std::find_if(m_records.begin(), m_records.end(),
                                     [&](const CardRecord& r) { return r.id == recordId; });
    if (record == m_records.end())
        return {u"no record %1"_s.arg(recordId)};
    const qsizetype index = record - m_records.begin();
    return transact([&]() -> RecordResult {
        m_records.removeAt(index);
        return removeRecord(recordId);
    });
}

} // namespace season
