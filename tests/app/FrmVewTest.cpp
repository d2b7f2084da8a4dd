#include "app/frmVew.h"
#include "book/BookFiles.h"
#include "platform/Fonts.h"
#include "support/WindowWorld.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// A book of numbered cards with the test doubles, and the sheet window opened over it.
struct SheetFixture : WindowWorld {
    std::unique_ptr<app::frmVew> sheet;
    QTableWidget* grid = nullptr;

    explicit SheetFixture(int cards) {
        state.BookOpen = true;
        state.Reentry = 1;
        state.CardTable = bookfiles::numberedCards(cards);
        sheet.reset(app::frmVew::open(context, false));
        if (sheet) {
            sheet->show();
            if (!QTest::qWaitForWindowExposed(sheet.get()))
                qFatal("the sheet window was not shown");
            grid = sheet->findChild<QTableWidget*>(u"fg1"_s);
        }
    }
    QString heading(int c) const { return grid->horizontalHeaderItem(c)->text(); }
};

class FrmVewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void emptyBookShowsNoSheet() {
        SheetFixture f(0);
        QVERIFY(!f.sheet);
        QCOMPARE(f.platform.messages.texts(), QStringList{u"表示するデータがありません。"_s});
        QCOMPARE(f.state.Reentry, 0);
    }

    void draggingAHeadingMovesItsColumn_data() {
        QTest::addColumn<int>("from"); // grid columns, 0: the No heading in the corner
        QTest::addColumn<int>("onto");
        QTest::addColumn<QString>("first");
        QTest::newRow("住所１ onto 宛名") << 4 << 1 << u"住所１"_s;
        QTest::newRow("onto No") << 4 << 0 << u"宛名"_s;
    }
    void draggingAHeadingMovesItsColumn() {
        QFETCH(int, from);
        QFETCH(int, onto);
        QFETCH(QString, first);
        SheetFixture f(12);
        QHeaderView* header = f.grid->horizontalHeader();
        const auto centreOf = [&](int c) {
            if (c == 0) // over the row headings, left of the heading row
                return QPoint(-f.grid->verticalHeader()->width() / 2, header->height() / 2);
            return QPoint(header->sectionViewportPosition(c - 1) + header->sectionSize(c - 1) / 2,
                          header->height() / 2);
        };
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, centreOf(from));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, centreOf(onto));
        QCOMPARE(f.heading(0), first);
        // The grid shows the table's cells under its headings.
        for (int c = 0; c < f.grid->columnCount(); ++c) {
            QCOMPARE(f.heading(c), f.sheet->table().column(c + 1).heading);
            QCOMPARE(f.grid->item(11, c)->text(), f.sheet->table().cell(12, c + 1));
        }
    }

    void doubleClickOpensTheEditorAtThatCard() {
        SheetFixture f(15);
        f.grid->scrollToItem(f.grid->item(11, 3));
        const QPoint cell = f.grid->visualItemRect(f.grid->item(11, 3)).center();
        QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, cell);
        QVERIFY(f.navigator.calls().isEmpty());
        QTest::mouseDClick(f.grid->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(f.navigator.calls(), QStringList{u"editor 12"_s});
    }
};

QTEST_MAIN(FrmVewTest)
#include "FrmVewTest.moc"
