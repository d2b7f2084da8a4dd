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
        QTest::addColumn<bool>("typable");
        QTest::addColumn<int>("destination"); // 0: refused
        QTest::addColumn<int>("refusal");
        using enum app::DestinationRefusal;
        // From card 3 of 18: "1" on the way to 10 to 18 is not refused while typing.
        QTest::newRow("the source") << u"3"_s << true << 0 << int(SameAsSource);
        QTest::newRow("on the way to 13") << u"1"_s << true << 1 << int(None);
        QTest::newRow("last, blanks around") << u" 18 "_s << true << 18 << int(None);
        QTest::newRow("one past the last") << u"19"_s << true << 0 << int(BeyondList);
        QTest::newRow("full-width") << u"１５"_s << true << 15 << int(None);
        QTest::newRow("nothing") << u""_s << true << 0 << int(Missing);
        QTest::newRow("0") << u"0"_s << true << 0 << int(NotAPosition);
        QTest::newRow("text") << u"abc"_s << false << 0 << int(NotAPosition);
        QTest::newRow("fraction") << u"2.5"_s << false << 0 << int(NotAPosition);
        QTest::newRow("negative") << u"-2"_s << false << 0 << int(NotAPosition);
    }
    void typedDestination() {
        QFETCH(QString, typed);
        QFETCH(int, destination);
        QTEST(app::destinationTypable(typed), "typable");
        const app::Destination checked = app::moveDestination(typed, 3, 18);
        QCOMPARE(checked.position, destination);
        QTEST(int(checked.refusal), "refusal");
    }
};

QTEST_APPLESS_MAIN(CardMoveTest)
#include "CardMoveTest.moc"
