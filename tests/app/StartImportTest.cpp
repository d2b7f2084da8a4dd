#include "StartHarness.h"

#include "app/StartTexts.h"
#include "book/BookRead.h"
#include "exchange/Export.h"
#include "exchange/ImportPreview.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using app::StartScreen;
namespace texts = app::starttexts;

namespace {

// n contacts as CSV with a Japanese header: 取込1 … at 住所1-n.
QByteArray contactsCsv(int n) {
    QString text = u"氏名,郵便番号,住所1,住所2,敬称\r\n"_s;
    for (int i = 1; i <= n; ++i)
        text += u"取込%1,2%2,大阪府%1,梅田%1,御中\r\n"_s.arg(i).arg(i, 6, 10, QLatin1Char('0'));
    return *book::encodeCp932(text);
}

// The card contact i becomes: its postal code written 2NN-NNNN.
book::AddressCard contact(int i) {
    const QString code = u"2%1"_s.arg(i, 6, 10, QLatin1Char('0'));
    return {u"取込%1"_s.arg(i),
            u"大阪府%1"_s.arg(i),
            u"梅田%1"_s.arg(i),
            QString(),
            code.left(3) + u'-' + code.mid(3),
            QString(),
            u"2"_s};
}

book::CardList contacts(int n) {
    book::CardList list;
    for (int i = 1; i <= n; ++i)
        list << contact(i);
    return list;
}

// Every file in the folder with its bytes.
QMap<QString, QByteArray> folderBytes(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        files.insert(name, readBytes(QDir(folder).filePath(name)));
    return files;
}

book::CardList cardsOnDisk(const QString& path) {
    return book::readBook(path).loaded.cards;
}

// A loaded start screen; the import preview is answered OK unless told otherwise.
struct Screen {
    StartHarness h;
    StartScreen screen{h.context};
    QString book;

    Screen() {
        h.navigator.onImportPreview = [](exchange::ImportPreview&) { return true; };
        screen.load();
    }
    void openBook(int n) {
        book = h.writeBook(u"book.dat"_s, n);
        h.open(screen, book);
    }
    // Imports a CSV of n contacts; the dialogs answered with the CSV, then with saveAs.
    QString importCsv(int n, const QString& saveAs = {}) {
        const QString csv = h.path(u"contacts.csv"_s);
        writeBytes(csv, contactsCsv(n));
        h.platform.dialogs.answer(csv);
        if (!saveAs.isEmpty())
            h.platform.dialogs.answer(saveAs);
        screen.importContacts();
        return csv;
    }
};

} // namespace

class StartImportTest : public QObject {
    Q_OBJECT
private slots:
    // Appended to the open book on disk up to 300 in all; what does not fit is said and left out.
    void appendsToOpenBookUpToItsCapacity_data() {
        QTest::addColumn<int>("inBook");
        QTest::addColumn<int>("imported");
        QTest::addColumn<int>("added");
        QTest::newRow("room for all") << 3 << 2 << 2;
        QTest::newRow("fills the book exactly") << 297 << 3 << 3;
        QTest::newRow("two do not fit") << 299 << 3 << 1;
    }
    void appendsToOpenBookUpToItsCapacity() {
        QFETCH(int, inBook);
        QFETCH(int, imported);
        QFETCH(int, added);
        Screen s;
        s.openBook(inBook);
        QCOMPARE(cardsOnDisk(s.book), StartHarness::cards(inBook));
        const QString csv = s.importCsv(imported);
        const QByteArray csvBefore = contactsCsv(imported);

        const book::CardList expected = StartHarness::cards(inBook) + contacts(added);
        QCOMPARE(cardsOnDisk(s.book), expected);
        QCOMPARE(s.h.state.cards, expected);
        QCOMPARE(s.screen.view().bookNames().size(), inBook + added);
        QCOMPARE(s.screen.view().bookNames().last(), u"取込%1"_s.arg(added));
        QCOMPARE(readBytes(csv), csvBefore);
        const QStringList said = s.h.platform.messages.texts();
        if (added < imported)
            QCOMPARE(said, QStringList{shown(texts::ImportDidNotFit).arg(imported - added)});
        else
            QVERIFY2(said.isEmpty(), qPrintable(said.join(u'|')));
        QVERIFY(s.screen.view().commands.exportBook);
    }

    // A full book is not written at all.

    // 郵便番号の確認 lists the card whose code is another town's, says when all agree, changes
    // nothing.
    void theCodeCheckNamesMismatchesOnly() {
        Screen s;
        s.book = s.h.path(u"codes.dat"_s);
        const book::AddressCard right{
            u"山田　一郎"_s, u"東京都千代田区"_s, u"丸の内１－１"_s, {}, u"100-0005"_s, {}, u"0"_s};
        book::AddressCard wrong = right;
        wrong.name = u"佐藤　花子"_s;
        wrong.postalCode = u"100-0001"_s;
        for (const book::CardList& cards : {book::CardList{right, wrong}, book::CardList{right}}) {
            book::writeBook(s.book, cards);
            const QByteArray before = readBytes(s.book);
            s.h.open(s.screen, s.book);
            s.h.platform.messages.clear();
            s.screen.checkCodes();
            const QString said = s.h.platform.messages.texts().join(u'|');
            QCOMPARE(said.contains(u"2 佐藤　花子: 100-0001 は 千代田区千代田"_s),
                     cards.size() == 2);
            QCOMPARE(said == shown(texts::CodesAgree), cards.size() == 1);
            QCOMPARE(readBytes(s.book), before);
        }
    }

    // Several files chosen at once are imported one after another into the book.
    void severalFilesComeInTogether() {
        Screen s;
        s.openBook(2);
        const QString first = s.h.path(u"first.csv"_s), second = s.h.path(u"second.csv"_s);
        writeBytes(first, contactsCsv(1));
        writeBytes(second, contactsCsv(2));
        s.h.platform.dialogs.answer(first + u'\n' + second);
        s.screen.importContacts();
        QCOMPARE(cardsOnDisk(s.book), StartHarness::cards(2) + contacts(1) + contacts(2));
    }
    void fullBookIsLeftAlone() {
        Screen s;
        s.openBook(300);
        const QByteArray before = readBytes(s.book);
        s.importCsv(2);
        QCOMPARE(readBytes(s.book), before);
        QCOMPARE(s.h.platform.messages.texts(), QStringList{shown(texts::ImportDidNotFit).arg(2)});
    }

    // What the user chose in the preview is what is written.
    void previewChangesAreImported() {
        Screen s;
        s.openBook(1);
        s.h.navigator.onImportPreview = [](exchange::ImportPreview& preview) {
            preview.setColumnUse(3, exchange::CardField::Unused); // 住所2
            return true;
        };
        s.importCsv(1);
        book::AddressCard changed = contact(1);
        changed.address2.clear();
        QCOMPARE(cardsOnDisk(s.book), StartHarness::cards(1) + book::CardList{changed});
    }

    // With no book open the cards become a book saved under the name given, which is then open.
    void withoutBookSavesANewOne() {
        Screen s;
        s.importCsv(4, s.h.path(u"imported"_s));
        const QString saved = s.h.path(u"imported.dat"_s);
        QCOMPARE(cardsOnDisk(saved), contacts(4));
        QCOMPARE(s.h.state.book, session::CurrentBook::file(saved));
        QCOMPARE(s.screen.view().settings.lastBook, saved);
        QCOMPARE(s.screen.view().bookNames().size(), 4);
        QVERIFY(s.screen.view().commands.exportBook);
        // A later import goes to that book.
        s.importCsv(1);
        QCOMPARE(cardsOnDisk(saved), contacts(4) + contacts(1));
    }

    // A cancel at any step leaves every file byte for byte and no new one.
    void cancelChangesNothing_data() {
        QTest::addColumn<bool>("bookOpen");
        QTest::addColumn<QString>("step");
        QTest::newRow("open dialog") << true << u"open"_s;
        QTest::newRow("preview, book open") << true << u"preview"_s;
        QTest::newRow("preview, no book") << false << u"preview"_s;
        QTest::newRow("save dialog, no book") << false << u"save"_s;
    }
    void cancelChangesNothing() {
        QFETCH(bool, bookOpen);
        QFETCH(QString, step);
        Screen s;
        if (bookOpen)
            s.openBook(5);
        else
            s.h.writeBook(u"other.dat"_s, 5);
        const QString csv = s.h.path(u"contacts.csv"_s);
        writeBytes(csv, contactsCsv(3));
        const QMap<QString, QByteArray> before = folderBytes(s.h.dir.path());
        const book::CardList table = s.h.state.cards;
        if (step == u"preview"_s)
            s.h.navigator.onImportPreview = [](exchange::ImportPreview&) { return false; };
        if (step != u"open"_s)
            s.h.platform.dialogs.answer(csv);
        s.screen.importContacts(); // the save dialog, if asked, has no answer: cancelled
        QCOMPARE(folderBytes(s.h.dir.path()), before);
        QCOMPARE(s.h.state.cards, table);
        QCOMPARE(s.h.state.book.isOpen(), bookOpen);
        QVERIFY(s.h.platform.messages.texts().isEmpty());
        QCOMPARE(s.h.navigator.calls().contains(u"import preview"_s), step != u"open"_s);
    }

    // An unreadable file is said and the book stays as it was.
    void unreadableFileIsReported() {
        Screen s;
        s.openBook(2);
        const QByteArray before = readBytes(s.book);
        s.h.platform.dialogs.answer(s.h.path(u"missing.csv"_s));
        s.screen.importContacts();
        QCOMPARE(readBytes(s.book), before);
        QVERIFY(s.h.platform.messages.lastText().startsWith(shown(texts::CannotRead)));
        QVERIFY(!s.h.navigator.calls().contains(u"import preview"_s));
    }

    void exportWritesTheChosenType_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("type");
        QTest::addColumn<exchange::ExportFormat>("format");
        using enum exchange::ExportFormat;
        QTest::newRow("csv") << u"out.csv"_s << u"out.csv"_s << 0 << Csv;
        QTest::newRow("vcf") << u"out.vcf"_s << u"out.vcf"_s << 1 << VCard4;
        QTest::newRow("no extension") << u"out"_s << u"out.csv"_s << 0 << Csv;
        QTest::newRow("vCard 3.0") << u"phone.vcf"_s << u"phone.vcf"_s << 2 << VCard3;
        QTest::newRow("postcard CSV") << u"hagaki.csv"_s << u"hagaki.csv"_s << 3 << PostcardCsv;
    }
    void exportWritesTheChosenType() {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(int, type);
        QFETCH(exchange::ExportFormat, format);
        Screen s;
        s.openBook(3);
        const QByteArray book = readBytes(s.book);
        s.h.platform.dialogs.answer(s.h.path(answer), type);
        s.screen.exportBook();
        const book::CardList cards = StartHarness::cards(3);
        QCOMPARE(readBytes(s.h.path(written)), exchange::formatExport(format, cards).value());
        QCOMPARE(readBytes(s.book), book);
        QVERIFY(s.h.platform.messages.texts().isEmpty());
    }

    // The open book itself, under any spelling, is refused and stays as it was.
    void exportRefusesTheBook_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("same name") << u"book.csv"_s;
        QTest::newRow("through a dot folder") << u"./book.csv"_s;
        QTest::newRow("through a symlink") << u"link.csv"_s;
    }
    void exportRefusesTheBook() {
        QFETCH(QString, target);
        Screen s;
        // A book may have any name, .csv too.
        const QString book = s.h.path(u"book.csv"_s);
        book::writeBook(book, StartHarness::cards(2));
        QVERIFY(QFile::link(book, s.h.path(u"link.csv"_s)));
        s.h.open(s.screen, book);
        const QByteArray before = readBytes(book);
        s.h.platform.dialogs.answer(QDir(s.h.dir.path()).filePath(target));
        s.screen.exportBook();
        QCOMPARE(readBytes(book), before);
        QCOMPARE(s.h.platform.messages.texts(), QStringList{shown(texts::ExportIsBook)});
    }

    // Only CSV and vCard are written; the .dat book beside them is not touched.
    void exportRefusesOtherTypes() {
        Screen s;
        s.openBook(3);
        const QByteArray before = readBytes(s.book);
        s.h.platform.dialogs.answer(s.book);
        s.screen.exportBook();
        QCOMPARE(readBytes(s.book), before);
        QCOMPARE(s.h.platform.messages.texts(), QStringList{shown(texts::ExportNeedsType)});
    }
};

QTEST_GUILESS_MAIN(StartImportTest)
#include "StartImportTest.moc"
