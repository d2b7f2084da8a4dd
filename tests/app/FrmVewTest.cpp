#include "app/frmVew.h"
#include "book/BookFiles.h"
#include "platform/Fonts.h"
#include "support/WindowWorld.h"

#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// A book of its own with the test doubles, and the sheet windows opened over it.
struct SheetFixture : WindowWorld {
    std::unique_ptr<app::frmVew> sheet;

    explicit SheetFixture(int cards) {
        state.BookOpen = true;
        state.BookPath = u"/tmp/住所.dat"_s;
        state.Reentry = 1;
        state.CardTable = bookfiles::numberedCards(cards);
    }

    // Opens the sheet as the button or the menu does and shows it; its grid.
    QTableWidget* show(bool fromMenu = false) {
        sheet.reset(app::frmVew::open(context, fromMenu));
        sheet->show();
        if (!QTest::qWaitForWindowExposed(sheet.get()))
            qFatal("the sheet window was not shown");
        return sheet->findChild<QTableWidget*>(u"fg1"_s);
    }
};

// Header text of grid column c (1 to 7; column 0 is the row heading).
static QString headingAt(QTableWidget* grid, int c) {
    return grid->horizontalHeaderItem(c - 1)->text();
}

static QStringList headings(QTableWidget* grid) {
    QStringList shown;
    for (int c = 1; c <= grid->columnCount(); ++c)
        shown << headingAt(grid, c);
    return shown;
}

class FrmVewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void emptyBookShowsNoSheet() {
        SheetFixture f(0);
        QCOMPARE(app::frmVew::open(f.context, true), nullptr);
        QCOMPARE(f.platform.messages.texts(), QStringList{u"表示するデータがありません。"_s});
        QCOMPARE(f.state.Reentry, 0);
        QCOMPARE(f.state.ExitOnClose, true);
        QVERIFY(f.navigator.calls().isEmpty());
        for (QWidget* widget : QApplication::allWidgets())
            QVERIFY(!qobject_cast<app::frmVew*>(widget));
    }

    void showsEveryCardUnderTheBookPath() {
        SheetFixture f(12);
        QTableWidget* grid = f.show();
        QVERIFY(f.platform.messages.texts().isEmpty());
        QCOMPARE(grid->rowCount(), 12);
        QCOMPARE(grid->verticalHeaderItem(11)->text(), u"12"_s);
        QCOMPARE(grid->item(11, 0)->text(), u"カード12"_s);
        QCOMPARE(f.sheet->windowTitle(), u"/tmp/住所.dat住所一覧　"_s);
    }

    void menuSheetHasTheWiderCodeColumn() {
        SheetFixture f(3);
        QTableWidget* menuGrid = f.show(true);
        QList<int> menuWidths;
        for (int c = 0; c < menuGrid->columnCount(); ++c)
            menuWidths << menuGrid->columnWidth(c);
        QTableWidget* buttonGrid = f.show(false);
        QCOMPARE(headingAt(buttonGrid, 7), u"コード"_s);
        QVERIFY(menuWidths[6] > buttonGrid->columnWidth(6));
        for (int c = 0; c < 6; ++c)
            QCOMPARE(menuWidths[c], buttonGrid->columnWidth(c));
        // Each heading's padded text sets its width: 住所１ is the widest column.
        for (int c = 0; c < buttonGrid->columnCount(); ++c)
            QVERIFY(buttonGrid->columnWidth(3) >= buttonGrid->columnWidth(c));
    }

    void draggingAHeadingMovesItsColumn_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("onto"); // 0: the No heading in the corner
        QTest::addColumn<QStringList>("headings");
        const QStringList unmoved{u"宛名"_s, u"敬称"_s, u"〒"_s, u"住所１"_s, u"住所２"_s, u"住所3"_s, u"コード"_s};
        QTest::newRow("住所１ onto 宛名") << 4 << 1
            << QStringList{u"住所１"_s, u"宛名"_s, u"敬称"_s, u"〒"_s, u"住所２"_s, u"住所3"_s, u"コード"_s};
        QTest::newRow("宛名 onto 〒") << 1 << 3
            << QStringList{u"敬称"_s, u"〒"_s, u"宛名"_s, u"住所１"_s, u"住所２"_s, u"住所3"_s, u"コード"_s};
        QTest::newRow("click without moving") << 2 << 2 << unmoved;
        QTest::newRow("onto No") << 4 << 0 << unmoved;
    }
    void draggingAHeadingMovesItsColumn() {
        QFETCH(int, from);
        QFETCH(int, onto);
        QFETCH(QStringList, headings);
        SheetFixture f(3);
        QTableWidget* grid = f.show();
        QHeaderView* header = grid->horizontalHeader();
        const auto centreOf = [&](int c) {
            if (c == 0) // over the row headings, left of the heading row
                return QPoint(-grid->verticalHeader()->width() / 2, header->height() / 2);
            return QPoint(header->sectionViewportPosition(c - 1) + header->sectionSize(c - 1) / 2,
                          header->height() / 2);
        };
        QHash<QString, QString> cellOf;
        for (int c = 1; c <= grid->columnCount(); ++c)
            cellOf[headingAt(grid, c)] = grid->item(0, c - 1)->text();
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, centreOf(from));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, centreOf(onto));
        QCOMPARE(::headings(grid), headings);
        // The cells went with their headings, and the card numbers stay first.
        for (int c = 1; c <= grid->columnCount(); ++c)
            QCOMPARE(grid->item(0, c - 1)->text(), cellOf.value(headingAt(grid, c)));
        QCOMPARE(f.sheet->table().column(0).heading, u"No"_s);
        QCOMPARE(grid->verticalHeaderItem(0)->text(), u"1"_s);
    }

    void borderBetweenHeadingsResizesInsteadOfMoving() {
        SheetFixture f(3);
        QTableWidget* grid = f.show();
        QHeaderView* header = grid->horizontalHeader();
        const int border = header->sectionViewportPosition(1);
        const int y = header->height() / 2;
        const int width = grid->columnWidth(0);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(border, y));
        QTest::mouseMove(header->viewport(), QPoint(border + 30, y));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(border + 30, y));
        QCOMPARE(headings(grid).mid(0, 2), (QStringList{u"宛名"_s, u"敬称"_s}));
        QCOMPARE(grid->columnWidth(0), width + 30);
        // A moved column keeps the width it was given.
        QVERIFY(f.sheet->moveColumn(1, 5));
        QCOMPARE(headingAt(grid, 5), u"宛名"_s);
        QCOMPARE(grid->columnWidth(4), width + 30);
    }

    void doubleClickOpensTheEditorAtThatCard() {
        SheetFixture f(15);
        QTableWidget* grid = f.show();
        grid->scrollToItem(grid->item(11, 3));
        const QPoint cell = grid->visualItemRect(grid->item(11, 3)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(f.sheet->Text1, u"12"_s);
        QVERIFY(f.navigator.calls().isEmpty());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(f.navigator.calls(), QStringList{u"editor 12"_s});
    }

    void helpAndClosing() {
        SheetFixture f(2);
        f.show(true);
        f.sheet->findChild<QPushButton*>(u"cmdHelp"_s)->click();
        QCOMPARE(f.platform.help.requests().size(), 1);
        QCOMPARE(f.platform.help.requests().first().command, platform::HelpViewer::Command::Context);
        QCOMPARE(f.platform.help.requests().first().context, 12);
        QVERIFY(f.sheet->close());
        QCOMPARE(f.state.ExitOnClose, false);
        QCOMPARE(f.navigator.calls(), QStringList{u"start"_s});
    }
};

QTEST_MAIN(FrmVewTest)
#include "FrmVewTest.moc"
