// The season on the windows, on a real X server: 記録から選択 builds the print
// list, the sheet's 送 受 喪 cells switch with a click or the space bar. The
// book's bytes never change. Pictures go to TAGORA_SCREENSHOT_DIR.
#include "app/SeasonFilterButton.h"
#include "app/SeasonMatchDialog.h"
#include "app/frmStart.h"
#include "app/frmVew.h"
#include "book/AddressFile.h"
#include "book/FileBytes.h"
#include "entry/frmSet.h"
#include "platform/Fonts.h"
#include "season/CardKey.h"
#include "season/SeasonRecord.h"
#include "support/WindowWorld.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The part of the screen the windows cover, menus included.
void screenshot(const QString& name, const QRect& area) {
    QDir().mkpath(QStringLiteral(TAGORA_SCREENSHOT_DIR));
    QCoreApplication::processEvents();
    QGuiApplication::primaryScreen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(QStringLiteral(TAGORA_SCREENSHOT_DIR "/") + name + u".png"_s);
}

} // namespace

class SeasonWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowWorld> m_world;
    QString m_book;
    QByteArray m_bytes;
    const int m_year = season::comingNewYear(QDate::currentDate());

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    // The sample book; cards 2 and 5 in mourning this season, 1 to 6 sent
    // last year, 3 received, 4 in 家族.
    void init() {
        m_world = std::make_unique<WindowWorld>();
        m_book = m_world->dir.filePath(u"山田家.dat"_s);
        QVERIFY(QFile::copy(QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat"), m_book));
        const book::CardList cards = book::loadBook(m_book).cards;
        m_bytes = *book::readFileBytes(m_book, nullptr);
        season::SeasonRecord record(m_book);
        QVERIFY(record.setSent({1, 2, 3, 4, 5, 6}, cards, m_year - 1).ok());
        QVERIFY(record.setMarks(2, cards[1], m_year, {false, false, true, u"祖父"_s, {}}).ok());
        QVERIFY(record.setMarks(5, cards[4], m_year, {false, false, true, {}, {}}).ok());
        QVERIFY(record.setMarks(3, cards[2], m_year, {false, true, false, {}, {}}).ok());
        QVERIFY(record.setGroups(4, cards[3], {u"家族"_s}).ok());
        m_world->state.cards = cards;
    }

    void choiceBuildsThePrintList() {
        app::frmStart start(m_world->context);
        start.show();
        m_world->platform.dialogs.answer(m_book);
        start.findChild<QPushButton*>(u"cmdOpen"_s)->click();
        auto* choice = start.findChild<app::SeasonFilterButton*>(u"seasonFilterButton"_s);
        QVERIFY(choice && choice->isEnabled());
        QStringList offered;
        QTimer::singleShot(300, this, [&] {
            auto* menu = choice->findChild<QMenu*>(u"seasonFilterMenu"_s);
            screenshot(u"season-start-choice"_s, start.frameGeometry().united(menu->geometry()));
            for (QAction* action : menu->actions())
                if (!action->isSeparator())
                    offered << action->text();
            for (QAction* action : menu->actions())
                if (action->text() == u"喪中の人だけ"_s)
                    action->trigger();
            menu->close();
        });
        choice->click();
        QCOMPARE(offered, (QStringList{u"去年送った人"_s, u"受け取ったが送っていない人"_s,
                                       u"喪中を除く"_s, u"喪中の人だけ"_s, u"グループ：家族"_s}));
        auto* printList = start.findChild<QListWidget*>(u"lstSet2"_s);
        QCOMPARE(printList->count(), 2);
        QCOMPARE(printList->item(0)->text(), u"山田　花子"_s);
        QCOMPARE(start.findChild<QLabel*>(u"lblCount"_s)->text(), u"2"_s);
        QCOMPARE(*book::readFileBytes(m_book, nullptr), m_bytes);
    }

    // Card 2 renamed and moved by another program: opening says so, and 記録の
    // 照合 gives the record to the card the user picks.
    void unmatchedRecordIsPaired() {
        book::CardList cards = m_world->state.cards;
        cards[1] = {u"山田　華子"_s, u"京都府京都市"_s, {}, {}, u"600-8001"_s, {}, u"0"_s};
        QVERIFY(book::writeBook(m_book, cards).ok());
        app::frmStart start(m_world->context);
        m_world->platform.dialogs.answer(m_book);
        start.findChild<QPushButton*>(u"cmdOpen"_s)->click();
        QVERIFY(m_world->platform.messages.texts().last().startsWith(
            u"年賀状の記録のうち 1 件は、住所録のどのカードにも合いません"_s));
        QCOMPARE(app::unmatchedSeasonRecords(m_book), 1);

        app::SeasonMatchDialog dialog(m_world->context);
        auto* records = dialog.findChild<QListWidget*>(u"unmatchedList"_s);
        auto* choice = dialog.findChild<QComboBox*>(u"cardChoice"_s);
        QCOMPARE(records->count(), 1);
        QVERIFY(records->item(0)->text().startsWith(u"山田　花子（東京都千代田区"_s));
        choice->setCurrentIndex(choice->findText(u"2　山田　華子"_s));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        screenshot(u"season-matching"_s, dialog.frameGeometry());
        dialog.findChild<QPushButton*>(u"pairButton"_s)->click();
        QCOMPARE(records->count(), 0);
        QVERIFY(!dialog.findChild<QPushButton*>(u"pairButton"_s)->isEnabled());
        QCOMPARE(season::SeasonRecord(m_book).marks(2, m_year).mourningNote, u"祖父"_s);
        QCOMPARE(app::unmatchedSeasonRecords(m_book), 0);
    }

    // The card editor shows the card's years, the latest first.
    void editorShowsTheYears() {
        m_world->state.book = session::CurrentBook::file(m_book);
        entry::frmSet editor(m_world->context, 2);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QCOMPARE(editor.findChild<QLabel*>(u"seasonHistory"_s)->text(),
                 u"年賀状の記録：　%1 喪（祖父）　%2 送"_s.arg(m_year).arg(m_year - 1));
        screenshot(u"season-editor"_s, editor.frameGeometry());
    }

    void sheetSwitchesMarks() {
        m_world->state.book = session::CurrentBook::file(m_book);
        std::unique_ptr<app::frmVew> sheet(app::frmVew::open(m_world->context, false));
        QVERIFY(sheet);
        sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(sheet.get()));
        auto* grid = sheet->findChild<QTableWidget*>(u"fg1"_s);
        const int sent = grid->columnCount() - 3;
        QCOMPARE(grid->horizontalHeaderItem(sent + 2)->text(), u"喪"_s);
        QCOMPARE(grid->item(1, sent + 2)->text(), u"○"_s);
        QCOMPARE(grid->item(1, sent + 2)->toolTip(), u"喪中：祖父"_s);
        // A click marks card 1 received; the space bar marks card 7 sent.
        grid->scrollToItem(grid->item(0, sent + 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(0, sent + 1)).center());
        grid->setCurrentCell(6, sent);
        QTest::keyClick(grid, Qt::Key_Space);
        const season::SeasonRecord record(m_book);
        QVERIFY(record.marks(1, m_year).received);
        QVERIFY(record.marks(7, m_year).sent);
        QCOMPARE(grid->item(6, sent)->text(), u"○"_s);
        screenshot(u"season-sheet"_s, sheet->frameGeometry());
        // A double click on a mark does not open the card editor.
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                           grid->visualItemRect(grid->item(2, sent)).center());
        QVERIFY(m_world->navigator.calls().isEmpty());
        // The year chooser shows last year's: every one of 1 to 6 sent.
        sheet->findChild<QSpinBox*>(u"seasonYear"_s)->setValue(m_year - 1);
        QCOMPARE(grid->item(5, sent)->text(), u"○"_s);
        QCOMPARE(grid->item(6, sent)->text(), QString());
        QCOMPARE(*book::readFileBytes(m_book, nullptr), m_bytes);
    }
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet("TAGORA_NO_XVFB")) {
        std::puts(
            "SKIP: xvfb-run is not installed: the windows need a real X server for this test");
        return 77;
    }
    QApplication app(argc, argv);
    SeasonWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "SeasonWindowsTest.moc"
