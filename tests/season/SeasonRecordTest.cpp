// The season's record beside a book: it follows its card through every edit
// this program makes, is matched back after another program's edit, and
// never touches the book's bytes.
#include "season/SeasonRecord.h"
#include "app/CardMove.h"
#include "app/SeasonSheet.h"
#include "book/AddressFile.h"
#include "book/FileBytes.h"
#include "exchange/Export.h"
#include "exchange/SeasonCsv.h"
#include "platform/TestPlatform.h"
#include "season/CardKey.h"
#include "season/PrintFilter.h"
#include "session/BookSaver.h"
#include "session/SeasonKeeping.h"
#include "session/SessionState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using season::CardOrigins;
using season::PrintFilter;
using season::SeasonRecord;
using season::YearMarks;

Q_DECLARE_METATYPE(season::CardOrigins)

// A change to the record that must succeed, its error shown when it does not.
#define RECORD_OK(change)                                                                          \
    do {                                                                                           \
        const season::RecordResult result_ = (change);                                             \
        QVERIFY2(result_.ok(), qPrintable(result_.error));                                         \
    } while (false)

namespace {

book::AddressCard card(const QString& name, const QString& address) {
    return {name, address, QString(), QString(), u"100-0001"_s, QString(), u"0"_s};
}

// Five cards, all different in name and address.
book::CardList fiveCards() {
    return {
        card(u"青木　一郎"_s, u"東京都千代田区1-1"_s), card(u"井上　二郎"_s, u"大阪府大阪市2-2"_s),
        card(u"上田　三郎"_s, u"京都府京都市3-3"_s), card(u"江藤　四郎"_s, u"福岡県福岡市4-4"_s),
        card(u"大野　五郎"_s, u"北海道札幌市5-5"_s)};
}

// Which card (by name) holds each year-2027 note, read from the file anew.
QMap<QString, QString> notesByName(const QString& book, const book::CardList& cards) {
    SeasonRecord record(book);
    QMap<QString, QString> out;
    for (int n = 1; n <= cards.size(); ++n)
        if (const QString note = record.marks(n, 2027).note; !note.isEmpty())
            out.insert(cards.at(n - 1).name, note);
    return out;
}

} // namespace

class SeasonRecordTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_book;

    // A book of five cards whose cards 2 and 4 have a record.
    void makeBook() {
        m_book = m_dir.filePath(u"山田家.dat"_s);
        QFile::remove(m_book);
        QFile::remove(SeasonRecord::pathFor(m_book));
        QVERIFY(book::writeBook(m_book, fiveCards()).ok());
        SeasonRecord record(m_book);
        const book::CardList cards = fiveCards();
        RECORD_OK(record.setMarks(2, cards[1], 2027, {true, false, false, {}, u"井上"_s}));
        RECORD_OK(
            record.setMarks(4, cards[3], 2027, {false, true, true, u"祖父 2026年"_s, u"江藤"_s}));
        RECORD_OK(record.setGroups(4, cards[3], {u"仕事"_s, u"家族"_s}));
    }

private slots:
    void recordFileSitsBesideTheBook() {
        QCOMPARE(SeasonRecord::pathFor(u"/home/u/山田家.dat"_s), u"/home/u/山田家.tagora"_s);
        QCOMPARE(SeasonRecord::pathFor(u"/home/u/a.b.csv"_s), u"/home/u/a.b.tagora"_s);
    }

    void comingNewYear_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("year");
        QTest::newRow("January") << QDate(2027, 1, 5) << 2027;
        QTest::newRow("September") << QDate(2026, 9, 30) << 2026;
        QTest::newRow("October") << QDate(2026, 10, 1) << 2027;
        QTest::newRow("December") << QDate(2026, 12, 31) << 2027;
    }
    void comingNewYear() {
        QFETCH(QDate, today);
        QFETCH(int, year);
        QCOMPARE(season::comingNewYear(today), year);
    }

    // Each edit made in this program, through the one saver, with the
    // origins the editing window gives.
    void followsItsCard_data() {
        QTest::addColumn<book::CardList>("after");
        QTest::addColumn<CardOrigins>("origins");
        QTest::addColumn<QStringList>("noted"); // names holding 井上's and 江藤's notes, or ""

        const book::CardList cards = fiveCards();
        book::CardList added = cards;
        added << card(u"加藤　六郎"_s, u"沖縄県那覇市6-6"_s);
        QTest::newRow("add") << added << CardOrigins::kept(6, 5)
                             << QStringList{u"井上　二郎"_s, u"江藤　四郎"_s};
        book::CardList deleted = cards;
        deleted.removeAt(1);
        QTest::newRow("delete card 2")
            << deleted << CardOrigins::removed(4, 2, 5) << QStringList{QString(), u"江藤　四郎"_s};
        book::CardList edited = cards;
        edited[3] = card(u"江藤　史郎"_s, u"福岡県北九州市9-9"_s); // name and address both new
        QTest::newRow("edit card 4")
            << edited << CardOrigins::kept(5, 5) << QStringList{u"井上　二郎"_s, u"江藤　史郎"_s};
        QTest::newRow("move 4 to 1")
            << app::movedCards(cards, 4, 1, 5) << app::movedOrigins(5, 4, 1, 5)
            << QStringList{u"井上　二郎"_s, u"江藤　四郎"_s};
        QTest::newRow("move 2 to 5")
            << app::movedCards(cards, 2, 5, 5) << app::movedOrigins(5, 2, 5, 5)
            << QStringList{u"井上　二郎"_s, u"江藤　四郎"_s};
        // Two cards alike: only the origins tell them apart.
        book::CardList twins = cards;
        twins[2] = cards[1];
        QTest::newRow("twins moved")
            << app::movedCards(twins, 2, 5, 5) << app::movedOrigins(5, 2, 5, 5)
            << QStringList{u"井上　二郎"_s, u"江藤　四郎"_s};
        book::CardList imported = cards;
        imported << card(u"木村　七郎"_s, u"青森県青森市7-7"_s) << cards[1];
        QTest::newRow("import") << imported << CardOrigins::kept(7, 5)
                                << QStringList{u"井上　二郎"_s, u"江藤　四郎"_s};
    }
    void followsItsCard() {
        QFETCH(book::CardList, after);
        QFETCH(CardOrigins, origins);
        QFETCH(QStringList, noted);
        makeBook();
        if (QTest::currentDataTag() == QByteArrayLiteral("twins moved")) {
            // Card 3 becomes a second 井上 without a record before the move.
            book::CardList twins = fiveCards();
            twins[2] = twins[1];
            QVERIFY(book::writeBook(m_book, twins).ok());
        }
        platform::TestPlatform test;
        session::SessionState state;
        state.book = session::CurrentBook::file(m_book);
        state.bookStamp = book::stampOf(m_book, *book::readFileBytes(m_book, nullptr));
        const auto saved = session::BookSaver(state, test.platform).saveOpenBook(after, origins);
        QVERIFY(saved.written());
        QCOMPARE(test.messages.shown().size(), 0);

        // The book holds the cards alone, as any older reader expects.
        QCOMPARE(*book::readFileBytes(m_book, nullptr), *book::formatBook(after));
        const QMap<QString, QString> notes = notesByName(m_book, after);
        QCOMPARE(notes.key(u"井上"_s), noted.at(0));
        QCOMPARE(notes.key(u"江藤"_s), noted.at(1));
        SeasonRecord record(m_book);
        QCOMPARE(record.records().size(), noted.count(QString()) ? 1 : 2);
        QCOMPARE(record.unmatched().size(), 0);
        if (QTest::currentDataTag() == QByteArrayLiteral("twins moved"))
            QCOMPARE(record.recordOf(5)->years.value(2027).note, u"井上"_s);
    }

    // The sheet's 送 受 喪 cells: one click switches a mark of the year shown.
    void sheetSwitchesMarks() {
        makeBook();
        const QByteArray bytes = *book::readFileBytes(m_book, nullptr);
        app::SeasonSheet sheet(m_book, fiveCards(), 2027);
        QCOMPARE(sheet.cellText(4, app::SeasonSheet::Mourning), u"○"_s);
        QCOMPARE(sheet.cellTip(4), u"喪中：祖父 2026年\nメモ：江藤"_s);
        RECORD_OK(sheet.toggle(1, app::SeasonSheet::Received));
        RECORD_OK(sheet.toggle(4, app::SeasonSheet::Mourning));
        QCOMPARE(sheet.cellText(1, app::SeasonSheet::Received), u"○"_s);
        const SeasonRecord record(m_book);
        QCOMPARE(record.marks(1, 2027), (YearMarks{false, true, false, {}, {}}));
        QCOMPARE(record.marks(4, 2027),
                 (YearMarks{false, true, false, u"祖父 2026年"_s, u"江藤"_s}));
        sheet.setYear(2026);
        QCOMPARE(sheet.cellText(1, app::SeasonSheet::Received), QString());
        QCOMPARE(*book::readFileBytes(m_book, nullptr), bytes);
    }

    // A book without a file keeps no marks, and writes no record anywhere.
    void sheetOfBookWithoutFileKeepsNoMarks() {
        QTemporaryDir folder;
        const QString before = QDir::currentPath();
        QDir::setCurrent(folder.path());
        app::SeasonSheet sheet(QString(), fiveCards(), 2027);
        const season::RecordResult result = sheet.toggle(1, app::SeasonSheet::Received);
        QDir::setCurrent(before);
        QVERIFY(!result.ok());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A job printed from the print list marks the cards its entries are
    // copies of; a typed address and a job not from the list mark nothing.
    void printedJobMarksSent_data() {
        QTest::addColumn<bool>("fromList");
        QTest::addColumn<QList<int>>("sent");
        QTest::newRow("print list") << true << QList<int>{2, 3, 5};
        QTest::newRow("single address") << false << QList<int>{2};
    }
    void printedJobMarksSent() {
        QFETCH(bool, fromList);
        QFETCH(QList<int>, sent);
        makeBook();
        const QByteArray bytes = *book::readFileBytes(m_book, nullptr);
        session::SessionState state;
        state.book = session::CurrentBook::file(m_book);
        state.printFromList = fromList;
        const book::CardList cards = fiveCards();
        const book::CardList entries{cards[4], cards[2], cards[2], card(u"単票"_s, u"住所"_s)};
        QCOMPARE(session::markPrinted(state, entries, 2027), QString());
        const SeasonRecord record(m_book);
        QList<int> marked;
        for (int n = 1; n <= 5; ++n)
            if (record.marks(n, 2027).sent)
                marked << n;
        QCOMPARE(marked, sent);
        QCOMPARE(record.marks(2, 2027).note, u"井上"_s); // other marks stay
        QCOMPARE(*book::readFileBytes(m_book, nullptr), bytes);
    }

    // The record's CSV columns, read back, go to the imported cards only.
    void csvColumnsGoToImportedCards() {
        makeBook();
        const book::CardList cards = fiveCards();
        const QByteArray csv =
            exchange::formatCsv(cards, exchange::seasonCsvColumns(SeasonRecord(m_book), 5));
        const QList<exchange::SeasonCsvRow> rows = exchange::readSeasonCsv(csv, 2027);
        QCOMPARE(rows.size(), 2);
        const QString copy = m_dir.filePath(u"写し.dat"_s);
        QFile::remove(SeasonRecord::pathFor(copy));
        // The open book already holds 江藤; the import appends 井上 and 江藤.
        const book::CardList merged{cards[3], cards[1], cards[3]};
        QCOMPARE(exchange::applySeasonCsv(rows, copy, merged, 2), QString());
        const SeasonRecord record(copy);
        QVERIFY(!record.recordOf(1));
        QCOMPARE(record.marks(2, 2027), (YearMarks{true, false, false, {}, u"井上"_s}));
        QCOMPARE(record.marks(3, 2027),
                 (YearMarks{false, true, true, u"祖父 2026年"_s, u"江藤"_s}));
        QCOMPARE(record.groups(3), (QStringList{u"仕事"_s, u"家族"_s}));
    }

    void bookWithoutRecordGetsNoFile() {
        m_book = m_dir.filePath(u"記録なし.dat"_s);
        QVERIFY(book::writeBook(m_book, fiveCards()).ok());
        QCOMPARE(session::keepSeasonRecord({}, m_book, fiveCards(), CardOrigins::kept(5, 5)),
                 QString());
        QCOMPARE(session::matchSeasonRecord(m_book, fiveCards()), 0);
        QVERIFY(!QFile::exists(SeasonRecord::pathFor(m_book)));
    }

    // Another program changed the book: matched by place and key, by key,
    // then by the one name or address left.
    void matchedBack_data() {
        QTest::addColumn<book::CardList>("after");
        QTest::addColumn<QStringList>("noted");
        QTest::addColumn<int>("unmatched");
        const book::CardList cards = fiveCards();
        book::CardList swapped = cards;
        swapped.swapItemsAt(1, 3);
        QTest::newRow("swapped") << swapped << QStringList{u"井上　二郎"_s, u"江藤　四郎"_s} << 0;
        book::CardList renamed = swapped;
        renamed[1].name = u"江藤　史郎"_s; // 江藤 renamed, at 井上's old place
        QTest::newRow("swapped, one renamed")
            << renamed << QStringList{u"井上　二郎"_s, u"江藤　史郎"_s} << 0;
        book::CardList moved = cards;
        moved[1].address1 = u"兵庫県神戸市8-8"_s;
        moved[1].address2 = u" "_s;
        QTest::newRow("moved house") << moved << QStringList{u"井上　二郎"_s, u"江藤　四郎"_s} << 0;
        book::CardList blanks = cards;
        blanks[3].name = u"江藤 四郎"_s;
        blanks[3].address1 = u"福岡県福岡市４－４"_s;
        QTest::newRow("typed differently")
            << blanks << QStringList{u"井上　二郎"_s, u"江藤 四郎"_s} << 0;
        book::CardList replaced = cards;
        replaced[3] = card(u"佐藤　八郎"_s, u"宮城県仙台市8-8"_s);
        QTest::newRow("replaced") << replaced << QStringList{u"井上　二郎"_s, QString()} << 1;
        QTest::newRow("emptied") << book::CardList() << QStringList{QString(), QString()} << 2;
    }
    void matchedBack() {
        QFETCH(book::CardList, after);
        QFETCH(QStringList, noted);
        QFETCH(int, unmatched);
        makeBook();
        QVERIFY(book::writeBook(m_book, after).ok());
        const QByteArray bytes = *book::readFileBytes(m_book, nullptr);
        QCOMPARE(session::matchSeasonRecord(m_book, after), unmatched);
        QCOMPARE(*book::readFileBytes(m_book, nullptr), bytes);
        const QMap<QString, QString> notes = notesByName(m_book, after);
        QCOMPARE(notes.key(u"井上"_s), noted.at(0));
        QCOMPARE(notes.key(u"江藤"_s), noted.at(1));
        // Nothing is lost: the unmatched are kept, with what names them.
        SeasonRecord record(m_book);
        QCOMPARE(record.records().size(), 2);
        QCOMPARE(record.unmatched().size(), unmatched);
    }

    void unmatchedArePairedOrDropped() {
        makeBook();
        book::CardList cards = fiveCards();
        cards[3] = card(u"佐藤　八郎"_s, u"宮城県仙台市8-8"_s);
        cards[1] = card(u"伊藤　九郎"_s, u"愛知県名古屋市9-9"_s);
        QCOMPARE(session::matchSeasonRecord(m_book, cards), 2);
        SeasonRecord record(m_book);
        const QList<const season::CardRecord*> left = record.unmatched();
        QCOMPARE(left.size(), 2);
        QCOMPARE(left.at(1)->name, u"江藤　四郎"_s);
        QCOMPARE(left.at(1)->address, u"福岡県福岡市4-4"_s);
        const qint64 eto = left.at(1)->id, inoue = left.at(0)->id;
        RECORD_OK(record.pair(eto, 4, cards[3]));
        QVERIFY(!record.pair(inoue, 4, cards[3]).ok()); // card 4 is taken now
        RECORD_OK(record.drop(inoue));
        SeasonRecord reread(m_book);
        QCOMPARE(reread.unmatched().size(), 0);
        QCOMPARE(reread.marks(4, 2027).mourningNote, u"祖父 2026年"_s);
        QCOMPARE(reread.groups(4), (QStringList{u"仕事"_s, u"家族"_s}));
        QCOMPARE(reread.records().size(), 1);
    }

    void filters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<int>>("cards");
        // 2026: 1, 2 sent. 2027: 2 sent; 3 received only; 4 received, sent, in
        // mourning; 5 in mourning; 6 has nothing.
        QTest::newRow("sent-last-year") << u"sent-last-year"_s << QList<int>{1, 2};
        QTest::newRow("去年送った人") << u"去年送った人"_s << QList<int>{1, 2};
        QTest::newRow("received-not-sent") << u"received-not-sent"_s << QList<int>{3};
        QTest::newRow("no-mourning") << u"喪中を除く"_s << QList<int>{1, 2, 3, 6};
        QTest::newRow("mourning") << u"mourning"_s << QList<int>{4, 5};
        QTest::newRow("group") << u"group:家族"_s << QList<int>{2, 5};
        QTest::newRow("group, Japanese") << u"グループ：仕事"_s << QList<int>{5};
        QTest::newRow("unknown group") << u"group:学校"_s << QList<int>{};
    }
    void filters() {
        QFETCH(QString, filter);
        QFETCH(QList<int>, cards);
        m_book = m_dir.filePath(u"filter.dat"_s);
        book::CardList book;
        for (int i = 1; i <= 6; ++i)
            book << card(u"宛名%1"_s.arg(i), u"住所%1"_s.arg(i));
        SeasonRecord record(m_book);
        RECORD_OK(record.setSent({1, 2}, book, 2026));
        RECORD_OK(record.setSent({2, 4}, book, 2027));
        RECORD_OK(record.setMarks(3, book[2], 2027, {false, true, false, {}, {}}));
        RECORD_OK(record.setMarks(4, book[3], 2027, {true, true, true, u"父"_s, {}}));
        RECORD_OK(record.setMarks(5, book[4], 2027, {false, false, true, {}, {}}));
        RECORD_OK(record.setGroups(2, book[1], {u"家族"_s}));
        RECORD_OK(record.setGroups(5, book[4], {u"家族"_s, u"仕事"_s}));
        const std::optional<PrintFilter> parsed = PrintFilter::parse(filter);
        QVERIFY(parsed);
        QCOMPARE(PrintFilter::parse(parsed->label()), parsed);
        QCOMPARE(PrintFilter::parse(parsed->name()), parsed);
        QCOMPARE(season::filterCards(SeasonRecord(m_book), 6, *parsed, 2027), cards);
        QFile::remove(SeasonRecord::pathFor(m_book));
    }

    void refusesUnknownFilters() {
        for (const QString& text : {u""_s, u"sent"_s, u"group:"_s, u"喪中"_s})
            QVERIFY2(!PrintFilter::parse(text), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(SeasonRecordTest)
#include "SeasonRecordTest.moc"
