#pragma once

#include "book/AddressCard.h"
#include "season/SeasonRecord.h"

#include <QString>

#include <memory>

namespace app {

// The season's columns of the address list sheet: one New Year's 送, 受 and
// 喪 of every card, each switched on or off by one click or key.
class SeasonSheet {
public:
    enum Mark { Sent, Received, Mourning };
    static constexpr int MarkCount = 3;

    SeasonSheet(const QString& bookPath, const book::CardList& cards, int year);

    static QString heading(Mark mark);
    int year() const { return m_year; }
    void setYear(int year) { m_year = year; }
    // The mark as the cell shows it: "○" when set, else empty.
    QString cellText(int cardNumber, Mark mark) const;
    // What a cell's tooltip says: the mourning note and the year's note.
    QString cellTip(int cardNumber) const;
    // Switches the mark of card cardNumber (from 1) for the year shown; a book
    // without a file (empty path) has no record to keep it in.
    season::RecordResult toggle(int cardNumber, Mark mark);
    // The record could not be read: the reason, else empty.
    QString readError() const { return m_record->openResult().error; }

private:
    book::CardList m_cards;
    bool m_hasFile;
    std::unique_ptr<season::SeasonRecord> m_record;
    int m_year;
};

} // namespace app
