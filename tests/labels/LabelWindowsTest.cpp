#include "printing/OffsetsFile.h"
#include "printing/OutputChoice.h"
#include "printing/frmFont.h"
#include "labels/frmPriloc.h"
#include "labels/frmPrint.h"
#include "labels/frmSheet.h"
#include "labels/SheetLayout.h"
#include "platform/Fonts.h"
#include "support/PdfWindowWorld.h"
#include "support/WindowWorld.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

book::CardList entries(int count) {
    book::CardList list;
    for (int i = 0; i < count; ++i)
        list << book::AddressCard{u"名前"_s + QString::number(i), u"東京都"_s, {}, {}, u"123-4567"_s, {}, u"2"_s};
    return list;
}

// One window's world, with one printer and no output chosen yet this run.
struct Fixture : WindowWorld {
    Fixture() {
        printing::outputChoiceForThisRun() = {};
        platform.printers.setPrinters({u"Office"_s}, u"Office"_s);
    }
    QString offsetsPath() const { return dir.filePath(u"Tagora.opt"_s); }
};

template <typename T> T* child(QObject* window, const QString& name) { return window->findChild<T*>(name); }

void click(QObject* window, const QString& name) {
    QAbstractButton* button = child<QAbstractButton>(window, name);
    QVERIFY(button->isEnabled());
    button->click();
}

QString text(QObject* window, const QString& name) { return child<QLabel>(window, name)->text(); }
bool enabled(QObject* window, const QString& name) { return child<QPushButton>(window, name)->isEnabled(); }

} // namespace

class LabelWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    // The Mincho preview shows 〒 and a half-width gap; prints get the full-width code.
    void previewShowsTheEntryAndPages() {
        Fixture f;
        labels::frmPrint window(f.context, entries(2));
        QCOMPARE(text(&window, u"lblZip"_s), u"〒１２３－４５６７"_s);
        QCOMPARE(window.PrintCopy().first().postalCode, u"１２３－４５６７"_s);
        click(&window, u"cmdFF"_s);
        QCOMPARE(text(&window, u"lblName"_s), u"名前1 御中"_s);
        click(&window, u"cmdFF"_s);
        QCOMPARE(f.platform.messages.texts(), QStringList({u"最後のラベルです。"_s}));
    }

    // The close box goes back to the start window; it never ends the program.
    void closeBoxGoesBack() {
        Fixture f;
        labels::frmPrint window(f.context, entries(1));
        window.show();
        QVERIFY(window.close());
        QCOMPARE(f.navigator.calls(), QStringList{u"start"_s});
        QCOMPARE(f.state.Reentry, 1);
    }

    // A confirmed start label turns 印刷 on; Cancel in the sheet question or 取消 withdraw
    // it. The job takes the label, the face and Tagora.opt.
    void startLabelFlowDrivesThePrint() {
        Fixture f;
        QVERIFY(printing::writeOffsets(f.offsetsPath(), {u"1260"_s, u"480"_s, u"0"_s}).ok());
        labels::frmPrint window(f.context, entries(1));
        window.Text6 = u"IPAexGothic"_s;
        QVERIFY(!enabled(&window, u"cmdPrint"_s));
        auto* twelve = child<QPushButton>(&window, u"lblNo_11"_s);
        twelve->click();
        click(&window, u"cmdOk"_s);
        QVERIFY(!enabled(&window, u"cmdOk"_s) && enabled(&window, u"cmdPrint"_s));

        f.platform.messages.answer(platform::Answer::Cancel);
        click(&window, u"cmdPrint"_s);
        QVERIFY(!enabled(&window, u"cmdPrint"_s));
        click(&window, u"cmdReset"_s);

        twelve->click();
        click(&window, u"cmdOk"_s);
        click(&window, u"cmdPrint"_s);
        const platform::PrintedText first = f.platform.printers.last()->printed().first();
        QCOMPARE(u"%1 %2,%3 %4"_s.arg(first.text).arg(first.xTwips).arg(first.yTwips).arg(first.face),
                 u"〒１２３－４５６７ 6615,13150 IPAexGothic"_s);
        QVERIFY(f.platform.printers.last()->ended());
        QVERIFY(!enabled(&window, u"cmdPrint"_s)); // one sheet from label 12: that sheet is done
    }

    // Vertical "@" faces are left out; the picked face reaches the preview.
    void fontChooserSetsTheLabelFace() {
        Fixture f;
        f.platform.printers.setFontNames({u"@IPAexGothic"_s, u"IPAexGothic"_s, u"明朝A"_s});
        labels::frmPrint window(f.context, entries(1));
        click(&window, u"Command1"_s);
        auto* chooser = window.findChild<printing::frmFont*>();
        QVERIFY(chooser);
        chooser->SetFont();
        auto* list = child<QListWidget>(chooser, u"List1"_s);
        QTRY_COMPARE(list->count(), 2);
        emit list->itemDoubleClicked(list->item(0));
        click(chooser, u"cmdOk"_s);
        QCOMPARE(window.Text6, u"IPAexGothic"_s);
        QCOMPARE(text(&window, u"lblZip"_s), u"１２３－４５６７"_s);
    }

    // The sheet of Tagora2.opt gives one start-label button per label in its
    // grid and prints on it; 用紙 chooses another, which Tagora2.opt keeps.
    void sheetChooserChangesTheGrid() {
        Fixture f;
        QTemporaryDir empty;
        qputenv("TAGORA_TEMPLATE_DIR", empty.path().toUtf8());
        QFile mine(f.dir.filePath(u"Tagora-sheets.xml"_s));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write("<Glabels-templates><Template brand=\"Mine\" part=\"M24\" size=\"A4\">"
                   "<Label-rectangle width=\"66mm\" height=\"33.9mm\"><Layout nx=\"3\" ny=\"8\" x0=\"6mm\" "
                   "y0=\"12.9mm\" dx=\"66mm\" dy=\"33.9mm\"/></Label-rectangle></Template></Glabels-templates>");
        mine.close();
        const QString choice = f.dir.filePath(u"Tagora2.opt"_s);
        QFile chosen(choice);
        QVERIFY(chosen.open(QIODevice::WriteOnly));
        chosen.write("\"Mine\",\"M24\"\r\n");
        chosen.close();

        labels::frmPrint window(f.context, entries(2));
        window.show();
        QCOMPARE(window.sheet().name(), u"Mine M24"_s);
        QVERIFY(child<QPushButton>(&window, u"lblNo_23"_s) && !child<QPushButton>(&window, u"lblNo_24"_s));
        QApplication::processEvents();
        const auto place = [&](int index) { return child<QFrame>(&window, u"Shape3_%1"_s.arg(index))->geometry(); };
        QCOMPARE(place(3).left(), place(0).left()); // label 4 starts the second row of three
        QVERIFY(place(3).top() > place(0).top() && place(2).left() > place(1).left());
        // The preview cell is 66 : 33.9 at the standard size of lines.
        const QSize cell = child<QFrame>(&window, u"Shape1"_s)->size() - QSize(16, 16);
        QVERIFY2(qAbs(double(cell.width()) / cell.height() - 66 / 33.9) < 0.02, qPrintable(QString::number(cell.width())));

        child<QPushButton>(&window, u"lblNo_23"_s)->click();
        click(&window, u"cmdOk"_s);
        click(&window, u"cmdPrint"_s);
        // Entry 1 on label 24, inside that cell; entry 2 on the second sheet's label 1.
        const platform::PrintedText first = f.platform.printers.last()->printed().first();
        const labels::SheetLayout layout(window.sheet());
        QVERIFY(layout.cellTwips(24).contains(first.xTwips, first.yTwips));
        QCOMPARE(first.points, 8.4);
        QCOMPARE(f.platform.printers.last()->printed().last().page, 2);
        QCOMPARE(window.Text1, u"2"_s);

        click(&window, u"cmdSheet"_s);
        auto* chooser = window.findChild<labels::frmSheet*>();
        QVERIFY(chooser);
        QVERIFY(text(chooser, u"lblLibrary"_s).contains(u"glabels-data"_s));
        auto* list = child<QListWidget>(chooser, u"lstSheets"_s);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentItem()->text(), u"Mine M24 — A4, 24 labels of 66 × 33.9 mm"_s);
        child<QLineEdit>(chooser, u"txtSearch"_s)->setText(u"12面"_s);
        QCOMPARE(list->count(), 1);
        click(chooser, u"cmdSheetOk"_s);
        QVERIFY(child<QPushButton>(&window, u"lblNo_11"_s) && !child<QPushButton>(&window, u"lblNo_12"_s));
        QVERIFY(!enabled(&window, u"cmdPrint"_s)); // the start label is chosen again on the new grid
        QVERIFY(chosen.open(QIODevice::ReadOnly));
        QCOMPARE(chosen.readAll(), QByteArray("\"\x95\x57\x8f\x80\",\"12\x96\xca\"\r\n")); // "標準","12面"
        qunsetenv("TAGORA_TEMPLATE_DIR");
    }

    void pdfDialogRefusesTheBook_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("the book's path") << u"book.dat"_s;
        QTest::newRow("a link to it ending in .pdf") << u"book-link.pdf"_s;
    }

    // A PDF written into the open book would destroy it: the job stops with a
    // message, no file is written and 印刷 stays on.
    void pdfDialogRefusesTheBook() {
        QFETCH(QString, answer);
        PdfWindowWorld f;
        const QString book = f.dir.filePath(u"book.dat"_s);
        QVERIFY(QFile::copy(QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat"), book));
        QVERIFY(QFile::link(book, f.dir.filePath(u"book-link.pdf"_s)));
        f.state.BookPath = book;
        const QByteArray before = f.bytesOf(u"book.dat"_s);
        const QStringList files = f.files();

        labels::frmPrint window(f.pdfContext, entries(2));
        click(&window, u"lblNo_0"_s);
        click(&window, u"cmdOk"_s);
        f.platform.dialogs.answer(f.dir.filePath(answer));
        click(&window, u"cmdPrint"_s);
        QCOMPARE(f.platform.messages.lastText(),
                 QString::fromUtf16(printing::BookAsOutputText) + u'\n' + f.dir.filePath(answer));
        QCOMPARE(f.bytesOf(u"book.dat"_s), before);
        QCOMPARE(f.files(), files);
        QVERIFY(enabled(&window, u"cmdPrint"_s));
    }

    // The label dialog works on Tagora.opt; its steps are tested with the offsets file.
    void positionOkWritesTheFileAndTheScreen() {
        Fixture f;
        QVERIFY(printing::writeOffsets(f.offsetsPath(), {u"1510"_s, u"480"_s, u"keep me"_s}).ok());
        QString x;
        labels::frmPriloc dialog(f.context, [&](const QString& xMm, const QString&) { x = xMm; });
        click(&dialog, u"Command1"_s);
        click(&dialog, u"Command5"_s);
        QCOMPARE(x, u"14.5"_s);
        QFile file(f.offsetsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"1490\",\"480\",\"keep me\"\r\n"));
    }
};

QTEST_MAIN(LabelWindowsTest)
#include "LabelWindowsTest.moc"
