#include "season/SeasonRecord.h"

#include "season/CardKey.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace season {

namespace {

QAtomicInt connectionCount;

constexpr int SchemaVersion = 1;

QString addressOf(const book::AddressCard& card) {
    QStringList lines;
    for (const QString& line : {card.address1, card.address2, card.address3})
        if (!line.isEmpty())
            lines << line;
    return lines.join(u'　');
}

// A text bound to a NOT NULL column: Qt binds a null QString as NULL.
QString text(const QString& value) {
    return value.isNull() ? u""_s : value;
}

RecordResult failed(const QSqlError& error, const QString& path) {
    return {path + u": "_s + error.text()};
}

} // namespace

void describeCard(CardRecord& record, const book::AddressCard& card) {
    record.name = card.name;
    record.address = addressOf(card);
    record.key = cardKey(card);
}

QString yearsText(const CardRecord* record) {
    if (!record)
        return {};
    QStringList years;
    for (auto year = record->years.cend(); year != record->years.cbegin();) {
        --year;
        QString text = QString::number(year.key());
        if (year->sent)
            text += u" 送"_s;
        if (year->received)
            text += u" 受"_s;
        if (year->mourning)
            text +=
                year->mourningNote.isEmpty() ? u" 喪"_s : u" 喪（"_s + year->mourningNote + u"）"_s;
        if (!year->note.isEmpty())
            text += u" "_s + year->note;
        years << text;
    }
    return years.join(u"　"_s);
}

SeasonRecord::SeasonRecord(const QString& bookPath)
    : m_path(pathFor(bookPath)),
      m_connection(u"season-%1"_s.arg(connectionCount.fetchAndAddRelaxed(1))) {
    if (QFileInfo::exists(m_path))
        m_openResult = load();
}

SeasonRecord::~SeasonRecord() {
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

QString SeasonRecord::pathFor(const QString& bookPath) {
    const QFileInfo book(bookPath);
    return book.dir().filePath(book.completeBaseName() + u".tagora"_s);
}

RecordResult SeasonRecord::ensureFile() {
    if (QSqlDatabase::contains(m_connection) && database().isOpen())
        return {};
    if (!QSqlDatabase::isDriverAvailable(u"QSQLITE"_s))
        return {
            u"the Qt SQLite driver (QSQLITE, Debian package libqt6sql6-sqlite) is not installed"_s};
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? database()
                          : QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
    db.setDatabaseName(m_path);
    if (!db.open())
        return failed(db.lastError(), m_path);
    QSqlQuery query(db);
    // Every commit reaches the disk before the next change starts.
    query.exec(u"PRAGMA synchronous = FULL"_s);
    if (!query.exec(u"PRAGMA user_version"_s) || !query.next())
        return failed(query.lastError(), m_path);
    const int version = query.value(0).toInt();
    if (version > SchemaVersion)
        return {m_path + u": made by a newer Tagora (record version %1)"_s.arg(version)};
    if (version == SchemaVersion)
        return {};
    const QStringList schema = {
        u"CREATE TABLE IF NOT EXISTS record (id INTEGER PRIMARY KEY, card INTEGER NOT NULL,"
        " name TEXT NOT NULL, address TEXT NOT NULL, key TEXT NOT NULL)"_s,
        u"CREATE TABLE IF NOT EXISTS mark (record INTEGER NOT NULL, year INTEGER NOT NULL,"
        " sent INTEGER NOT NULL, received INTEGER NOT NULL, mourning INTEGER NOT NULL,"
        " mourning_note TEXT NOT NULL, note TEXT NOT NULL, PRIMARY KEY (record, year))"_s,
        u"CREATE TABLE IF NOT EXISTS member (record INTEGER NOT NULL, grp TEXT NOT NULL,"
        " PRIMARY KEY (record, grp))"_s,
        u"PRAGMA user_version = %1"_s.arg(SchemaVersion),
    };
    if (!db.transaction())
        return failed(db.lastError(), m_path);
    for (const QString& statement : schema) {
        if (!query.exec(statement)) {
            const RecordResult result = failed(query.lastError(), m_path);
            db.rollback();
            return result;
        }
    }
    if (!db.commit())
        return failed(db.lastError(), m_path);
    return {};
}

RecordResult SeasonRecord::load() {
    m_records.clear();
    m_byCard.clear();
    if (const RecordResult opened = ensureFile(); !opened.ok())
        return opened;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    QHash<qint64, int> byId;
    if (!query.exec(u"SELECT id, card, name, address, key FROM record ORDER BY id"_s))
        return failed(query.lastError(), m_path);
    while (query.next()) {
        CardRecord record;
        record.id = query.value(0).toLongLong();
        record.cardNumber = query.value(1).toInt();
        record.name = query.value(2).toString();
        record.address = query.value(3).toString();
        record.key = query.value(4).toString();
        byId.insert(record.id, int(m_records.size()));
        m_nextId = std::max(m_nextId, record.id + 1);
        m_records.append(record);
    }
    // The marks as one number per row, and the notes (below) only where
    // there are some: fewer values to convert on the way out of SQLite.
    if (!query.exec(u"SELECT record, year, sent + 2 * received + 4 * mourning FROM mark"_s))
        return failed(query.lastError(), m_path);
    while (query.next()) {
        const auto found = byId.constFind(query.value(0).toLongLong());
        if (found == byId.cend())
            continue;
        const int flags = query.value(2).toInt();
        YearMarks& marks = m_records[*found].years[query.value(1).toInt()];
        marks.sent = flags & 1;
        marks.received = flags & 2;
        marks.mourning = flags & 4;
    }
    if (!query.exec(u"SELECT record, year, mourning_note, note FROM mark"
                    " WHERE mourning_note <> '' OR note <> ''"_s))
        return failed(query.lastError(), m_path);
    while (query.next()) {
        const auto found = byId.constFind(query.value(0).toLongLong());
        if (found == byId.cend())
            continue;
        YearMarks& marks = m_records[*found].years[query.value(1).toInt()];
        marks.mourningNote = query.value(2).toString();
        marks.note = query.value(3).toString();
    }
    if (!query.exec(u"SELECT record, grp FROM member ORDER BY grp"_s))
        return failed(query.lastError(), m_path);
    while (query.next()) {
        const auto found = byId.constFind(query.value(0).toLongLong());
        if (found != byId.cend())
            m_records[*found].groups << query.value(1).toString();
    }
    reindex();
    return {};
}

QSqlDatabase SeasonRecord::database() const {
    return QSqlDatabase::database(m_connection, false);
}

void SeasonRecord::reindex() {
    m_byCard.clear();
    for (int i = 0; i < m_records.size(); ++i)
        if (m_records.at(i).cardNumber > 0)
            m_byCard.insert(m_records.at(i).cardNumber, i);
}

RecordResult SeasonRecord::transact(const std::function<RecordResult()>& change) {
    if (const RecordResult opened = ensureFile(); !opened.ok())
        return opened;
    QSqlDatabase db = database();
    if (!db.transaction())
        return failed(db.lastError(), m_path);
    RecordResult result = change();
    if (result.ok() && !db.commit())
        result = failed(db.lastError(), m_path);
    if (!result.ok()) {
        db.rollback();
        load();
        return result;
    }
    reindex();
    return result;
}

RecordResult SeasonRecord::storeRecord(const CardRecord& record) {
    QSqlQuery query(database());
    query.prepare(u"INSERT OR REPLACE INTO record (id, card, name, address, key)"
                  " VALUES (?, ?, ?, ?, ?)"_s);
    query.addBindValue(record.id);
    query.addBindValue(record.cardNumber);
    query.addBindValue(text(record.name));
    query.addBindValue(text(record.address));
    query.addBindValue(text(record.key));
    if (!query.exec())
        return failed(query.lastError(), m_path);
    query.prepare(u"DELETE FROM mark WHERE record = ?"_s);
    query.addBindValue(record.id);
    if (!query.exec())
        return failed(query.lastError(), m_path);
    query.prepare(u"DELETE FROM member WHERE record = ?"_s);
    query.addBindValue(record.id);
    if (!query.exec())
        return failed(query.lastError(), m_path);
    query.prepare(u"INSERT INTO mark (record, year, sent, received, mourning, mourning_note, note)"
                  " VALUES (?, ?, ?, ?, ?, ?, ?)"_s);
    for (auto year = record.years.cbegin(); year != record.years.cend(); ++year) {
        query.addBindValue(record.id);
        query.addBindValue(year.key());
        query.addBindValue(int(year->sent));
        query.addBindValue(int(year->received));
        query.addBindValue(int(year->mourning));
        query.addBindValue(text(year->mourningNote));
        query.addBindValue(text(year->note));
        if (!query.exec())
            return failed(query.lastError(), m_path);
    }
    query.prepare(u"INSERT INTO member (record, grp) VALUES (?, ?)"_s);
    for (const QString& group : record.groups) {
        query.addBindValue(record.id);
        query.addBindValue(group);
        if (!query.exec())
            return failed(query.lastError(), m_path);
    }
    return {};
}

RecordResult SeasonRecord::removeRecord(qint64 id) {
    QSqlQuery query(database());
    for (const QString& statement :
         {u"DELETE FROM record WHERE id = ?"_s, u"DELETE FROM mark WHERE record = ?"_s,
          u"DELETE FROM member WHERE record = ?"_s}) {
        query.prepare(statement);
        query.addBindValue(id);
        if (!query.exec())
            return failed(query.lastError(), m_path);
    }
    return {};
}

YearMarks SeasonRecord::marks(int cardNumber, int year) const {
    const CardRecord* record = recordOf(cardNumber);
    return record ? record->years.value(year) : YearMarks();
}

QStringList SeasonRecord::groups(int cardNumber) const {
    const CardRecord* record = recordOf(cardNumber);
    return record ? record->groups : QStringList();
}

const CardRecord* SeasonRecord::recordOf(int cardNumber) const {
    const auto found = m_byCard.constFind(cardNumber);
    return found == m_byCard.cend() ? nullptr : &m_records.at(*found);
}

QList<const CardRecord*> SeasonRecord::unmatched() const {
    QList<const CardRecord*> out;
    for (const CardRecord& record : m_records)
        if (record.cardNumber == 0)
            out << &record;
    return out;
}

QList<int> SeasonRecord::years() const {
    QSet<int> years;
    for (const CardRecord& record : m_records)
        for (auto year = record.years.cbegin(); year != record.years.cend(); ++year)
            years.insert(year.key());
    QList<int> out(years.cbegin(), years.cend());
    std::sort(out.begin(), out.end());
    return out;
}

QStringList SeasonRecord::groupNames() const {
    QSet<QString> names;
    for (const CardRecord& record : m_records)
        for (const QString& group : record.groups)
            names.insert(group);
    QStringList out(names.cbegin(), names.cend());
    out.sort();
    return out;
}

CardRecord& SeasonRecord::recordFor(int cardNumber, const book::AddressCard& card) {
    const auto found = m_byCard.constFind(cardNumber);
    if (found != m_byCard.cend())
        return m_records[*found];
    CardRecord record;
    record.id = m_nextId++;
    record.cardNumber = cardNumber;
    describeCard(record, card);
    m_records.append(record);
    m_byCard.insert(cardNumber, int(m_records.size() - 1));
    return m_records.last();
}

RecordResult SeasonRecord::setMarks(int cardNumber, const book::AddressCard& card, int year,
                                    const YearMarks& marks) {
    if (cardNumber < 1)
        return {u"no card %1"_s.arg(cardNumber)};
    return transact([&]() -> RecordResult {
        CardRecord& record = recordFor(cardNumber, card);
        describeCard(record, card);
        if (marks.isEmpty())
            record.years.remove(year);
        else
            record.years.insert(year, marks);
        return storeRecord(record);
    });
}

RecordResult SeasonRecord::setSent(const QList<int>& cardNumbers, const book::CardList& cards,
                                   int year) {
    return changeMarks(cardNumbers, cards, year, [](YearMarks& marks) { marks.sent = true; });
}

RecordResult SeasonRecord::changeMarks(const QList<int>& cardNumbers, const book::CardList& cards,
                                       int year, const std::function<void(YearMarks&)>& change) {
    return transact([&]() -> RecordResult {
        for (int number : cardNumbers) {
            if (number < 1 || number > cards.size())
                continue;
            CardRecord& record = recordFor(number, cards.at(number - 1));
            describeCard(record, cards.at(number - 1));
            YearMarks marks = record.years.value(year);
            change(marks);
            if (marks.isEmpty())
                record.years.remove(year);
            else
                record.years.insert(year, marks);
            if (const RecordResult stored = storeRecord(record); !stored.ok())
                return stored;
        }
        return {};
    });
}

RecordResult SeasonRecord::setGroups(int cardNumber, const book::AddressCard& card,
                                     const QStringList& groups) {
    if (cardNumber < 1)
        return {u"no card %1"_s.arg(cardNumber)};
    return transact([&]() -> RecordResult {
        CardRecord& record = recordFor(cardNumber, card);
        describeCard(record, card);
        QStringList cleaned;
        for (const QString& group : groups)
            if (!group.trimmed().isEmpty() && !cleaned.contains(group.trimmed()))
                cleaned << group.trimmed();
        cleaned.sort();
        record.groups = cleaned;
        return storeRecord(record);
    });
}

} // namespace season
