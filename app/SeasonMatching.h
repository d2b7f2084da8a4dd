#pragma once

#include "book/AddressCard.h"
#include "season/SeasonRecord.h"

#include <QStringList>

#include <memory>

namespace app {

// 記録の照合: the season's records that no card of the book matches (another
// program changed the book), each given a card or dropped by the user.
class SeasonMatching {
public:
    SeasonMatching(const QString& bookPath, const book::CardList& cards);

    // Each unmatched record as the list shows it: name, address, its years.
    QStringList records() const;
    // The cards that have no record, as "N　name", and their numbers.
    QStringList freeCards() const;
    QList<int> freeCardNumbers() const { return m_free; }

    // Gives record `index` (into records()) card cardNumber.
    season::RecordResult pair(int index, int cardNumber);
    season::RecordResult drop(int index);

    QString readError() const { return m_record->openResult().error; }

private:
    void refresh();

    book::CardList m_cards;
    std::unique_ptr<season::SeasonRecord> m_record;
    QList<qint64> m_unmatched; // record ids, in records() order
    QList<int> m_free;
};

// The number of records of the book at bookPath that no card matches.
int unmatchedSeasonRecords(const QString& bookPath);

} // namespace app
