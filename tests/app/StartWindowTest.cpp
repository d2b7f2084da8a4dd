#include "StartHarness.h"

#include "app/StartTexts.h"
#include "app/frmStart.h"
#include "platform/Fonts.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A start window on a harness, its controls found by objectName.
struct Window {
    StartHarness h;
    std::unique_ptr<app::frmStart> form = std::make_unique<app::frmStart>(h.context);

    // The control called name, a button or a menu command.
    QObject* control(const QString& name) const { return form->findChild<QObject*>(name); }
    bool enabled(const QString& name) const { return control(name)->property("enabled").toBool(); }
    void press(const QString& name) {
        QMetaObject::invokeMethod(control(name),
                                  qobject_cast<QAction*>(control(name)) ? "trigger" : "click");
    }
    QString count() const { return form->findChild<QLabel*>(u"lblCount"_s)->text(); }

    // Opens a book of n cards with the given command.
    QString openBook(int n, const QString& command = u"cmdOpen"_s) {
        const QString file = h.writeBook(u"book.dat"_s, n);
        h.platform.dialogs.answer(file);
        press(command);
        return file;
    }

    // Selects rows of a list, then runs command.
    void pick(const QString& listName, const QList<int>& rows, const QString& command) {
        auto* l = form->findChild<QListWidget*>(listName);
        l->clearSelection();
        for (int row : rows)
            l->item(row)->setSelected(true);
        press(command);
    }
};

const QStringList AlwaysUsable = {u"cmdNew"_s, u"cmdOpen"_s, u"cmdAt"_s, u"mnuAt"_s, u"cmdTexit"_s};
// Usable while a book is open, whatever the print list holds.
const QStringList BookCommands = {
    u"lstSet1"_s,        u"lstSet2"_s,        u"cmdAdd"_s,   u"cmdSave"_s,   u"cmdCard"_s,
    u"cmdView"_s,        u"cmdOrder"_s,       u"cmdPrint"_s, u"cmdHagaki"_s, u"envelopeButton"_s,
    u"mnuSave"_s,        u"mnuExport"_s,      u"mnuSet"_s,   u"mnuSheet"_s,  u"mnuOrder"_s,
    u"envelopeAction"_s, u"codeCheckAction"_s};

} // namespace

class StartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    // Adding the same rows again up to the 300 limit, then deleting some.
    void printListKeepsColumnsAlignedUpToItsLimit() {
        Window w;
        w.openBook(300);
        w.pick(u"lstSet1"_s, {0, 1, 3}, u"cmdAdd"_s);
        w.press(u"cmdAdd"_s); // the same rows once more
        QList<int> rows;
        for (int row = 0; row < 293; ++row)
            rows << row;
        w.pick(u"lstSet1"_s, rows, u"cmdAdd"_s);
        QVERIFY(w.h.platform.messages.texts().isEmpty());
        QCOMPARE(w.count(), u"299"_s);
        QVERIFY(w.enabled(u"cmdPrint"_s));
        QString countWhileShown;
        w.h.platform.messages.whileShown([&](const QString&) { countWhileShown = w.count(); });
        w.pick(u"lstSet1"_s, {299}, u"cmdAdd"_s);
        QCOMPARE(w.h.platform.messages.texts(), QStringList{shown(app::starttexts::ListLimit)});
        QCOMPARE(countWhileShown, u"300"_s); // the counter is up to date behind the message
        w.h.platform.messages.whileShown({});
        QCOMPARE(w.count(), u"300"_s);
        QVERIFY(!w.enabled(u"cmdPrint"_s) && w.enabled(u"cmdHagaki"_s));

        w.pick(u"lstSet2"_s, {0, 2, 3}, u"cmdDel"_s);
        QCOMPARE(w.count(), u"297"_s);
        QVERIFY(w.enabled(u"cmdPrint"_s));
        const book::CardList cards = StartHarness::cards(4);
        const auto& list = w.form->screen().view().printList;
        QCOMPARE(list.cards().mid(0, 3), (book::CardList{cards[1], cards[1], cards[3]}));
        for (int field = 2; field <= 7; ++field)
            QCOMPARE(list.column(field).size(), 297);
    }

    // Either open leaves every print command usable; the button's save
    // proposes the opened name. After a save the book lives in the new file,
    // with its names and the print list still shown.
    void openAndSaveFromButtonOrMenu_data() {
        QTest::addColumn<bool>("fromButton");
        QTest::newRow("button") << true;
        QTest::newRow("menu") << false;
    }
    void openAndSaveFromButtonOrMenu() {
        QFETCH(bool, fromButton);
        Window w;
        const QString file = w.openBook(3, fromButton ? u"cmdOpen"_s : u"mnuOpen"_s);
        QVERIFY(w.enabled(u"cmdHagaki"_s) && w.enabled(u"cmdAt"_s) && w.enabled(u"mnuAt"_s));
        w.pick(u"lstSet1"_s, {1}, u"cmdAdd"_s);

        const QString copy = w.h.path(u"copy.csv"_s);
        w.h.platform.dialogs.answer(copy);
        w.press(fromButton ? u"cmdSave"_s : u"mnuSave"_s);
        const platform::FileDialogRequest& asked = w.h.platform.dialogs.requests().last().request;
        QCOMPARE(asked.proposedName, fromButton ? file : QString());
        QVERIFY(asked.overwritePrompt);
        QCOMPARE(readBytes(copy), readBytes(file));
        QCOMPARE(w.form->findChild<QListWidget*>(u"lstSet1"_s)->count(), 3);
        QCOMPARE(w.count(), u"1"_s);
        QVERIFY(w.enabled(u"cmdCard"_s) && w.enabled(u"cmdPrint"_s) && w.enabled(u"cmdAt"_s));
        QCOMPARE(w.form->windowTitle(), u"Tagora — copy.csv"_s);
    }

    // Without a book only the book-less commands are usable; 削除 and クリアー
    // wait for entries, 削除 for one picked.
    void commandsFollowTheBookAndTheList_data() {
        QTest::addColumn<int>("step"); // 0 no book, 1 a book, 2 an entry added, 3 it picked
        QTest::addColumn<QStringList>("usable");
        const QStringList book = AlwaysUsable + BookCommands;
        QTest::newRow("no book") << 0 << AlwaysUsable;
        QTest::newRow("a book") << 1 << book;
        QTest::newRow("an entry") << 2 << book + QStringList{u"cmdClear"_s};
        QTest::newRow("an entry picked") << 3 << book + QStringList{u"cmdClear"_s, u"cmdDel"_s};
    }
    void commandsFollowTheBookAndTheList() {
        QFETCH(int, step);
        QFETCH(QStringList, usable);
        Window w;
        if (step >= 1)
            w.openBook(2);
        if (step >= 2)
            w.pick(u"lstSet1"_s, {0}, u"cmdAdd"_s);
        if (step >= 3)
            w.pick(u"lstSet2"_s, {0}, u"lstSet2"_s);
        QStringList found;
        for (const QString& name :
             AlwaysUsable + BookCommands + QStringList{u"cmdClear"_s, u"cmdDel"_s})
            if (w.enabled(name))
                found << name;
        usable.sort();
        found.sort();
        QCOMPARE(found, usable);
    }

    // After a hand-over the window's close ends nothing; exits write the settings, last field kept.
    void handOversAndExits_data() {
        QTest::addColumn<QString>("command"); // empty: the close box alone
        QTest::addColumn<QString>("call");
        QTest::newRow("cmdCard") << u"cmdCard"_s << u"editor 0"_s;
        QTest::newRow("mnuSheet") << u"mnuSheet"_s << u"sheet menu"_s;
        QTest::newRow("mnuAt") << u"mnuAt"_s << u"single"_s;
        QTest::newRow("cmdTexit") << u"cmdTexit"_s << u"quit"_s;
        QTest::newRow("close box") << QString() << u"quit"_s;
    }
    void handOversAndExits() {
        QFETCH(QString, command);
        QFETCH(QString, call);
        Window w;
        writeBytes(w.h.settingsPath(), "\"old.dat\",\"2\",\"keep,me\"\r\n");
        w.form = std::make_unique<app::frmStart>(w.h.context); // reads the settings above
        const QString file =
            w.openBook(2, u"mnuOpen"_s); // leaves the single-address commands usable
        if (!command.isEmpty())
            w.press(command);
        if (command != u"cmdTexit"_s)
            w.form->close();
        QCOMPARE(w.h.navigator.calls(), QStringList{call});
        if (call == u"quit"_s)
            QCOMPARE(w.h.settingsLine(), u"\"%1\",\"3\",\"keep,me\"\r\n"_s.arg(file));
    }
};

QTEST_MAIN(StartWindowTest)
#include "StartWindowTest.moc"
