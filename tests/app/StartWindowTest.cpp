#include "StartHarness.h"

#include "app/StartTexts.h"
#include "app/frmStart.h"
#include "platform/Fonts.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
namespace texts = app::starttexts;

namespace {

// A start window on a harness, found controls by objectName.
struct Window {
    StartHarness h;
    std::unique_ptr<app::frmStart> form;

    Window() { form = std::make_unique<app::frmStart>(h.context); }

    // The control called name; a missing one ends the run, as the names are a contract.
    template <typename T> T* control(const QString& name) const {
        auto* found = form->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QPushButton* button(const QString& name) const { return control<QPushButton>(name); }
    QAction* action(const QString& name) const { return control<QAction>(name); }
    QListWidget* list(const QString& name) const { return form->findChild<QListWidget*>(name); }
    QString count() const { return form->findChild<QLabel*>(u"lblCount"_s)->text(); }
    const app::StartView& view() const { return form->screen().view(); }

    // Runs the control called name: a button's click or a menu command.
    void press(const QString& name) {
        if (auto* b = form->findChild<QPushButton*>(name))
            b->click();
        else
            action(name)->trigger();
    }

    // Opens a book of n cards with the given command.
    QString openBook(int n, const QString& command = u"cmdOpen"_s) {
        const QString file = h.writeBook(u"book.dat"_s, n);
        h.platform.dialogs.answer(file);
        press(command);
        return file;
    }

    // Selects rows of the address list and adds them to the print list.
    void add(const QList<int>& rows) {
        select(u"lstSet1"_s, rows);
        press(u"cmdAdd"_s);
    }

    void select(const QString& listName, const QList<int>& rows) {
        QListWidget* l = list(listName);
        l->clearSelection();
        for (int row : rows)
            l->item(row)->setSelected(true);
    }
};

QList<int> range(int from, int to) {
    QList<int> rows;
    for (int row = from; row < to; ++row)
        rows << row;
    return rows;
}

// A user's double-click: the first click selects the row.
void doubleClick(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class StartWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }
    void addingTwiceAddsEveryEntryAgain();
    void listLimitDisablesLabelPrinting();
    void deletingNonAdjacentEntriesKeepsColumnsAligned();
    void clearEmptiesPrintList();
    void doubleClicks();
    void printHandsOverEntries_data();
    void printHandsOverEntries();
    void openButtonAndMenuDiffer_data();
    void openButtonAndMenuDiffer();
    void saveProposesOpenedNameAndPutsBookAway_data();
    void saveProposesOpenedNameAndPutsBookAway();
    void handOvers_data();
    void handOvers();
    void helpAndHomePage();
    void exitPathsWriteSettings_data();
    void exitPathsWriteSettings();
    void closeBoxAfterSingleFormWritesNothing();
    void captionsFit();
};

void StartWindowTest::addingTwiceAddsEveryEntryAgain() {
    Window w;
    w.openBook(5);
    w.add({0, 2, 4});
    w.press(u"cmdAdd"_s);

    QCOMPARE(w.count(), u"6"_s);
    QCOMPARE(w.list(u"lstSet2"_s)->count(), 6);
    const book::CardList cards = StartHarness::cards(5);
    const book::CardList expected{cards[0], cards[2], cards[4], cards[0], cards[2], cards[4]};
    QCOMPARE(w.view().printList.cards(), expected);
    QCOMPARE(w.view().lstKei2().size(), 6);
    QCOMPARE(w.list(u"lstSet1"_s)->selectedItems().size(), 3);
}

void StartWindowTest::listLimitDisablesLabelPrinting() {
    Window w;
    w.openBook(300);
    w.add(range(0, 299));
    QCOMPARE(w.count(), u"299"_s);
    QVERIFY(w.h.platform.messages.texts().isEmpty());
    QVERIFY(w.button(u"cmdPrint"_s)->isEnabled());

    w.add({299});
    QCOMPARE(w.h.platform.messages.texts(), QStringList{shown(texts::ListLimit)});
    QCOMPARE(w.count(), u"300"_s);
    QVERIFY(!w.button(u"cmdPrint"_s)->isEnabled());
    QVERIFY(w.button(u"cmdHagaki"_s)->isEnabled());

    w.select(u"lstSet2"_s, {10});
    w.press(u"cmdDel"_s);
    QCOMPARE(w.count(), u"299"_s);
    QVERIFY(w.button(u"cmdPrint"_s)->isEnabled());
}

void StartWindowTest::deletingNonAdjacentEntriesKeepsColumnsAligned() {
    Window w;
    w.openBook(6);
    w.add(range(0, 6));
    w.select(u"lstSet2"_s, {0, 2, 3, 5});
    w.press(u"cmdDel"_s);

    const book::CardList cards = StartHarness::cards(6);
    QCOMPARE(w.count(), u"2"_s);
    QCOMPARE(w.list(u"lstSet2"_s)->count(), 2);
    QCOMPARE(w.view().printList.cards(), (book::CardList{cards[1], cards[4]}));
    for (int field = 2; field <= 7; ++field)
        QCOMPARE(w.view().printList.column(field).size(), 2);

    // Nothing selected: nothing goes.
    w.list(u"lstSet2"_s)->clearSelection();
    w.press(u"cmdDel"_s);
    QCOMPARE(w.count(), u"2"_s);
}

void StartWindowTest::clearEmptiesPrintList() {
    Window w;
    w.openBook(3);
    w.add({0, 1});
    w.press(u"cmdClear"_s);
    QCOMPARE(w.count(), u"0"_s);
    QCOMPARE(w.list(u"lstSet2"_s)->count(), 0);
    QVERIFY(!w.button(u"cmdClear"_s)->isEnabled());
    QVERIFY(!w.button(u"cmdDel"_s)->isEnabled());
    QVERIFY(w.button(u"cmdPrint"_s)->isEnabled());
}

void StartWindowTest::doubleClicks() {
    Window w;
    w.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    w.openBook(3);
    QListWidget* names = w.list(u"lstSet1"_s);
    doubleClick(names, 1);
    QCOMPARE(w.view().lstSet2(), QStringList{u"名2"_s});

    QListWidget* chosen = w.list(u"lstSet2"_s);
    doubleClick(chosen, 0);
    QCOMPARE(w.h.platform.messages.texts(), QStringList{shown(texts::CopyHint)});
    QCOMPARE(w.view().lstSet2(), QStringList{u"名2"_s});
    QCOMPARE(w.count(), u"1"_s);
    QVERIFY(w.button(u"cmdDel"_s)->isEnabled());
}

void StartWindowTest::printHandsOverEntries_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("withList");
    QTest::addColumn<QString>("call");
    QTest::newRow("labels") << u"cmdPrint"_s << true << u"labels 3"_s;
    QTest::newRow("postcards") << u"cmdHagaki"_s << true << u"postcards 3"_s;
    QTest::newRow("labels, empty list") << u"cmdPrint"_s << false << QString();
    QTest::newRow("postcards, empty list") << u"cmdHagaki"_s << false << QString();
}

void StartWindowTest::printHandsOverEntries() {
    QFETCH(QString, command);
    QFETCH(bool, withList);
    QFETCH(QString, call);
    Window w;
    w.openBook(4);
    if (withList) {
        w.add({3});
        w.add({0, 1});
    }
    w.press(command);

    if (!withList) {
        QCOMPARE(w.h.platform.messages.texts(), QStringList{shown(texts::NoList)});
        QVERIFY(w.h.navigator.calls().isEmpty());
        QCOMPARE(w.h.state.Reentry, 0);
        return;
    }
    const book::CardList cards = StartHarness::cards(4);
    QCOMPARE(w.h.navigator.calls(), QStringList{call});
    QCOMPARE(w.h.navigator.entries(), (book::CardList{cards[3], cards[0], cards[1]}));
    QCOMPARE(w.h.state.Reentry, 1);
    QVERIFY(w.h.state.PrintFromList);
}

void StartWindowTest::openButtonAndMenuDiffer_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("postcardsUsable");
    QTest::addColumn<bool>("singleUsable");
    QTest::addColumn<bool>("saveNameSet");
    QTest::newRow("button") << u"cmdOpen"_s << true << false << true;
    QTest::newRow("menu") << u"mnuOpen"_s << false << true << false;
}

void StartWindowTest::openButtonAndMenuDiffer() {
    QFETCH(QString, command);
    QFETCH(bool, postcardsUsable);
    QFETCH(bool, singleUsable);
    QFETCH(bool, saveNameSet);
    Window w;
    const QString file = w.openBook(3, command);
    QCOMPARE(w.list(u"lstSet1"_s)->count(), 3);
    QCOMPARE(w.list(u"lstSet1"_s)->item(0)->isSelected(), true);
    QCOMPARE(w.button(u"cmdHagaki"_s)->isEnabled(), postcardsUsable);
    QCOMPARE(w.button(u"cmdAt"_s)->isEnabled(), singleUsable);
    QCOMPARE(w.action(u"mnuAt"_s)->isEnabled(), singleUsable);
    QCOMPARE(w.h.state.SaveName, saveNameSet ? file : QString());
    QVERIFY(w.button(u"cmdCard"_s)->isEnabled());
    QVERIFY(w.action(u"mnuSheet"_s)->isEnabled());
    QCOMPARE(w.h.platform.dialogs.requests().last().request.initialFolder,
             platform::ProgramFolder::path());
    QCOMPARE(w.h.platform.dialogs.requests().last().request.filter, shown(texts::OpenFilter));
}

void StartWindowTest::saveProposesOpenedNameAndPutsBookAway_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("proposesOpened");
    QTest::newRow("button") << u"cmdSave"_s << true;
    QTest::newRow("menu") << u"mnuSave"_s << false;
}

void StartWindowTest::saveProposesOpenedNameAndPutsBookAway() {
    QFETCH(QString, command);
    QFETCH(bool, proposesOpened);
    Window w;
    const QString file = w.openBook(3);
    const QString copy = w.h.path(u"copy.csv"_s);
    w.h.platform.dialogs.answer(copy);
    w.press(command);

    const platform::FileDialogRequest& asked = w.h.platform.dialogs.requests().last().request;
    QCOMPARE(asked.proposedName, proposesOpened ? file : QString());
    QVERIFY(asked.overwritePrompt);
    QCOMPARE(asked.filter, shown(texts::SaveFilter));
    QCOMPARE(StartHarness::bytes(copy), StartHarness::bytes(file));
    QCOMPARE(w.list(u"lstSet1"_s)->count(), 0);
    QCOMPARE(w.view().lstOpt1().size(), 3);
    for (const QString& name : {u"cmdSave"_s, u"cmdCard"_s, u"cmdView"_s, u"cmdOrder"_s})
        QVERIFY2(!w.button(name)->isEnabled(), qPrintable(name));
    QVERIFY(w.button(u"cmdAt"_s)->isEnabled());
    QVERIFY(w.action(u"mnuAt"_s)->isEnabled());
    QCOMPARE(w.h.state.BookPath, file);
    QCOMPARE(w.view().Text1, proposesOpened ? file : copy);
}

void StartWindowTest::handOvers_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("call");
    QTest::newRow("cmdCard") << u"cmdCard"_s << u"editor 0"_s;
    QTest::newRow("mnuSet") << u"mnuSet"_s << u"editor 0"_s;
    QTest::newRow("cmdView") << u"cmdView"_s << u"sheet button"_s;
    QTest::newRow("mnuSheet") << u"mnuSheet"_s << u"sheet menu"_s;
    QTest::newRow("cmdOrder") << u"cmdOrder"_s << u"order"_s;
    QTest::newRow("mnuOrder") << u"mnuOrder"_s << u"order"_s;
    QTest::newRow("mnuAt") << u"mnuAt"_s << u"single"_s;
    QTest::newRow("cmdNew") << u"cmdNew"_s << u"editor 0"_s;
}

void StartWindowTest::handOvers() {
    QFETCH(QString, command);
    QFETCH(QString, call);
    Window w;
    w.openBook(2, u"mnuOpen"_s); // leaves the single-address commands usable
    w.press(command);
    QCOMPARE(w.h.navigator.calls(), QStringList{call});
    QCOMPARE(w.h.state.Reentry, 1);
    // Only the single-address button stops the close box ending the program.
    QVERIFY(w.h.state.ExitOnClose);
    // The window makes way: its close does not end the program.
    w.form->close();
    QCOMPARE(w.h.navigator.calls(), QStringList{call});
}

void StartWindowTest::helpAndHomePage() {
    Window w;
    w.press(u"cmdHlp"_s);
    QCOMPARE(w.h.platform.help.requests().size(), 1);
    QCOMPARE(w.h.platform.help.requests()[0].command, platform::HelpViewer::Command::Contents);
    w.press(u"mnuUrl"_s);
    QCOMPARE(w.h.platform.shell.urls(), QStringList{QStringLiteral(TAGORA_HOME_PAGE)});
    w.press(u"mnuVer"_s);
    QCOMPARE(w.h.navigator.calls(), QStringList{u"about"_s});
    QCOMPARE(w.h.state.Reentry, 0);
}

void StartWindowTest::exitPathsWriteSettings_data() {
    QTest::addColumn<QString>("command"); // empty: the close box
    QTest::newRow("cmdTexit") << u"cmdTexit"_s;
    QTest::newRow("mnuExit") << u"mnuExit"_s;
    QTest::newRow("close box") << QString();
}

void StartWindowTest::exitPathsWriteSettings() {
    QFETCH(QString, command);
    Window w;
    StartHarness::putBytes(w.h.settingsPath(), "\"old.dat\",\"2\",\"keep,me\"\r\n");
    w.form = std::make_unique<app::frmStart>(w.h.context); // reads the settings above
    const QString file = w.openBook(2);
    if (command.isEmpty())
        w.form->close();
    else
        w.press(command);
    QCOMPARE(w.h.settingsLine(), u"\"%1\",\"3\",\"keep,me\"\r\n"_s.arg(file));
    QCOMPARE(w.h.navigator.calls(), QStringList{u"quit"_s});
}

void StartWindowTest::closeBoxAfterSingleFormWritesNothing() {
    Window w;
    w.press(u"cmdAt"_s);
    QCOMPARE(w.h.navigator.calls(), QStringList{u"single"_s});
    QVERIFY(!w.h.state.ExitOnClose);
    w.form = std::make_unique<app::frmStart>(w.h.context); // the return
    w.form->close();
    QCOMPARE(w.h.settingsLine(), u"<missing>"_s);
    QCOMPARE(w.h.navigator.calls(), QStringList{u"single"_s});
}

void StartWindowTest::captionsFit() {
    Window w;
    w.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    for (QPushButton* button : w.form->findChildren<QPushButton*>())
        QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(button->text()),
                 qPrintable(button->objectName()));
    for (QLabel* label : w.form->findChildren<QLabel*>())
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                 qPrintable(label->objectName()));
    QVERIFY(w.form->geometry().width() <= 1024);
}

QTEST_MAIN(StartWindowTest)
#include "StartWindowTest.moc"
