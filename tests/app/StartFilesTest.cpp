#include "StartHarness.h"

#include "app/StartTexts.h"
#include "ui/RecordingNavigator.h"

#include <QDir>
#include <QFileInfo>
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
    void oldBookIsConvertedOnlyWhenAgreed_data() {
        QTest::addColumn<int>("cards");
        QTest::addColumn<bool>("agreed");
        QTest::addColumn<bool>("backupTaken");
        QTest::newRow("one old card") << 1 << true << false;
        // 42 fields would read as six current cards without the line check.
        QTest::newRow("seven old cards, 42 fields") << 7 << true << false;
        QTest::newRow("a copy is there already") << 2 << true << true;
        QTest::newRow("cancelled") << 2 << false << false;
    }

    // The question says what happens; the original stays beside the book.
    void oldBookIsConvertedOnlyWhenAgreed() {
        QFETCH(int, cards);
        QFETCH(bool, agreed);
        QFETCH(bool, backupTaken);
        Opened o(1);
        const QString file = o.h.path(u"old.dat"_s);
        const QByteArray old = bookLines(cards, true);
        writeBytes(file, old);
        if (backupTaken)
            writeBytes(file + u".bak"_s, "earlier copy");
        const QString backup = file + (backupTaken ? u".bak2"_s : u".bak"_s);
        o.h.platform.messages.answer(agreed ? platform::Answer::Ok : platform::Answer::Cancel);
        o.h.open(o.screen, file);

        const QString question = o.h.platform.messages.lastText();
        QVERIFY(question.startsWith(shown(texts::Converting)));
        QVERIFY(question.contains(backup));
        QCOMPARE(readBytes(file), agreed ? bookLines(cards, false) : old);
        QCOMPARE(QFile::exists(backup), agreed);
        if (agreed)
            QCOMPARE(readBytes(backup), old);
        if (backupTaken)
            QCOMPARE(readBytes(file + u".bak"_s), QByteArray("earlier copy"));
        QCOMPARE(o.h.state.book.path(), agreed ? file : o.file);
        QCOMPARE(o.screen.view().bookNames().size(), agreed ? cards : 1);
    }

    void foreignFileIsRefusedUntouched_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("spreadsheet export, six columns with a header") << *book::encodeCp932(
            u"氏名,住所1,住所2,郵便番号,コード,敬称\r\n山田,東京都,港区,105-0011,,様\r\n"_s);
        QTest::newRow("quoted header row, seven columns") << *book::encodeCp932(
            u"\"氏名\",\"住所1\",\"住所2\",\"住所3\",\"〒\",\"コード\",\"敬称\"\r\n"_s);
        QTest::newRow("doubled quotes in an old card")
            << QByteArray("\"a\"\"b\",\"c\",\"d\",\"100-0001\",\"\",\"0\"\r\n");
        QTest::newRow("five fields") << QByteArray("\"a\",\"b\",\"c\",\"d\",\"0\"\r\n");
    }

    // Anything that is neither a book nor an old book is left byte for byte;
    // a CSV file not in the book's layout is offered to the import (declined here).
    void foreignFileIsRefusedUntouched() {
        QFETCH(QByteArray, content);
        Opened o(2);
        const QString file = o.h.path(u"export.csv"_s);
        writeBytes(file, content);
        o.h.platform.messages.answer(platform::Answer::Cancel);
        o.h.open(o.screen, file);
        const QStringList either{shown(texts::CannotRead),
                                 shown(texts::OfferImport).arg(u"export.csv"_s)};
        QCOMPARE(o.h.platform.messages.texts().size(), 1);
        QVERIFY(either.contains(o.h.platform.messages.lastText()));
        QVERIFY(o.h.navigator.calls().isEmpty());
        QCOMPARE(readBytes(file), content);
        QVERIFY(!QFile::exists(file + u".bak"_s));
        QCOMPARE(o.h.state.book.path(), o.file);
    }

    void emptyFileOpensWithoutWriting() {
        Opened o(2);
        const QString file = o.h.path(u"empty.dat"_s);
        writeBytes(file, QByteArray());
        const QDateTime written = QFileInfo(file).lastModified();
        o.h.open(o.screen, file);
        QVERIFY(o.h.platform.messages.texts().isEmpty());
        QCOMPARE(o.h.state.book, session::CurrentBook::file(file));
        QCOMPARE(QFileInfo(file).lastModified(), written);
        QVERIFY(!QFile::exists(file + u".bak"_s));
    }

    void unreadableFileKeepsPreviousBook_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray tooMany =
            *book::formatBook(StartHarness::cards(300)) +
            *book::encodeCp932(u"\"名301\",\"\",\"\",\"\",\"\",\"\",\"0\"\r\n"_s);
        QTest::newRow("301 cards") << tooMany << shown(texts::BookTooLarge);
        QTest::newRow("not code page 932")
            << QByteArray("\"\x81\x7f\",\"\",\"\",\"\",\"\",\"\",\"0\"\r\n")
            << shown(texts::CannotRead);
        QTest::newRow("cut short")
            << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"0\"\r\n\"g\",\"h\"\r\n")
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
        QCOMPARE(o.h.state.book.path(), o.file);
        QCOMPARE(o.h.state.cards, StartHarness::cards(3));
        // Nothing writes the partly read cards over the file afterwards.
        o.screen.newBook();
        QCOMPARE(readBytes(bad), content);
        QCOMPARE(readBytes(o.file), *book::formatBook(StartHarness::cards(3)));
    }

    void newBookWritesBackThenOpensEditor() {
        Opened o(2);
        o.h.state.cards[1].name = u"変更"_s;
        const book::CardList expected = o.h.state.cards;

        o.screen.newBook();
        QCOMPARE(readBytes(o.file), *book::formatBook(expected));
        QCOMPARE(o.h.navigator.calls(), QStringList{u"editor 0"_s});
        QCOMPARE(o.h.state.book.kind(), session::CurrentBook::Kind::Starting);
        // The editor is handed the new book in memory; the file waits for the next write.
        QCOMPARE(o.h.state.settings.bookState, u"2"_s);
        QCOMPARE(o.h.settingsLine(), u"<missing>"_s);
        // A new book has no name to propose.
        QVERIFY(o.h.state.saveName.isEmpty());
    }

    void newBookStopsWhenWriteBackFails() {
        Opened o(2);
        // The book's file was replaced by a folder, which cannot be written over.
        QVERIFY(QFile::remove(o.file));
        QVERIFY(QDir(o.h.dir.path()).mkdir(u"book.dat"_s));
        o.screen.newBook(); // the changed-file question is answered Yes
        QCOMPARE(o.h.platform.messages.texts().size(), 2);
        QCOMPARE(o.h.platform.messages.lastText(), shown(texts::CannotWrite));
        QVERIFY(o.h.navigator.calls().isEmpty());
        QCOMPARE(o.h.state.cards, StartHarness::cards(2));
    }

    // Cancelled at the changed-file question: no write, no message, the book stays open.
    void newBookCancelledWhenFileChanged() {
        Opened o(2);
        const QByteArray theirs = *book::formatBook(StartHarness::cards(4));
        writeBytes(o.file, theirs);
        o.h.platform.messages.answer(platform::Answer::Cancel);
        o.screen.newBook();
        QCOMPARE(o.h.platform.messages.texts().size(), 1);
        QCOMPARE(o.h.platform.messages.shown().first().buttons, platform::Buttons::YesNoCancel);
        QCOMPARE(readBytes(o.file), theirs);
        QVERIFY(o.h.navigator.calls().isEmpty());
        QVERIFY(o.h.state.book.isOpen());
    }

    // A quote read from an unquoted field: the card is named and opened in the editor.
    void quoteInCardOpensTheEditorOnIt() {
        StartHarness h;
        StartScreen screen(h.context);
        screen.load();
        QByteArray bytes = *book::formatBook(StartHarness::cards(1));
        bytes += *book::encodeCp932(u"\"名2\",\"住所\",\"\",\"\",\"100-0002\",C\"2,\"0\"\r\n"_s);
        const QString file = h.path(u"quoted.dat"_s);
        writeBytes(file, bytes);
        h.open(screen, file);
        h.platform.dialogs.answer(h.path(u"copy.dat"_s));
        screen.save(FileCommands::From::Menu);
        const QString message = h.platform.messages.lastText();
        QVERIFY(message.startsWith(shown(texts::CannotWrite)));
        QVERIFY(message.contains(u"2件目"_s) && message.contains(u"名2"_s));
        QCOMPARE(h.navigator.calls(), QStringList{u"editor 2"_s});
        QVERIFY(!QFile::exists(h.path(u"copy.dat"_s)));
        QCOMPARE(readBytes(file), bytes);
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
        o.h.state.startWindowAway = true;
        o.h.state.cards = StartHarness::cards(5); // stale: the file is what counts
        StartScreen back(o.h.context);
        back.load();

        QCOMPARE(back.view().bookNames().size(), removed ? 0 : 3);
        QCOMPARE(back.view().commands.editCards, !removed);
        QCOMPARE(o.h.platform.messages.texts(),
                 removed ? QStringList{shown(texts::CannotRead)} : QStringList());
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

    void oddFolderNameStillEdits_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("accented letter") << u"Café"_s;
        QTest::newRow("Hangul") << u"주소록"_s;
        QTest::newRow("double quote") << u"say \"hi\""_s;
    }

    // The settings cannot hold the book's place: said once, the rest is written, editing works.
    void oddFolderNameStillEdits() {
        QFETCH(QString, folder);
        StartHarness h;
        writeBytes(h.settingsPath(), "\"\",\"\",\"R9\"\r\n");
        StartScreen screen(h.context);
        screen.load();
        QVERIFY(QDir(h.dir.path()).mkdir(folder));
        const QString file = h.writeBook(folder + u"/book.dat"_s, 2);
        h.open(screen, file);
        screen.cardEditor();
        QCOMPARE(h.navigator.calls(), QStringList{u"editor 0"_s});
        QCOMPARE(h.state.book.path(), file);
        const QStringList once = h.platform.messages.texts();
        QCOMPARE(once.size(), 1);
        QVERIFY(once.first().contains(file));
        StartScreen back(h.context);
        back.load();
        back.exit();
        QCOMPARE(h.platform.messages.texts(), once);
        QCOMPARE(h.settingsLine(), u"\"\",\"3\",\"R9\"\r\n"_s);
    }

    // A second instance opening the same book is told; the lock goes with the book.
    void secondInstanceIsWarned() {
        Opened first(2);
        session::SessionState otherState;
        ui::RecordingNavigator otherNavigator;
        ui::AppContext other{otherState, first.h.platform.platform, otherNavigator};
        StartScreen second(other);
        second.load();
        first.h.open(second, first.file);
        QCOMPARE(first.h.platform.messages.texts().size(), 1);
        QVERIFY(first.h.platform.messages.lastText().contains(first.file));
        QVERIFY(otherState.book.isOpen()); // opened all the same

        first.h.platform.messages.clear();
        first.screen.newBook(); // the first instance lets the book go
        second.newBook();
        StartScreen third(other);
        third.load();
        first.h.open(third, first.file);
        QVERIFY(first.h.platform.messages.texts().isEmpty());
    }

    // Dialogs start where the book is, else in the documents folder; never in
    // a folder that does not exist (the program folder before the first write).
    void dialogsStartBesideTheBook() {
        StartHarness h;
        platform::ProgramFolder::choose(h.path(u"not-yet"_s));
        StartScreen screen(h.context);
        screen.load();
        QVERIFY(QDir(h.dir.path()).mkdir(u"books"_s));
        const QString file = h.writeBook(u"books/b.dat"_s, 2);
        h.open(screen, file);
        screen.save(FileCommands::From::Menu); // cancelled
        const auto& requests = h.platform.dialogs.requests();
        QCOMPARE(requests.size(), 2);
        const QString first = requests.at(0).request.initialFolder;
        QVERIFY(QFileInfo(first).isDir());
        QCOMPARE(first, platform::dialogStartFolder(QString()));
        QCOMPARE(requests.at(1).request.initialFolder, h.path(u"books"_s));
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
