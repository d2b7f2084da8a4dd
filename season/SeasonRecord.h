#pragma once

#include "book/AddressCard.h"
#include "season/CardOrigins.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

class QSqlDatabase;

namespace season {

// One card's marks for one New Year.
struct YearMarks {
    bool sent = false;     // 送った
    bool received = false; // 受け取った
    bool mourning = false; // 喪中
    QString mourningNote;  // who and when, e.g. 祖父 2026年
    QString note;

    bool isEmpty() const {
        return !sent && !received && !mourning && mourningNote.isEmpty() && note.isEmpty();
    }
    bool operator==(const YearMarks&) const = default;
};

// A card's record: its marks year by year and its groups. cardNumber is the
// card it belongs to (from 1), 0 while it is matched to no card of the book.
struct CardRecord {
    qint64 id = 0;
    int cardNumber = 0;
    QString name;    // the card's name when last matched, to show an unmatched record
    QString address; // its address lines, likewise
    QString key;
    QMap<int, YearMarks> years;
    QStringList groups;
};

// Fills a record's name, address and key from the card it is matched to.
void describeCard(CardRecord& record, const book::AddressCard& card);

// A card's years as one line, the latest first: "2027 送 受　2026 送 喪（祖父）";
// empty when it has none.
QString yearsText(const CardRecord* record);

// What went wrong with the record file; empty when nothing did.
struct RecordResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The season's record of one book, kept beside it in an SQLite file
// ("山田家.dat" → "山田家.tagora"); the book file itself is never touched.
// The whole record is held in memory; every change is one transaction, so
// the file always holds a complete record. A book without a record file
// has an empty record, and the file is made at the first change.
class SeasonRecord {
public:
    explicit SeasonRecord(const QString& bookPath);
    ~SeasonRecord();
    SeasonRecord(const SeasonRecord&) = delete;
    SeasonRecord& operator=(const SeasonRecord&) = delete;

    static QString pathFor(const QString& bookPath);

    // The file could not be read (an error), or it was read or is absent.
    const RecordResult& openResult() const { return m_openResult; }
    const QString& path() const { return m_path; }

    YearMarks marks(int cardNumber, int year) const;
    QStringList groups(int cardNumber) const;
    // The record of card cardNumber, nullptr when it has none.
    const CardRecord* recordOf(int cardNumber) const;
    const QList<CardRecord>& records() const { return m_records; }
    // Records matched to no card: shown to the user to pair or drop.
    QList<const CardRecord*> unmatched() const;
    // Every year some card has a mark in, ascending.
    QList<int> years() const;
    // Every group name, ascending.
    QStringList groupNames() const;

    RecordResult setMarks(int cardNumber, const book::AddressCard& card, int year,
                          const YearMarks& marks);
    // Changes one year's marks of many cards in one transaction.
    RecordResult changeMarks(const QList<int>& cardNumbers, const book::CardList& cards, int year,
                             const std::function<void(YearMarks&)>& change);
    // Marks the cards 送った (a print job's cards).
    RecordResult setSent(const QList<int>& cardNumbers, const book::CardList& cards, int year);
    RecordResult setGroups(int cardNumber, const book::AddressCard& card,
                           const QStringList& groups);

    // The book's cards changed in this program: each record follows its card
    // to its new number; the records of removed cards go with them.
    RecordResult follow(const book::CardList& cards, const CardOrigins& origins);
    // The book was read (perhaps changed by another program): each record is
    // matched to a card by its place and key, then by key alone, then by name
    // or address alone where only one card and one record are left with it.
    // Records no card matches are kept, unmatched. Returns how many are.
    RecordResult matchBack(const book::CardList& cards, int* unmatchedCount = nullptr);
    // An unmatched record given to card cardNumber, which must have none.
    RecordResult pair(qint64 recordId, int cardNumber, const book::AddressCard& card);
    RecordResult drop(qint64 recordId);

private:
    RecordResult load();
    RecordResult ensureFile();
    // Runs change inside one transaction; on failure the memory is read back.
    RecordResult transact(const std::function<RecordResult()>& change);
    RecordResult storeRecord(const CardRecord& record);
    RecordResult removeRecord(qint64 id);
    CardRecord& recordFor(int cardNumber, const book::AddressCard& card);
    void reindex();
    QSqlDatabase database() const;

    QString m_path;
    QString m_connection; // the Qt SQL connection, made at the first read or write
    RecordResult m_openResult;
    QList<CardRecord> m_records;
    QHash<int, int> m_byCard; // card number → index into m_records
    qint64 m_nextId = 1;
};

} // namespace season
