#include "app/frmOrder.h"
#include "book/AddressFile.h"
#include "book/BookFiles.h"
#include "support/WindowWorld.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// A book on disk (numbered cards, or the bytes given, none: no file) and a
// reordering window over it.
struct OrderFixture : WindowWorld {
    std::unique_ptr<app::frmOrder> window;

    explicit OrderFixture(int cards) : OrderFixture(*book::formatBook(bookfiles::numberedCards(cards))) {}
    explicit OrderFixture(const QByteArray& content) {
        state.BookOpen = true;
        state.BookPath = dir.filePath(u"住所録.dat"_s);
        if (!content.isEmpty())
            bookfiles::writeBytes(state.BookPath, content);
        window = std::make_unique<app::frmOrder>(context);
    }
    QListWidget* list() const { return window->findChild<QListWidget*>(u"lstName"_s); }
    QLineEdit* text(const char* name) const { return window->findChild<QLineEdit*>(QLatin1String(name)); }
    QPushButton* button(const char* name) const {
        return window->findChild<QPushButton*>(QLatin1String(name));
    }
    void choose(int card) {
        QListWidgetItem* item = list()->item(card - 1);
        list()->scrollToItem(item);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(item).center());
    }
    // Types into Text2 one character at a time, as from the keyboard or an input method.
    void type(const QString& text) {
        for (QChar c : text)
            this->text("Text2")->insert(QString(c));
    }
    QByteArray bytes() const { return bookfiles::readBytes(state.BookPath); }
    // The card numbers of the file as it now stands.
    QList<int> fileOrder() const {
        QList<int> order;
        for (const book::AddressCard& card : book::loadBook(state.BookPath).cards)
            order << card.name.mid(3).toInt();
        return order;
    }
};

class FrmOrderTest : public QObject {
    Q_OBJECT
private slots:
    void listsEveryCard() {
        OrderFixture f(3);
        QCOMPARE(f.list()->count(), 3);
        QCOMPARE(f.list()->item(2)->text(), u"3  カード3"_s);
        QCOMPARE(f.window->Text4, u"3"_s);
        QVERIFY(f.text("Text1")->isHidden());
        QVERIFY(f.text("Text2")->isHidden());
        f.choose(2);
        QCOMPARE(f.window->Text3, u"2"_s);
        QCOMPARE(f.text("Text1")->text(), u"2  カード2"_s);
        QVERIFY(!f.text("Text1")->isHidden());
        QVERIFY(!f.text("Text2")->isHidden());
    }

    void moveRewritesTheFile_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("5 to 2") << 5 << u"2"_s << QList<int>{1, 5, 2, 3, 4, 6, 7, 8};
        QTest::newRow("8 to 1") << 8 << u"1"_s << QList<int>{8, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("full-width 7") << 1 << u"７"_s << QList<int>{2, 3, 4, 5, 6, 7, 1, 8};
    }
    void moveRewritesTheFile() {
        QFETCH(int, source);
        QFETCH(QString, destination);
        QFETCH(QList<int>, order);
        OrderFixture f(8);
        f.choose(source);
        f.type(destination);
        f.button("Command1")->click();
        QVERIFY2(f.platform.messages.texts().isEmpty(), qPrintable(f.platform.messages.texts().join(u',')));
        QCOMPARE(f.fileOrder(), order);
        // The list is read again with the new numbering; the boxes are put away.
        QCOMPARE(f.list()->count(), 8);
        QCOMPARE(f.list()->item(0)->text(), u"1  カード%1"_s.arg(order.first()));
        QVERIFY(f.text("Text1")->isHidden());
        QVERIFY(f.text("Text2")->isHidden());
        QVERIFY(f.text("Text2")->text().isEmpty());
        QCOMPARE(f.window->Text3, QString::number(source));
    }

    void typingChecks_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("the source") << u"3"_s << u"移動元と移動先が同じです！"_s;
        QTest::newRow("beyond the last") << u"9"_s << u"指定に誤りがあります。"_s;
    }
    void typingChecks() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        OrderFixture f(8);
        f.choose(3);
        f.type(typed);
        QCOMPARE(f.platform.messages.texts(), QStringList{message});
        QVERIFY(f.text("Text2")->text().isEmpty());
    }

    void refusalsLeaveTheFileAlone_data() {
        QTest::addColumn<int>("source"); // 0: no card chosen
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("no card chosen") << 0 << QString() << u"指定に誤りがあります。"_s;
        QTest::newRow("no destination") << 2 << QString() << u"移動先が指定されていません"_s;
        QTest::newRow("zero") << 2 << u"0"_s << u"指定に誤りがあります。"_s;
        QTest::newRow("number then text") << 2 << u"4x"_s << u"指定に誤りがあります。"_s;
    }
    void refusalsLeaveTheFileAlone() {
        QFETCH(int, source);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        OrderFixture f(8);
        const QByteArray before = f.bytes();
        if (source > 0)
            f.choose(source);
        if (!typed.isEmpty())
            f.text("Text2")->setText(typed);
        QVERIFY(f.platform.messages.texts().isEmpty());
        f.button("Command1")->click();
        QCOMPARE(f.platform.messages.texts(), QStringList{message});
        QCOMPARE(f.bytes(), before);
    }

    void unreadableBookIsNotRewritten_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << u"指定ファイルがありません。"_s;
        QTest::newRow("ends inside a card")
            << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"0\"\r\n\"b\",\"x\"\r\n")
            << u"住所録ファイルを読み込めませんでした。"_s;
    }
    void unreadableBookIsNotRewritten() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        OrderFixture f(content);
        QCOMPARE(f.platform.messages.texts(), QStringList{message});
        QCOMPARE(f.list()->count(), 0);
        f.button("Command1")->click();
        QCOMPARE(f.bytes(), content.isEmpty() ? QByteArray("<missing>") : content);
    }

    void closingShowsTheStartWindow() {
        OrderFixture f(2);
        f.window->show();
        f.button("Command2")->click();
        QCOMPARE(f.navigator.calls(), QStringList{u"start"_s});
        QVERIFY(f.window->isHidden());
    }
};

QTEST_MAIN(FrmOrderTest)
#include "FrmOrderTest.moc"
