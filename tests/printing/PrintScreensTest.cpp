#include "labels/frmPrint.h"
#include "platform/Fonts.h"
#include "postcard/frmPriloc1.h"
#include "postcard/frmPrintH.h"
#include "printing/OutputChoice.h"
#include "printing/frmFont.h"
#include "support/WindowWorld.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Code = u"KODE42"_s;

book::CardList entries(int count) {
    book::CardList list;
    for (int i = 0; i < count; ++i)
        list << book::AddressCard{u"宛名%1"_s.arg(i), u"東京都"_s, u"千代田区"_s, {},
                                  u"100-0005"_s,      Code,        u"1"_s};
    return list;
}

// Opens one of the two print screens on entries.
using OpenScreen = std::function<QWidget*(ui::AppContext&, const book::CardList&)>;
// Prints the screen's whole job.
using PrintAll = std::function<void(QWidget*)>;

OpenScreen labelScreen() {
    return
        [](ui::AppContext& c, const book::CardList& list) { return new labels::frmPrint(c, list); };
}
OpenScreen postcardScreen() {
    return [](ui::AppContext& c, const book::CardList& list) {
        return new postcard::frmPrintH(c, list);
    };
}

void click(QWidget* window, const QString& name) {
    window->findChild<QAbstractButton*>(name)->click();
}

PrintAll printLabels() {
    return [](QWidget* window) {
        click(window, u"lblNo_0"_s);
        click(window, u"cmdOk"_s);
        click(window, u"cmdPrint"_s);
    };
}
PrintAll printPostcards() {
    return [](QWidget* window) { click(window, u"cmdPrint"_s); };
}

// Whether any text of the last job holds the code.
bool codePrinted(const platform::TestPlatform& platform) {
    for (const platform::PrintedText& text : platform.printers.last()->printed())
        if (text.text.contains(Code))
            return true;
    return false;
}

struct World : WindowWorld {
    World() {
        printing::outputChoiceForThisRun() = {};
        platform.printers.setPrinters({u"Printer"_s}, u"Printer"_s);
    }
};

} // namespace

Q_DECLARE_METATYPE(OpenScreen)
Q_DECLARE_METATYPE(PrintAll)

class PrintScreensTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void codeLineIsLeftOutAndRemembered_data() {
        QTest::addColumn<OpenScreen>("open");
        QTest::addColumn<PrintAll>("print");
        QTest::addColumn<OpenScreen>("other");
        QTest::newRow("labels") << labelScreen() << printLabels() << postcardScreen();
        QTest::newRow("postcards") << postcardScreen() << printPostcards() << labelScreen();
    }

    // コードを印字 is on at first and prints the code; off, the job, the
    // screen and the next opening of either screen leave it out.
    void codeLineIsLeftOutAndRemembered() {
        QFETCH(OpenScreen, open);
        QFETCH(PrintAll, print);
        QFETCH(OpenScreen, other);
        World world;
        {
            const std::unique_ptr<QWidget> window(open(world.context, entries(2)));
            auto* printCode = window->findChild<QCheckBox*>(u"chkPrintCode"_s);
            QVERIFY(printCode->isChecked());
            QCOMPARE(window->findChild<QLabel*>(u"lblCode"_s)->text(), Code);
            print(window.get());
            QVERIFY(codePrinted(world.platform));

            printCode->click();
            QCOMPARE(window->findChild<QLabel*>(u"lblCode"_s)->text(), QString());
            QDir().mkpath(QStringLiteral(TAGORA_SCREENSHOT_DIR));
            window->grab().save(QStringLiteral(TAGORA_SCREENSHOT_DIR "/") + window->objectName() +
                                u"-no-code.png"_s);
            const std::unique_ptr<QWidget> again(open(world.context, entries(2)));
            print(again.get());
            QCOMPARE(world.platform.printers.openCount(), 2);
            QVERIFY(!codePrinted(world.platform));
        }
        QFile remembered(world.dir.filePath(u"TagoraPrint.ini"_s));
        QVERIFY(remembered.open(QIODevice::ReadOnly));
        QCOMPARE(remembered.readAll(), QByteArray("\"0\"\r\n"));
        for (const OpenScreen& reopen : {open, other}) {
            const std::unique_ptr<QWidget> window(reopen(world.context, entries(1)));
            QVERIFY(!window->findChild<QCheckBox*>(u"chkPrintCode"_s)->isChecked());
        }
    }

    // カスタマバーコード is off at each opening; on, the job prints 67 bars
    // for each card.
    void barcodeCheckBoxPrintsBars_data() {
        QTest::addColumn<OpenScreen>("open");
        QTest::addColumn<PrintAll>("print");
        QTest::newRow("labels") << labelScreen() << printLabels();
        QTest::newRow("postcards") << postcardScreen() << printPostcards();
    }

    void barcodeCheckBoxPrintsBars() {
        QFETCH(OpenScreen, open);
        QFETCH(PrintAll, print);
        World world;
        const book::CardList cards(
            2, {u"宛名"_s, u"東京都千代田区"_s, u"丸の内1-9-1"_s, {}, u"100-0005"_s, {}, u"0"_s});
        for (const bool checked : {false, true}) {
            const std::unique_ptr<QWidget> window(open(world.context, cards));
            auto* barcode = window->findChild<QCheckBox*>(u"chkBarcode"_s);
            QVERIFY(!barcode->isChecked());
            if (checked)
                barcode->click();
            print(window.get());
            QCOMPARE(world.platform.printers.last()->filled().size(), checked ? 2 * 67 : 0);
        }
    }

    // The postcard 設定 menu opens the font chooser and the postcard position
    // dialog, and their OK reaches the screen as Command4's and Command2's does.
    void postcardSettingsMenuOpensFontAndPosition() {
        World world;
        world.platform.printers.setFontNames({u"IPAexGothic"_s, u"IPAexMincho"_s});
        postcard::frmPrintH window(world.context, entries(1));

        window.findChild<QAction*>(u"mnuFont"_s)->trigger();
        auto* chooser = window.findChild<printing::frmFont*>();
        QVERIFY(chooser && chooser->isVisible());
        chooser->SetFont();
        auto* list = chooser->findChild<QListWidget*>(u"List1"_s);
        QTRY_COMPARE(list->count(), 2);
        emit list->itemDoubleClicked(list->item(0));
        click(chooser, u"cmdOk"_s);
        QCOMPARE(window.Text6, list->item(0)->text());
        QCOMPARE(window.findChild<QLabel*>(u"lblName"_s)->font().family(), window.Text6);

        window.findChild<QAction*>(u"mnuLocate"_s)->trigger();
        auto* dialog = window.findChild<postcard::frmPriloc1*>(u"frmPriloc1"_s);
        QVERIFY(dialog && dialog->isVisible());
        click(dialog, u"Command2"_s);
        click(dialog, u"Command5"_s);
        QCOMPARE(window.Text4, u"1"_s);
        QVERIFY(QFile::exists(world.dir.filePath(u"Tagora1.opt"_s)));
    }

    // Each queue keeps the postcard trims of each paper: the position dialog
    // saves them for the printer chosen, the job picks them again; a queue
    // with none takes Tagora1.opt, which holds the last ones saved.
    void postcardTrimsAreKeptPerQueueAndPaper_data() {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<bool>("a4");
        QTest::addColumn<QString>("trim");
        QTest::newRow("A postcard") << u"A"_s << false << u"1"_s;
        QTest::newRow("A A4") << u"A"_s << true << u"2"_s;
        QTest::newRow("B postcard") << u"B"_s << false << u"3"_s;
        QTest::newRow("B A4") << u"B"_s << true << u"4"_s;
        QTest::newRow("C: the offsets file") << u"C"_s << false << u"4"_s;
    }
    void postcardTrimsAreKeptPerQueueAndPaper() {
        QFETCH(QString, queue);
        QFETCH(bool, a4);
        QFETCH(QString, trim);
        WindowWorld world;
        world.platform.printers.setPrinters({u"A"_s, u"B"_s, u"C"_s}, u"A"_s);
        postcard::frmPrintH window(world.context, entries(1));
        const auto choose = [&](const QString& printer, bool onA4) {
            printing::outputChoiceForThisRun() = {printing::OutputChoice::Mode::Printer, printer};
            click(&window, onA4 ? u"optA4"_s : u"optPostcard"_s);
        };
        // Each dialog starts from the file's trims, one more step to the right.
        for (const QString& printer : {u"A"_s, u"B"_s})
            for (bool onA4 : {false, true}) {
                choose(printer, onA4);
                click(&window, u"Command2"_s);
                auto* dialog = window.findChild<postcard::frmPriloc1*>(u"frmPriloc1"_s);
                click(dialog, u"Command2"_s);
                click(dialog, u"Command5"_s);
                QTRY_VERIFY(!window.findChild<postcard::frmPriloc1*>());
            }
        choose(queue, a4);
        world.platform.messages.answer(platform::Answer::Ok);
        click(&window, u"cmdPrint"_s);
        printing::outputChoiceForThisRun() = {};
        QCOMPARE(world.platform.printers.destinations().last().printerName, queue);
        QCOMPARE(window.Text4, trim);
    }
};

QTEST_MAIN(PrintScreensTest)
#include "PrintScreensTest.moc"
