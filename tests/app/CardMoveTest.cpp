#include "app/CardMove.h"
#include "book/BookFiles.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The order of a book as card numbers, read from the names "カードn".
static QList<int> orderOf(const book::CardList& cards) {
    QList<int> order;
    for (const book::AddressCard& card : cards)
        order << card.name.mid(3).toInt();
    return order;
}

class CardMoveTest : public QObject {
    Q_OBJECT
private slots:
    void movesCardToItsPlace_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("destination");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("5 of 8 to 2") << 8 << 5 << 2 << QList<int>{1, 5, 2, 3, 4, 6, 7, 8};
        QTest::newRow("2 of 8 to 6") << 8 << 2 << 6 << QList<int>{1, 3, 4, 5, 6, 2, 7, 8};
        QTest::newRow("3 of 8 to 8") << 8 << 3 << 8 << QList<int>{1, 2, 4, 5, 6, 7, 8, 3};
        QTest::newRow("8 of 8 to 1") << 8 << 8 << 1 << QList<int>{8, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("1 of 8 to 8") << 8 << 1 << 8 << QList<int>{2, 3, 4, 5, 6, 7, 8, 1};
        QTest::newRow("8 of 8 to 7") << 8 << 8 << 7 << QList<int>{1, 2, 3, 4, 5, 6, 8, 7};
        QTest::newRow("1 of 2 to 2") << 2 << 1 << 2 << QList<int>{2, 1};
        QTest::newRow("2 of 2 to 1") << 2 << 2 << 1 << QList<int>{2, 1};
        QTest::newRow("onto itself keeps the book") << 8 << 4 << 4 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("beyond the book keeps it") << 8 << 4 << 9 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("source 0 keeps it") << 8 << 0 << 3 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
    }
    void movesCardToItsPlace() {
        QFETCH(int, count);
        QFETCH(int, source);
        QFETCH(int, destination);
        QFETCH(QList<int>, order);
        const book::CardList cards = bookfiles::numberedCards(count);
        const book::CardList moved = app::movedCards(cards, source, destination, count);
        QCOMPARE(orderOf(moved), order);
    }

    void keepsEveryFieldOfTheMovedCard() {
        book::CardList cards = bookfiles::numberedCards(4);
        cards[2] = bookfiles::card(u"佐藤"_s, u"東京都"_s, u"港区"_s, u"ビル"_s, u"105-0011"_s, u"A1"_s, u"2"_s);
        const book::CardList moved = app::movedCards(cards, 3, 1, 4);
        QCOMPARE(moved.size(), 4);
        QCOMPARE(moved.first(), cards.at(2));
    }

    void checksWhileTyping_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("result");
        const int accepted = int(app::TypedDestination::Accepted);
        const int same = int(app::TypedDestination::SameAsSource);
        const int beyond = int(app::TypedDestination::BeyondList);
        QTest::newRow("the source") << u"3"_s << u"3"_s << same;
        QTest::newRow("full-width source") << u"3"_s << u"３"_s << same;
        QTest::newRow("one past the last") << u"3"_s << u"9"_s << beyond;
        QTest::newRow("the last") << u"3"_s << u"8"_s << accepted;
        QTest::newRow("emptied") << u"3"_s << QString() << accepted;
        QTest::newRow("text counts as 0") << u"3"_s << u"abc"_s << accepted;
        QTest::newRow("leading number") << u"3"_s << u"12x"_s << beyond;
    }
    void checksWhileTyping() {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(int, result);
        QCOMPARE(int(app::checkTypedDestination(source, typed, u"8"_s)), result);
    }

    void acceptsOnlyAPlaceInTheList_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("destination"); // 0: refused
        QTest::newRow("2") << u"2"_s << 2;
        QTest::newRow("blanks around") << u" 8 "_s << 8;
        QTest::newRow("full-width") << u"５"_s << 5;
        QTest::newRow("0") << u"0"_s << 0;
        QTest::newRow("negative") << u"-2"_s << 0;
        QTest::newRow("fraction") << u"2.5"_s << 0;
        QTest::newRow("text") << u"abc"_s << 0;
        QTest::newRow("number then text") << u"2abc"_s << 0;
        QTest::newRow("beyond") << u"9"_s << 0;
        QTest::newRow("the source") << u"3"_s << 0;
        QTest::newRow("empty") << QString() << 0;
    }
    void acceptsOnlyAPlaceInTheList() {
        QFETCH(QString, typed);
        QFETCH(int, destination);
        QCOMPARE(app::moveDestination(typed, 3, 8).value_or(0), destination);
    }
};

QTEST_APPLESS_MAIN(CardMoveTest)
#include "CardMoveTest.moc"
