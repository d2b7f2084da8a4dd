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
        state.book = session::CurrentBook::unsaved();
        state.startWindowAway = true;
        state.cards = bookfiles::numberedCards(cards);
        sheet.reset(app::frmVew::open(context, false));
        if (sheet) {
            sheet->show();
            if (!QTest::qWaitForWindowExposed(sheet.get()))
                qFatal("the sheet window was not shown");
            grid = sheet->findChild<QTableWidget*>(u"fg1"_s);
        }
    }
};

class FrmVewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void emptyBookShowsNoSheet() {
        SheetFixture f(0);
        QVERIFY(!f.sheet);
        QCOMPARE(f.platform.messages.texts(), QStringList{u"表示するデータがありません。"_s});
        QVERIFY(!f.state.startWindowAway);
    }

    // Each column opens wide enough for its longest text: a long name and a
    // long second address line are not cut off, and short columns stay narrow.
    void columnsOpenWideEnoughForTheirText() {
        SheetFixture f(0);
        f.state.cards = bookfiles::numberedCards(3);
        f.state.cards[1].name = u"株式会社　東京高橋商事"_s;
        f.state.cards[2].address2 = u"霞が関一丁目二番三号別館"_s;
        f.sheet.reset(app::frmVew::open(f.context, false));
        QVERIFY(f.sheet);
        f.grid = f.sheet->findChild<QTableWidget*>(u"fg1"_s);
        const QFontMetrics metrics(f.grid->font());
        for (int c = 0; c < f.grid->columnCount(); ++c) {
            int widest = 0;
            for (int r = 0; r < f.grid->rowCount(); ++r)
                widest = qMax(widest, metrics.horizontalAdvance(f.grid->item(r, c)->text()));
            QVERIFY2(f.grid->columnWidth(c) > widest,
                     qPrintable(f.grid->horizontalHeaderItem(c)->text()));
        }
        int honorific = -1;
        for (int c = 0; c < f.grid->columnCount(); ++c)
            if (f.grid->horizontalHeaderItem(c)->text() == u"敬称"_s)
                honorific = c;
        QVERIFY(honorific >= 0);
        QVERIFY(f.grid->columnWidth(honorific) < metrics.horizontalAdvance(f.state.cards[1].name));
    }

    // After a heading's drag the grid shows the table; a double click edits that row's card.
    void dragThenDoubleClick() {
        SheetFixture f(15);
        QHeaderView* header = f.grid->horizontalHeader();
        const auto centreOf = [&](int c) {
            return QPoint(header->sectionViewportPosition(c) + header->sectionSize(c) / 2,
                          header->height() / 2);
        };
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, centreOf(3));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, centreOf(0));
        QCOMPARE(f.grid->horizontalHeaderItem(0)->text(), u"住所１"_s);
        const int bookColumns = f.sheet->table().columnCount() - 1;
        for (int c = 0; c < bookColumns; ++c) {
            QCOMPARE(f.grid->horizontalHeaderItem(c)->text(),
                     f.sheet->table().column(c + 1).heading);
            QCOMPARE(f.grid->item(11, c)->text(), f.sheet->table().cell(12, c + 1));
        }
        // The season's columns stay after the book's.
        QCOMPARE(f.grid->columnCount(), bookColumns + 3);
        QCOMPARE(f.grid->horizontalHeaderItem(bookColumns)->text(), u"送"_s);
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
