#include "app/CardMove.h"
#include "book/BookFiles.h"

#include <QTest>

using namespace Qt::StringLiterals;

class CardMoveTest : public QObject {
    Q_OBJECT
private slots:
    void movesCardToItsPlace_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("destination");
        QTest::addColumn<QList<int>>("order");
        const QList<int> kept{1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("last to first") << 8 << 1 << QList<int>{8, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("first to last") << 1 << 8 << QList<int>{2, 3, 4, 5, 6, 7, 8, 1};
        QTest::newRow("onto itself") << 4 << 4 << kept;
        QTest::newRow("beyond the book") << 4 << 9 << kept;
        QTest::newRow("source 0") << 0 << 3 << kept;
    }
    void movesCardToItsPlace() {
        QFETCH(int, source);
        QFETCH(int, destination);
        QFETCH(QList<int>, order);
        book::CardList cards = bookfiles::numberedCards(8);
        for (int i = 0; i < 8; ++i)
            cards[i].address2 = cards[i].code = QString::number(i);
        const book::CardList moved = app::movedCards(cards, source, destination, 8);
        // Every field travels with its card.
        for (int i = 0; i < 8; ++i)
            QCOMPARE(moved.at(i), cards.at(order.at(i) - 1));
    }

    // Card 3 of 8: typing reads the leading number; the move wants a whole other place in the list.
    void typedDestination_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("whileTyping");
        QTest::addColumn<int>("destination"); // 0: refused
        using enum app::TypedDestination;
        QTest::newRow("the source") << u"3"_s << int(SameAsSource) << 0;
        QTest::newRow("last, blanks around") << u" 8 "_s << int(Accepted) << 8;
        QTest::newRow("one past the last") << u"9"_s << int(BeyondList) << 0;
        QTest::newRow("full-width") << u"５"_s << int(Accepted) << 5;
        QTest::newRow("0") << u"0"_s << int(Accepted) << 0;
        QTest::newRow("text counts as 0") << u"abc"_s << int(Accepted) << 0;
        QTest::newRow("fraction") << u"2.5"_s << int(Accepted) << 0;
        QTest::newRow("leading number") << u"12x"_s << int(BeyondList) << 0;
    }
    void typedDestination() {
        QFETCH(QString, typed);
        QFETCH(int, whileTyping);
        QFETCH(int, destination);
        QCOMPARE(int(app::checkTypedDestination(u"3"_s, typed, u"8"_s)), whileTyping);
        QCOMPARE(app::moveDestination(typed, 3, 8).value_or(0), destination);
    }
};

QTEST_APPLESS_MAIN(CardMoveTest)
#include "CardMoveTest.moc"
