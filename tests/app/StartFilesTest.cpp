#include "StartHarness.h"

#include "app/StartTexts.h"

#include <QTest>

using namespace Qt::StringLiterals;
using app::FileCommands;
using app::StartScreen;
namespace texts = app::starttexts;

namespace {

// n book lines in the old layout (no address 3) or, as converted, in the current one.
QByteArray bookLines(int n, bool old) {
    QString lines;
    for (int i = 1; i <= n; ++i)
        lines += u"\"旧%1\",\"住所%1\",\"番地%1\",%2\"100-%1\",\"C%1\",\"%3\"\r\n"_s.arg(i).arg(
            old ? QString() : u"\"\","_s, QString::number(i % 6));
    return *book::encodeCp932(lines);
}

// A loaded start screen that opened a book of n cards, by default with its button.
struct Opened {
    StartHarness h;
    StartScreen screen{h.context};
    QString file;

    explicit Opened(int n, FileCommands::From from = FileCommands::From::Button) {
        screen.load();
        file = h.writeBook(u"book.dat"_s, n);
        h.open(screen, file, from);
    }
};

} // namespace

class StartFilesTest : public QObject {
    Q_OBJECT
private slots:
    void oldBookIsConvertedOnOpen_data() {
        QTest::addColumn<int>("cards");
        QTest::newRow("empty file") << 0;
        // 42 fields would read as six current cards without the line check.
        QTest::newRow("seven old cards, 42 fields") << 7;
    }

    void oldBookIsConvertedOnOpen() {
        QFETCH(int, cards);
        Opened o(1);
        const QString file = o.h.path(u"old.dat"_s);
        writeBytes(file, bookLines(cards, true));
        o.h.open(o.screen, file);

        QCOMPARE(o.h.platform.messages.texts(), QStringList{shown(texts::Converting)});
        QCOMPARE(readBytes(file), bookLines(cards, false));
        QCOMPARE(*book::formatBook(o.h.state.CardTable), bookLines(cards, false));
        QCOMPARE(o.screen.view().lstSet1().size(), cards);
    }

    void unreadableFileKeepsPreviousBook_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray tooMany = *book::formatBook(StartHarness::cards(300)) +
                                   *book::encodeCp932(u"\"名301\",\"\",\"\",\"\",\"\",\"\",\"0\"\r\n"_s);
        QTest::newRow("301 cards") << tooMany << shown(texts::BookTooLarge);
        QTest::newRow("not code page 932") << QByteArray("\"\x81\x7f\",\"\",\"\",\"\",\"\",\"\",\"0\"\r\n")
                                           << shown(texts::CannotRead);
        QTest::newRow("cut short") << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"0\"\r\n\"g\",\"h\"\r\n")
                                   << shown(texts::CannotRead);
    }

    void unreadableFileKeepsPreviousBook() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        Opened o(3);
        const QString bad = o.h.path(u"bad.dat"_s);
        writeBytes(bad, content);
        o.h.open(o.screen, bad);

        QCOMPARE(o.h.platform.messages.texts(), QStringList{message});
        QCOMPARE(o.h.state.BookPath, o.file);
        QCOMPARE(o.h.state.CardTable, StartHarness::cards(3));
        // Nothing writes the partly read cards over the file afterwards.
        o.screen.newBook();
        QCOMPARE(readBytes(bad), content);
        QCOMPARE(readBytes(o.file), *book::formatBook(StartHarness::cards(3)));
    }

    void newBookWritesBackThenOpensEditor() {
        Opened o(2);
        o.h.state.CardTable[1].name = u"変更"_s;
        const book::CardList expected = o.h.state.CardTable;

        o.screen.newBook();
        QCOMPARE(readBytes(o.file), *book::formatBook(expected));
        QCOMPARE(o.h.navigator.calls(), QStringList{u"editor 0"_s});
        QVERIFY(!o.h.state.ExistingBook);
        // The editor finds a new book in the settings.
        QCOMPARE(o.h.settingsLine(), u"\"%1\",\"2\",\"\"\r\n"_s.arg(o.file));
    }

    void newBookStopsWhenWriteBackFails() {
        Opened o(2);
        o.h.state.BookPath = o.h.path(u"gone/book.dat"_s);
        o.screen.newBook();
        QCOMPARE(o.h.platform.messages.texts(), QStringList{shown(texts::CannotWrite)});
        QVERIFY(o.h.navigator.calls().isEmpty());
        QCOMPARE(o.h.state.CardTable, StartHarness::cards(2));
    }

    void returnReloadsBook_data() {
        QTest::addColumn<bool>("removed");
        QTest::newRow("file still there") << false;
        QTest::newRow("file removed meanwhile") << true;
    }

    void returnReloadsBook() {
        QFETCH(bool, removed);
        Opened o(3);
        if (removed)
            QFile::remove(o.file);
        o.h.state.Reentry = 1;
        o.h.state.CardTable = StartHarness::cards(5); // stale: the file is what counts
        StartScreen back(o.h.context);
        back.load();

        QCOMPARE(back.view().lstSet1().size(), removed ? 0 : 3);
        QCOMPARE(back.view().controls.isEnabled(u"cmdCard"_s), !removed);
        QCOMPARE(o.h.platform.messages.texts(), removed ? QStringList{shown(texts::CannotRead)} : QStringList());
    }

    void returnWithoutBookKeepsSettings() {
        StartHarness h;
        writeBytes(h.settingsPath(), "\"/books/a.dat\",\"3\",\"R9\"\r\n");
        StartScreen first(h.context);
        first.load();
        first.single(FileCommands::From::Menu);
        StartScreen back(h.context);
        back.load();
        back.exit();
        QCOMPARE(h.settingsLine(), u"\"/books/a.dat\",\"3\",\"R9\"\r\n"_s);
    }

    void cancelledMenuSaveKeepsSettingsPath() {
        Opened o(2, FileCommands::From::Menu);
        o.screen.save(FileCommands::From::Menu); // cancelled
        o.screen.exit();
        QCOMPARE(o.h.settingsLine(), u"\"%1\",\"3\",\"\"\r\n"_s.arg(o.file));
    }
};

QTEST_GUILESS_MAIN(StartFilesTest)
#include "StartFilesTest.moc"
