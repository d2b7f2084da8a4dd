#include "postcard/frmPrintH.h"
#include "book/AddressFile.h"
#include "platform/Fonts.h"
#include "postcard/PostcardLayout.h"
#include "postcard/frmPriloc1.h"
#include "printing/OffsetsFile.h"
#include "printing/OutputChoice.h"
#include "support/PdfWindowWorld.h"
#include "support/WindowWorld.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <memory>

#include <QRadioButton>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using platform::Answer;

namespace {

book::AddressCard entry(int i, const QString& zip = u"123-4567"_s) {
    return {u"宛名%1"_s.arg(i), u"住所%1"_s.arg(i), u"二"_s, u"三"_s, zip, u"C"_s, u"1"_s};
}

book::CardList entries(int count) {
    book::CardList list;
    for (int i = 0; i < count; ++i)
        list << entry(i);
    return list;
}

// One screen with its doubles, in a program folder of its own.
struct Screen : WindowWorld {
    std::unique_ptr<postcard::frmPrintH> window;

    explicit Screen(const book::CardList& list) {
        platform.printers.setPrinters({u"Printer"_s}, u"Printer"_s);
        window = std::make_unique<postcard::frmPrintH>(context, list);
    }
    template <typename T> T* find(const QString& name) const { return window->findChild<T*>(name); }
    void click(const QString& name) const { find<QAbstractButton>(name)->click(); }
    QString text(const QString& name) const { return find<QLabel>(name)->text(); }
    bool printEnabled() const { return find<QPushButton>(u"cmdPrint"_s)->isEnabled(); }
    QString boxes() const {
        QStringList shown;
        for (int k = 0; k < 7; ++k)
            shown << text(u"lblZipb%1"_s.arg(k));
        return shown.join(u'|');
    }
};

// Files this process writes stop at bytes; a write beyond fails with EFBIG
// instead of killing the test.
struct FileSizeLimit {
    rlimit saved{};
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_DFL);
    }
};

} // namespace

class frmPrintHTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }
    void init() { printing::outputChoiceForThisRun() = {}; }

    // A shorter code after a full one must not leave the old digits in the boxes.
    // The close box goes back to the start window; it never ends the program.
    void closeBoxGoesBack() {
        Screen s(entries(1));
        s.window->show();
        QVERIFY(s.window->close());
        QCOMPARE(s.navigator.calls(), QStringList{u"start"_s});
        QVERIFY(s.state.startWindowAway);
    }

    // 出力先 opens the label screen's dialog: its choice holds for this run's jobs.
    void outputChoiceIsTheLabelScreensDialog() {
        Screen s(entries(1));
        s.window->show();
        auto* output = s.window->findChild<QAction*>(u"mnuOutput"_s);
        QVERIFY(output && !output->menu());
        output->trigger();
        auto* dialog = s.window->findChild<QDialog*>(u"OutputDialog"_s);
        QVERIFY(dialog && dialog->isVisible());
        auto* list = dialog->findChild<QListWidget*>(u"lstOutput"_s);
        QCOMPARE(list->count(), 2); // the printer, then the PDF file
        list->setCurrentRow(1);
        dialog->findChild<QPushButton*>(u"cmdOk"_s)->click();
        QCOMPARE(printing::outputChoiceForThisRun().mode, printing::OutputChoice::Mode::PdfFile);
    }

    void previewStepsThroughTheEntries() {
        Screen screen({entry(0), entry(1, u"123"_s), entry(2, QString())});
        QCOMPARE(screen.text(u"lblName"_s), u"宛名0 殿"_s);
        QCOMPARE(screen.boxes(), u"１|２|３|４|５|６|７"_s);
        screen.click(u"cmdFF"_s);
        QCOMPARE(screen.boxes(), u"||||||"_s); // "123" is not a whole code: nothing is guessed
        screen.click(u"cmdFF"_s);
        QCOMPARE(screen.boxes(), u"||||||"_s);
        screen.click(u"cmdFF"_s);
        QCOMPARE(screen.platform.messages.lastText(), u"最後のハガキです。"_s);
    }

    // 縦書き and the sender check box are remembered in a file of their own;
    // the entry on screen becomes the sender; the job prints both.
    void writingAndSenderAreRememberedAndPrinted() {
        WindowWorld world;
        world.platform.printers.setPrinters({u"Printer"_s}, u"Printer"_s);
        const book::CardList list = {
            entry(1),
            {u"差出　人"_s, u"大阪府"_s, u"梅田1"_s, QString(), u"5300001"_s, QString(), u"0"_s}};
        {
            postcard::frmPrintH window(world.context, list);
            QVERIFY(window.findChild<QRadioButton*>(u"optHorizontal"_s)->isChecked());
            window.findChild<QAbstractButton*>(u"optVertical"_s)->click();
            QVERIFY(!window.findChild<QLabel*>(u"lblName"_s)->isVisibleTo(&window));
            window.findChild<QAbstractButton*>(u"cmdFF"_s)->click();
            window.findChild<QAbstractButton*>(u"cmdSenderFromEntry"_s)->click();
            window.findChild<QAbstractButton*>(u"chkSender"_s)->click();
            window.findChild<QAbstractButton*>(u"cmdRew"_s)->click();
            QDir().mkpath(QStringLiteral(TAGORA_SCREENSHOT_DIR));
            window.grab().save(QStringLiteral(TAGORA_SCREENSHOT_DIR "/frmPrintH-vertical.png"));
        }
        QFile choices(world.dir.filePath(u"TagoraCard.ini"_s));
        QVERIFY(choices.open(QIODevice::ReadOnly));
        QCOMPARE(choices.readAll(), QByteArray("\"1\",\"1\"\r\n"));
        QFile sender(world.dir.filePath(u"Sender.dat"_s));
        QVERIFY(sender.open(QIODevice::ReadOnly));
        QCOMPARE(sender.readAll(), *book::formatBook({list[1]}));

        postcard::frmPrintH again(world.context, list);
        QVERIFY(again.findChild<QRadioButton*>(u"optVertical"_s)->isChecked());
        QVERIFY(again.findChild<QCheckBox*>(u"chkSender"_s)->isChecked());
        world.platform.messages.answer(Answer::Ok);
        again.findChild<QAbstractButton*>(u"cmdPrint"_s)->click();
        const platform::RecordingPrinter* printer = world.platform.printers.last();
        QVERIFY(printer && printer->ended());
        QVERIFY(printer->calls().contains(u"vertical 宛名一"_s));
        // The sender on both cards, and the second card is addressed to it.
        QCOMPARE(printer->calls().count(u"vertical 大阪府梅田一"_s), 3);
    }

    // A sender that cannot be saved is said so; Sender.dat, the book and
    // every other file stay as they were. Once it can be, only Sender.dat changes.
    void aSenderThatCannotBeSavedKeepsTheOldOne() {
        WindowWorld world;
        const book::CardList list = {entry(1), entry(2)};
        QVERIFY(book::writeBook(world.dir.filePath(u"book.dat"_s), list).ok());
        QVERIFY(book::writeBook(world.dir.filePath(u"Sender.dat"_s), {entry(7)}).ok());
        const auto snapshot = [&world] {
            QMap<QString, QByteArray> files;
            const QDir dir(world.dir.path());
            for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
                QFile file(dir.filePath(name));
                files[name] =
                    file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
            }
            return files;
        };
        const QMap<QString, QByteArray> before = snapshot();
        postcard::frmPrintH window(world.context, list);
        auto* shown = window.findChild<QLabel*>(u"lblSender"_s);
        const QString oldSender = shown->text();
        QVERIFY(oldSender.contains(u"宛名7"_s));
        {
            FileSizeLimit limit(16);
            window.findChild<QAbstractButton*>(u"cmdSenderFromEntry"_s)->click();
        }
        QVERIFY(world.platform.messages.lastText().startsWith(u"差出人を保存できませんでした。"_s));
        QCOMPARE(snapshot(), before);
        QCOMPARE(shown->text(), oldSender);

        window.findChild<QAbstractButton*>(u"cmdSenderFromEntry"_s)->click();
        QMap<QString, QByteArray> after = snapshot();
        QCOMPARE(after.take(u"Sender.dat"_s), *book::formatBook({list[0]}));
        QMap<QString, QByteArray> untouched = before;
        untouched.remove(u"Sender.dat"_s);
        QCOMPARE(after, untouched);
        QVERIFY(shown->text().contains(u"宛名1"_s));
    }

    // Cancel and a printer failure keep 印刷 on; a job prints every entry once, then it is off.
    // The OCR-B and A4 choices reach the job; the trims come from "Tagora1.opt", not the label
    // file.
    void printTakesTheScreensChoicesOncePerOpening() {
        Screen screen(entries(4));
        QVERIFY(printing::writeOffsets(screen.dir.filePath(u"Tagora1.opt"_s),
                                       {u"1220"_s, u"440"_s, u"0"_s})
                    .ok());
        QVERIFY(printing::writeOffsets(screen.dir.filePath(u"Tagora.opt"_s),
                                       {u"1400"_s, u"700"_s, u"0"_s})
                    .ok());
        screen.click(u"Option2"_s);
        screen.click(u"optA4"_s);
        screen.platform.messages.answer(Answer::Cancel);
        screen.click(u"cmdPrint"_s);
        QCOMPARE(screen.platform.printers.openCount(), 0);
        QVERIFY(screen.printEnabled());
        screen.platform.printers.failNextBegin(u"オフライン"_s);
        screen.click(u"cmdPrint"_s);
        QCOMPARE(screen.platform.messages.lastText(), u"印刷できませんでした。\nオフライン"_s);
        QVERIFY(screen.printEnabled());

        screen.click(u"cmdPrint"_s);
        QCOMPARE(screen.platform.messages.lastText(), u"印刷枚数は4枚です。"_s);
        const platform::RecordingPrinter* printer = screen.platform.printers.last();
        QVERIFY(printer->ended());
        QCOMPARE(printer->pageCount(), 4);
        QCOMPARE(printer->calls().first(), u"begin A4"_s);
        QCOMPARE(printer->printed().first().face, u"OCR-B"_s);
        QCOMPARE(printer->printed().first().yTwips, postcard::ZipBoxYTwips - 110);
        QCOMPARE(screen.window->Text4, u"1"_s);
        QCOMPARE(screen.window->Text5, u"-2"_s);
        QVERIFY(screen.printEnabled());
    }

    // The open book is refused as the PDF; a PDF that does not fit under the
    // file-size limit shows why, keeps the PDF printed before and leaves no
    // temporary; 印刷 stays on until a job comes out.
    void pdfJobsKeepTheBookAndTheOldPdf() {
        PdfWindowWorld world;
        const QString book = world.dir.filePath(u"book.dat"_s);
        QVERIFY(QFile::copy(QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat"), book));
        world.state.book = session::CurrentBook::file(book);
        const QByteArray bookBytes = world.bytesOf(u"book.dat"_s);
        const QString pdf = world.dir.filePath(u"ハガキ.pdf"_s);
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("%PDF-1.4\n% printed before\n") > 0);
        old.close();
        const QByteArray oldBytes = world.bytesOf(u"ハガキ.pdf"_s);
        const QStringList files = world.files();
        postcard::frmPrintH window(world.pdfContext, entries(3));
        auto* print = window.findChild<QPushButton*>(u"cmdPrint"_s);

        world.platform.dialogs.answer(book);
        print->click();
        QCOMPARE(world.platform.messages.lastText(),
                 QString::fromUtf16(printing::BookAsOutputText) + u'\n' + book);
        QCOMPARE(world.bytesOf(u"book.dat"_s), bookBytes);
        QVERIFY(print->isEnabled());

        world.platform.dialogs.answer(pdf);
        {
            FileSizeLimit limit(1024);
            print->click();
        }
        QCOMPARE(world.platform.messages.lastText(),
                 u"印刷できませんでした。\n%1: cannot be written: File too large"_s.arg(pdf));
        QCOMPARE(world.bytesOf(u"ハガキ.pdf"_s), oldBytes);
        QCOMPARE(world.files(), files);
        QVERIFY(print->isEnabled());

        world.platform.dialogs.answer(pdf);
        print->click();
        QVERIFY(world.bytesOf(u"ハガキ.pdf"_s).startsWith("%PDF-"));
        QVERIFY(world.bytesOf(u"ハガキ.pdf"_s) != oldBytes);
        // The PDF is offered under the book's name and the day.
        QCOMPARE(world.platform.dialogs.requests().last().request.proposedName,
                 u"book_はがき_%1.pdf"_s.arg(QDate::currentDate().toString(u"yyyy-MM-dd"_s)));
        // The same cards can be printed again; the screen says what went where.
        QVERIFY(print->isEnabled());
        QCOMPARE(window.findChild<QLabel*>(u"printedLine"_s)->text(),
                 u"3件を 3枚に印刷しました（PDF: ハガキ.pdf）"_s);
    }

    // Nothing is written before OK; a failed save says so and keeps the dialog open;
    // OK writes Tagora1.opt and the screen's trims.
    void positionDialogWritesTheScreensTrims() {
        Screen screen(entries(1));
        screen.click(u"Command2"_s);
        auto* dialog = screen.window->findChild<postcard::frmPriloc1*>(u"frmPriloc1"_s);
        QVERIFY(dialog);
        const auto press = [dialog](const char* name) {
            dialog->findChild<QPushButton*>(name)->click();
        };
        press("Command2");
        press("Command2");
        press("Command3");
        const QString path = screen.dir.filePath(u"Tagora1.opt"_s);
        QVERIFY(!QFile::exists(path));
        QVERIFY(QDir().mkdir(path)); // a folder in the file's place
        press("Command5");
        QVERIFY(
            screen.platform.messages.lastText().startsWith(u"印字位置を保存できませんでした。"_s));
        QVERIFY(dialog->isVisible());
        QVERIFY(QDir().rmdir(path));
        press("Command5");
        QCOMPARE(screen.window->Text4, u"2"_s);
        QCOMPARE(screen.window->Text5, u"-1"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"1240\",\"460\",\"0\"\r\n"));
        QVERIFY(!QFile::exists(screen.dir.filePath(u"Tagora.opt"_s)));
    }
};

QTEST_MAIN(frmPrintHTest)
#include "frmPrintHTest.moc"
