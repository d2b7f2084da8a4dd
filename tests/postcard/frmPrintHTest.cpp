#include "labels/OffsetsFile.h"
#include "labels/OutputChoice.h"
#include "platform/Fonts.h"
#include "support/WindowWorld.h"
#include "postcard/PostcardLayout.h"
#include "postcard/frmPriloc1.h"
#include "postcard/frmPrintH.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using platform::Answer;

namespace {

book::AddressCard entry(int i, const QString& zip = u"123-4567"_s) {
    book::AddressCard c;
    c.name = u"宛名%1"_s.arg(i);
    c.address1 = u"住所%1"_s.arg(i);
    c.address2 = u"二%1"_s.arg(i);
    c.address3 = u"三%1"_s.arg(i);
    c.postalCode = zip;
    c.code = u"C%1"_s.arg(i);
    c.honorific = u"1"_s;
    return c;
}

book::CardList entries(int count) {
    book::CardList list;
    for (int i = 0; i < count; ++i)
        list << entry(i);
    return list;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One screen with its doubles, in a program folder of its own.
struct Screen : WindowWorld {
    std::unique_ptr<postcard::frmPrintH> window;

    explicit Screen(const book::CardList& list, bool fromList = true) {
        platform.printers.setPrinters({u"Printer"_s}, u"Printer"_s);
        state.PrintFromList = fromList;
        window = std::make_unique<postcard::frmPrintH>(context, list);
    }
    template <typename T> T* find(const QString& name) const {
        T* child = window->findChild<T*>(name);
        if (!child)
            qFatal("no control %s", qPrintable(name));
        return child;
    }
    void click(const QString& name) const { find<QPushButton>(name)->click(); }
    QString text(const QString& name) const { return find<QLabel>(name)->text(); }
    QString boxes() const {
        QStringList shown;
        for (int k = 0; k < 7; ++k)
            shown << text(u"lblZipb%1"_s.arg(k));
        return shown.join(u'|');
    }
};

} // namespace

class frmPrintHTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }
    void init() { labels::outputChoiceForThisRun() = {}; }

    void showsTheFirstEntryOnLoad() {
        Screen screen(entries(12));
        QCOMPARE(screen.text(u"lblPP"_s), u"1/12"_s);
        QCOMPARE(screen.text(u"lblName"_s), u"宛名0 殿"_s);
        QCOMPARE(screen.text(u"lblAdd1"_s), u"住所0"_s);
        QCOMPARE(screen.text(u"lblAdd3"_s), u"三0"_s);
        QCOMPARE(screen.text(u"lblCode"_s), u"C0"_s);
        QCOMPARE(screen.boxes(), u"１|２|３|４|５|６|７"_s);
        QVERIFY(screen.find<QRadioButton>(u"Option1"_s)->isChecked());
        QCOMPARE(screen.window->Text1, u"ＭＳ 明朝"_s);
        QCOMPARE(screen.window->Text6, u"ＭＳ 明朝"_s);
    }

    // A shorter code after a full one must not leave the old digits in the boxes.
    void navigationStopsAtTheEndsWithTheirMessages() {
        Screen screen({entry(0), entry(1, u"123"_s), entry(2, QString())});
        screen.click(u"cmdRew"_s);
        QCOMPARE(screen.platform.messages.lastText(), u"最初のﾗﾍﾞﾙです。"_s);
        QCOMPARE(screen.window->currentEntry(), 0);
        screen.click(u"cmdFF"_s);
        QCOMPARE(screen.boxes(), u"１|２|３||||"_s);
        screen.click(u"cmdFF"_s);
        QCOMPARE(screen.boxes(), u"||||||"_s);
        QCOMPARE(screen.text(u"lblPP"_s), u"3/3"_s);
        QCOMPARE(screen.text(u"lblName"_s), u"宛名2 殿"_s);
        screen.click(u"cmdFF"_s);
        QCOMPARE(screen.platform.messages.lastText(), u"最後のラベルです。"_s);
        QCOMPARE(screen.window->currentEntry(), 2);
        screen.click(u"cmdRew"_s);
        QCOMPARE(screen.text(u"lblPP"_s), u"2/3"_s);
        QCOMPARE(screen.platform.messages.shown().size(), 2);
    }

    void nextStopsSilentlyAtTheHundredthEntry() {
        Screen screen(entries(150));
        for (int i = 0; i < 99; ++i)
            screen.click(u"cmdFF"_s);
        QCOMPARE(screen.text(u"lblPP"_s), u"100/150"_s);
        screen.click(u"cmdFF"_s);
        QCOMPARE(screen.window->currentEntry(), 99);
        QVERIFY(screen.platform.messages.shown().isEmpty());
    }

    void oneTypedAddressHasNoNavigation() {
        Screen screen(entries(1), false);
        QVERIFY(screen.find<QLabel>(u"lblPP"_s)->isHidden());
        QVERIFY(!screen.find<QPushButton>(u"cmdRew"_s)->isEnabled());
        QVERIFY(!screen.find<QPushButton>(u"cmdFF"_s)->isEnabled());
        QCOMPARE(screen.window->entryCount(), 1);
        screen.click(u"cmdPrint"_s);
        QCOMPARE(screen.platform.messages.lastText(), u"印刷枚数は1枚です。"_s);
        QCOMPARE(screen.platform.printers.last()->pageCount(), 1);
    }

    void ocrBIsForTheBoxesOnly() {
        Screen screen(entries(2));
        screen.find<QRadioButton>(u"Option2"_s)->click();
        QCOMPARE(screen.window->Text1, u"OCR-B"_s);
        QCOMPARE(screen.find<QLabel>(u"lblZipb0"_s)->font().family(), u"OCR-B"_s);
        QCOMPARE(screen.find<QLabel>(u"lblName"_s)->font().family(), u"ＭＳ 明朝"_s);
        screen.click(u"cmdFF"_s);
        QCOMPARE(screen.find<QLabel>(u"lblZipb6"_s)->font().family(), u"OCR-B"_s);
        screen.click(u"cmdPrint"_s);
        for (const platform::PrintedText& t : screen.platform.printers.last()->printed())
            QCOMPARE(t.face, t.yTwips == postcard::ZipBoxYTwips ? u"OCR-B"_s : u"ＭＳ 明朝"_s);
        screen.find<QRadioButton>(u"Option1"_s)->click();
        QCOMPARE(screen.find<QLabel>(u"lblZipb0"_s)->font().family(), u"ＭＳ 明朝"_s);
    }

    void printAsksThenPrintsOncePerOpening() {
        Screen screen(entries(4));
        screen.click(u"cmdPrint"_s);
        QCOMPARE(screen.platform.messages.lastText(), u"印刷枚数は4枚です。"_s);
        platform::RecordingPrinter* printer = screen.platform.printers.last();
        QVERIFY(printer);
        QCOMPARE(printer->calls().first(), u"begin postcard"_s);
        QCOMPARE(printer->pageCount(), 4);
        QVERIFY(printer->ended());
        QCOMPARE(screen.platform.printers.destinations().first().printerName, u"Printer"_s);
        QVERIFY(!screen.find<QPushButton>(u"cmdPrint"_s)->isEnabled());
    }

    void cancelPrintsNothingAndKeepsPrintEnabled() {
        Screen screen(entries(4));
        screen.platform.messages.answer(Answer::Cancel);
        screen.click(u"cmdPrint"_s);
        QCOMPARE(screen.platform.printers.openCount(), 0);
        QVERIFY(screen.find<QPushButton>(u"cmdPrint"_s)->isEnabled());
    }

    void withoutAPrinterThePostcardsGoToAChosenPdf() {
        Screen screen(entries(2));
        screen.platform.printers.setPrinters({}, {});
        screen.platform.dialogs.answer(screen.dir.filePath(u"cards"_s));
        screen.click(u"cmdPrint"_s);
        QCOMPARE(screen.platform.printers.destinations().first().pdfPath, screen.dir.filePath(u"cards.pdf"_s));

        Screen cancelled(entries(2));
        cancelled.platform.printers.setPrinters({}, {});
        cancelled.click(u"cmdPrint"_s); // the save dialog is cancelled
        QCOMPARE(cancelled.platform.printers.openCount(), 0);
        QVERIFY(cancelled.find<QPushButton>(u"cmdPrint"_s)->isEnabled());
    }

    void aPrinterFailureIsShownAndPrintCanBeTriedAgain() {
        Screen screen(entries(2));
        screen.platform.printers.failNextBegin(u"プリンターが使用できません。"_s);
        screen.click(u"cmdPrint"_s);
        QCOMPARE(screen.platform.messages.lastText(), u"印刷できませんでした。\nプリンターが使用できません。"_s);
        QVERIFY(screen.find<QPushButton>(u"cmdPrint"_s)->isEnabled());
    }

    // The trims come from "Tagora1.opt" afresh at each job; the label file is not read.
    void theJobReadsThePostcardOffsetsFile() {
        Screen screen(entries(1));
        QVERIFY(labels::writeOffsets(screen.dir.filePath(u"Tagora1.opt"_s), {u"1220"_s, u"440"_s, u"0"_s}).ok());
        QVERIFY(labels::writeOffsets(screen.dir.filePath(u"Tagora.opt"_s), {u"1400"_s, u"700"_s, u"0"_s}).ok());
        screen.click(u"cmdPrint"_s);
        QCOMPARE(screen.window->Text4, u"1"_s);
        QCOMPARE(screen.window->Text5, u"-2"_s);
        const platform::PrintedText first = screen.platform.printers.last()->printed().first();
        QCOMPARE(first.xTwips, 2370 + 55);
        QCOMPARE(first.yTwips, 590 - 110);
    }

    void theChosenFontReachesPreviewAndJob() {
        Screen screen(entries(1));
        screen.window->applyTextFont(u"IPAexGothic"_s);
        QCOMPARE(screen.window->Text6, u"IPAexGothic"_s);
        QCOMPARE(screen.find<QLabel>(u"lblAdd1"_s)->font().family(), u"IPAexGothic"_s);
        QCOMPARE(screen.find<QLabel>(u"lblZipb0"_s)->font().family(), u"ＭＳ 明朝"_s);
        screen.click(u"cmdPrint"_s);
        QCOMPARE(screen.platform.printers.last()->printed().last().face, u"IPAexGothic"_s);
    }

    void theA4ChoiceSetsUpAnA4Page() {
        Screen screen(entries(1));
        screen.find<QRadioButton>(u"optA4"_s)->click();
        screen.click(u"cmdPrint"_s);
        QCOMPARE(screen.platform.printers.last()->calls().first(), u"begin A4"_s);
    }

    void backAndEndAndHelp() {
        Screen screen(entries(1));
        screen.click(u"Command3"_s);
        QCOMPARE(screen.platform.help.requests().size(), 1);
        QCOMPARE(screen.platform.help.requests().first().helpFile, u"Tagora.hlp"_s);
        QCOMPARE(screen.platform.help.requests().first().context, 8);
        screen.click(u"cmdCancel"_s);
        QCOMPARE(screen.navigator.last(), u"start"_s);
        QCOMPARE(screen.state.Reentry, 1);
        screen.click(u"cmdExit"_s);
        QCOMPARE(screen.navigator.last(), u"quit"_s);
    }

    void positionDialogWritesTheScreensTrims() {
        Screen screen(entries(1));
        screen.click(u"Command2"_s);
        auto* dialog = screen.window->findChild<postcard::frmPriloc1*>(u"frmPriloc1"_s);
        QVERIFY(dialog);
        dialog->findChild<QPushButton*>(u"Command2"_s)->click();
        dialog->findChild<QPushButton*>(u"Command2"_s)->click();
        dialog->findChild<QPushButton*>(u"Command3"_s)->click();
        dialog->findChild<QPushButton*>(u"Command5"_s)->click();
        QCOMPARE(screen.window->Text4, u"2"_s);
        QCOMPARE(screen.window->Text5, u"-1"_s);
        QCOMPARE(readAll(screen.dir.filePath(u"Tagora1.opt"_s)), QByteArray("\"1240\",\"460\",\"0\"\r\n"));
        QVERIFY(!QFile::exists(screen.dir.filePath(u"Tagora.opt"_s)));
    }

    void positionDialogLimitsAndCarriesTheThirdField_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("xMm");
        QTest::addColumn<QString>("yMm");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("left stops at -10") << QByteArray("\"1200\",\"480\",\"7x\"\r\n") << u"Command1"_s << 11
                                           << u"-10"_s << u"0"_s << QByteArray("\"1000\",\"480\",\"7x\"\r\n");
        QTest::newRow("down stops at 11") << QByteArray("1200,480,0\r\n") << u"Command4"_s << 12 << u"0"_s
                                          << u"11"_s << QByteArray("\"1200\",\"700\",\"0\"\r\n");
        QTest::newRow("off the grid moves back in") << QByteArray("\"1510\",\"480\",\"\"\r\n") << u"Command1"_s << 1
                                                    << u"14.5"_s << u"0"_s << QByteArray("\"1490\",\"480\",\"\"\r\n");
        QTest::newRow("off the grid: right does nothing") << QByteArray("\"1510\",\"480\",\"0\"\r\n") << u"Command2"_s
                                                          << 1 << u"15.5"_s << u"0"_s
                                                          << QByteArray("\"1510\",\"480\",\"0\"\r\n");
        QTest::newRow("missing file") << QByteArray() << u"Command3"_s << 1 << u"0"_s << u"-1"_s
                                      << QByteArray("\"1200\",\"460\",\"0\"\r\n");
    }

    void positionDialogLimitsAndCarriesTheThirdField() {
        QFETCH(QByteArray, file);
        QFETCH(QString, button);
        QFETCH(int, presses);
        QFETCH(QString, xMm);
        QFETCH(QString, yMm);
        QFETCH(QByteArray, written);
        Screen screen(entries(1));
        const QString path = screen.dir.filePath(u"Tagora1.opt"_s);
        if (!file.isEmpty()) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file);
        }
        QString savedX, savedY;
        postcard::frmPriloc1 dialog(screen.context, [&](const QString& x, const QString& y) {
            savedX = x;
            savedY = y;
        });
        auto* image = dialog.findChild<QLabel*>(u"Image1"_s);
        const QPoint before = image->pos();
        for (int i = 0; i < presses; ++i)
            dialog.findChild<QPushButton*>(button)->click();
        QCOMPARE(dialog.findChild<QLabel*>(u"lblXscale"_s)->text(), xMm);
        QCOMPARE(dialog.findChild<QLabel*>(u"lblYscale"_s)->text(), yMm);
        QCOMPARE(image->pos() != before, written != file);
        QCOMPARE(readAll(path), file); // nothing is written before OK
        dialog.findChild<QPushButton*>(u"Command5"_s)->click();
        QCOMPARE(readAll(path), written);
        QCOMPARE(savedX, xMm);
        QCOMPARE(savedY, yMm);
    }

    // With TAGORA_SCREENSHOTS set to a folder, pictures of both windows for people to look at.
    void screenshots() {
        const QString folder = qEnvironmentVariable("TAGORA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("TAGORA_SCREENSHOTS not set");
        book::CardList list = entries(3);
        list[0].name = u"山田 太郎"_s;
        list[0].address1 = u"東京都千代田区"_s;
        list[0].address2 = u"丸の内１－２－３"_s;
        list[0].address3 = u"丸の内ビル５階"_s;
        Screen screen(list);
        screen.window->show();
        QVERIFY(screen.window->grab().save(folder + u"/frmPrintH.png"_s));
        screen.click(u"Command2"_s);
        auto* dialog = screen.window->findChild<postcard::frmPriloc1*>(u"frmPriloc1"_s);
        dialog->findChild<QPushButton*>(u"Command2"_s)->click();
        dialog->findChild<QPushButton*>(u"Command4"_s)->click();
        QVERIFY(dialog->grab().save(folder + u"/frmPriloc1.png"_s));
    }

    void aPositionThatCannotBeSavedSaysSo() {
        Screen screen(entries(1));
        QVERIFY(QDir(screen.dir.path()).mkdir(u"Tagora1.opt"_s)); // a folder in the file's place
        bool saved = false;
        postcard::frmPriloc1 dialog(screen.context, [&](const QString&, const QString&) { saved = true; });
        dialog.show();
        dialog.findChild<QPushButton*>(u"Command5"_s)->click();
        QVERIFY(!saved);
        QVERIFY(screen.platform.messages.lastText().startsWith(u"印字位置を保存できませんでした。"_s));
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(frmPrintHTest)
#include "frmPrintHTest.moc"
