#include "app/SeasonMatching.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace app {

SeasonMatching::SeasonMatching(const QString& bookPath, const book::CardList& cards)
    : m_cards(cards), m_record(std::make_unique<season::SeasonRecord>(bookPath)) {
    refresh();
}

void SeasonMatching::refresh() {
    m_unmatched.clear();
    for (const season::CardRecord* record : m_record->unmatched())
        m_unmatched << record->id;
    m_free.clear();
    for (int n = 1; n <= m_cards.size(); ++n)
        if (!m_record->recordOf(n))
            m_free << n;
}

QStringList SeasonMatching::records() const {
    QStringList out;
    for (const season::CardRecord* record : m_record->unmatched())
        out << record->name + u"（"_s + record->address + u"）　"_s + season::yearsText(record);
    return out;
}

QStringList SeasonMatching::freeCards() const {
    QStringList out;
    for (int n : m_free)
        out << u"%1　%2"_s.arg(n).arg(m_cards.at(n - 1).name);
    return out;
}

season::RecordResult SeasonMatching::pair(int index, int cardNumber) {
    if (index < 0 || index >= m_unmatched.size() || cardNumber < 1 || cardNumber > m_cards.size())
        return {u"nothing to pair"_s};
    const season::RecordResult result =
        m_record->pair(m_unmatched.at(index), cardNumber, m_cards.at(cardNumber - 1));
    refresh();
    return result;
}

season::RecordResult SeasonMatching::drop(int index) {
    if (index < 0 || index >= m_unmatched.size())
        return {u"nothing to drop"_s};
    const season::RecordResult result = m_record->drop(m_unmatched.at(index));
    refresh();
    return result;
}

int unmatchedSeasonRecords(const QString& bookPath) {
    if (bookPath.isEmpty() || !QFileInfo::exists(season::SeasonRecord::pathFor(bookPath)))
        return 0;
    return int(season::SeasonRecord(bookPath).unmatched().size());
}

} // namespace app
