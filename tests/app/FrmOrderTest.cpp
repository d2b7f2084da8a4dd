#include "app/frmOrder.h"
#include "book/AddressFile.h"
#include "book/BookFiles.h"
#include "season/SeasonRecord.h"
#include "support/WindowWorld.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// A book on disk (eight numbered cards, or the bytes given) and a reordering window over it.
struct OrderFixture : WindowWorld {
    std::unique_ptr<app::frmOrder> window;

    explicit OrderFixture(
        const QByteArray& content = *book::formatBook(bookfiles::numberedCards(8))) {
        state.book = session::CurrentBook::file(dir.filePath(u"住所録.dat"_s));
        bookfiles::writeBytes(state.book.path(), content);
        window = std::make_unique<app::frmOrder>(context);
    }
    QListWidget* list() const { return window->findChild<QListWidget*>(u"lstName"_s); }
    // Clicks card (from 1) in the list, types destination key by key and clicks Command1.
    void move(int card, const QString& destination) {
        if (card > 0) {
            QListWidgetItem* item = list()->item(card - 1);
            list()->scrollToItem(item);
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                              list()->visualItemRect(item).center());
        }
        for (QChar c : destination)
            window->findChild<QLineEdit*>(u"Text2"_s)->insert(QString(c));
        window->findChild<QPushButton*>(u"Command1"_s)->click();
    }
    QByteArray bytes() const { return bookfiles::readBytes(state.book.path()); }
};

class FrmOrderTest : public QObject {
    Q_OBJECT
private slots:
    void refusalsLeaveTheFileAlone() {
        OrderFixture f;
        const QByteArray before = f.bytes();
        QVERIFY(!f.window->findChild<QWidget*>(u"Label2"_s)->isVisibleTo(f.window.get()));
        f.move(0, QString()); // no card chosen
        // The source is refused when the move is asked for, text at once (the box emptied).
        f.move(3, u"3"_s);
        QVERIFY(f.window->findChild<QWidget*>(u"Label3"_s)->isVisibleTo(f.window.get()));
        f.window->findChild<QLineEdit*>(u"Text2"_s)->clear();
        f.move(3, u"x"_s);
        QCOMPARE(f.platform.messages.texts(),
                 (QStringList{u"指定に誤りがあります。"_s, u"移動元と移動先が同じです！"_s,
                              u"指定に誤りがあります。"_s, u"移動先が指定されていません"_s}));
        QCOMPARE(f.bytes(), before);
    }

    // Card 1 goes to 12: the "1" typed on the way is not the source's refusal.
    void firstCardMovesPastTen() {
        OrderFixture f(*book::formatBook(bookfiles::numberedCards(14)));
        f.move(1, u"12"_s);
        QVERIFY(f.platform.messages.texts().isEmpty());
        book::CardList expected = bookfiles::numberedCards(14);
        expected.move(0, 11);
        QCOMPARE(f.bytes(), *book::formatBook(expected));
    }

    // The season's record beside the book follows the card moved.
    void recordFollowsTheMove() {
        OrderFixture f;
        const book::CardList cards = bookfiles::numberedCards(8);
        QVERIFY(season::SeasonRecord(f.state.book.path())
                    .setMarks(2, cards[1], 2027, {false, false, true, u"祖母"_s, {}})
                    .ok());
        f.move(2, u"6"_s);
        const season::SeasonRecord record(f.state.book.path());
        QCOMPARE(record.recordOf(6)->name, cards[1].name);
        QCOMPARE(record.marks(6, 2027).mourningNote, u"祖母"_s);
        QVERIFY(!record.recordOf(2));
    }

    void unreadableBookIsNotRewritten() {
        const QByteArray content("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"0\"\r\n\"b\",\"x\"\r\n");
        OrderFixture f(content);
        QCOMPARE(f.platform.messages.texts(),
                 QStringList{u"住所録ファイルを読み込めませんでした。"_s});
        f.move(0, QString());
        QCOMPARE(f.bytes(), content);
    }
};

QTEST_MAIN(FrmOrderTest)
#include "FrmOrderTest.moc"
