#include "labels/SheetChooser.h"
#include "labels/SheetEditor.h"
#include "labels/SheetLayout.h"
#include "labels/frmPriloc.h"
#include "labels/frmPrint.h"
#include "platform/Fonts.h"
#include "printing/OffsetsFile.h"
#include "printing/OutputChoice.h"
#include "printing/frmFont.h"
#include "support/PdfWindowWorld.h"
#include "support/WindowWorld.h"

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

book::CardList entries(int count) {
    book::CardList list;
    for (int i = 0; i < count; ++i)
        list << book::AddressCard{
            u"名前"_s + QString::number(i), u"東京都"_s, {}, {}, u"123-4567"_s, {}, u"2"_s};
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

template <typename T> T* child(QObject* window, const QString& name) {
    return window->findChild<T*>(name);
}

void click(QObject* window, const QString& name) {
    QAbstractButton* button = child<QAbstractButton>(window, name);
    QVERIFY(button->isEnabled());
    button->click();
}

QString text(QObject* window, const QString& name) {
    return child<QLabel>(window, name)->text();
}
bool enabled(QObject* window, const QString& name) {
    return child<QPushButton>(window, name)->isEnabled();
}

} // namespace

// Keeps a picture of a window in TAGORA_SCREENSHOT_DIR for people to look at.
void keepPicture(QWidget* window, const QString& name) {
    window->show();
    QApplication::processEvents();
    QDir().mkpath(QStringLiteral(TAGORA_SCREENSHOT_DIR));
    window->grab().save(QStringLiteral(TAGORA_SCREENSHOT_DIR "/") + name + u".png"_s);
}

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
        QVERIFY(f.state.startWindowAway);
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
        QCOMPARE(
            u"%1 %2,%3 %4"_s.arg(first.text).arg(first.xTwips).arg(first.yTwips).arg(first.face),
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
                   "<Label-rectangle width=\"66mm\" height=\"33.9mm\"><Layout nx=\"3\" ny=\"8\" "
                   "x0=\"6mm\" "
                   "y0=\"12.9mm\" dx=\"66mm\" "
                   "dy=\"33.9mm\"/></Label-rectangle></Template></Glabels-templates>");
        mine.close();
        const QString choice = f.dir.filePath(u"Tagora2.opt"_s);
        QFile chosen(choice);
        QVERIFY(chosen.open(QIODevice::WriteOnly));
        chosen.write("\"Mine\",\"M24\"\r\n");
        chosen.close();

        labels::frmPrint window(f.context, entries(2));
        window.show();
        QCOMPARE(window.sheet().name(), u"Mine M24"_s);
        QVERIFY(child<QPushButton>(&window, u"lblNo_23"_s) &&
                !child<QPushButton>(&window, u"lblNo_24"_s));
        QApplication::processEvents();
        const auto place = [&](int index) {
            return child<QFrame>(&window, u"Shape3_%1"_s.arg(index))->geometry();
        };
        QCOMPARE(place(3).left(), place(0).left()); // label 4 starts the second row of three
        QVERIFY(place(3).top() > place(0).top() && place(2).left() > place(1).left());
        // The preview cell is 66 : 33.9 at the standard size of lines.
        const QSize cell = child<QFrame>(&window, u"Shape1"_s)->size() - QSize(16, 16);
        QVERIFY2(qAbs(double(cell.width()) / cell.height() - 66 / 33.9) < 0.02,
                 qPrintable(QString::number(cell.width())));

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
        auto* chooser = window.findChild<labels::SheetChooser*>();
        QVERIFY(chooser);
        QVERIFY(text(chooser, u"lblLibrary"_s).contains(u"glabels-data"_s));
        auto* list = child<QListWidget>(chooser, u"lstSheets"_s);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentItem()->text(), u"Mine M24　A4　24面　66 × 33.9 mm"_s);
        QVERIFY(enabled(chooser, u"editSheetButton"_s)); // the user's own
        child<QLineEdit>(chooser, u"txtSearch"_s)->setText(u"１２面"_s);
        QCOMPARE(list->count(), 1);
        QVERIFY(!enabled(chooser, u"editSheetButton"_s));
        click(chooser, u"cmdSheetOk"_s);
        QVERIFY(child<QPushButton>(&window, u"lblNo_11"_s) &&
                !child<QPushButton>(&window, u"lblNo_12"_s));
        QVERIFY(
            !enabled(&window, u"cmdPrint"_s)); // the start label is chosen again on the new grid
        QVERIFY(chosen.open(QIODevice::ReadOnly));
        QCOMPARE(chosen.readAll(),
                 QByteArray("\"\x95\x57\x8f\x80\",\"12\x96\xca\"\r\n")); // "標準","12面"
        qunsetenv("TAGORA_TEMPLATE_DIR");
    }

    // A sheet typed in from its package: a figure past the paper keeps 保存
    // off and names the field; mended, it is saved, listed and highlighted.
    void sheetEditorSavesIntoTheChooser() {
        Fixture f;
        labels::frmPrint window(f.context, entries(2));
        click(&window, u"cmdSheet"_s);
        auto* chooser = window.findChild<labels::SheetChooser*>();
        chooser->show();
        auto* search = child<QLineEdit>(chooser, u"txtSearch"_s);
        auto* list = child<QListWidget>(chooser, u"lstSheets"_s);
        search->setText(u"エーワン"_s);
        QVERIFY(text(chooser, u"lblFound"_s).contains(u"合う用紙はありません"_s));
        QVERIFY(list->count() >= 1); // the nearest
        search->setText(u"ヒサゴ 12面"_s);
        keepPicture(chooser, u"sheet-chooser"_s);
        click(chooser, u"newSheetButton"_s);
        auto* editor = chooser->findChild<labels::SheetEditor*>();
        QVERIFY(editor);
        child<QLineEdit>(editor, u"makerEdit"_s)->setText(u"エーワン"_s);
        child<QLineEdit>(editor, u"partEdit"_s)->setText(u"28315"_s);
        child<QLineEdit>(editor, u"rowsEdit"_s)->setText(u"８"_s);
        QVERIFY(!enabled(editor, u"saveButton"_s));
        QVERIFY2(text(editor, u"faultLabel"_s).startsWith(u"行数: 16 面のうち 4 面"_s),
                 qPrintable(text(editor, u"faultLabel"_s)));
        keepPicture(editor, u"sheet-editor-refused"_s);
        child<QLineEdit>(editor, u"rowsEdit"_s)->setText(u"6"_s);
        child<QLineEdit>(editor, u"heightEdit"_s)->setText(u"42"_s);
        keepPicture(editor, u"sheet-editor"_s);
        click(editor, u"saveButton"_s);
        QVERIFY(QFile::exists(f.dir.filePath(u"Tagora-sheets.xml"_s)));
        QCOMPARE(list->currentItem()->text(), u"エーワン 28315　A4　12面　86.4 × 42 mm"_s);
        QVERIFY(enabled(chooser, u"deleteSheetButton"_s));
    }

    // Labels marked used on the grid stay empty; the entries fill the rest in order.
    void usedLabelsMarkedOnTheGridStayEmpty() {
        Fixture f;
        labels::frmPrint window(f.context, entries(3));
        click(&window, u"usedLabelsButton"_s);
        click(&window, u"lblNo_0"_s);
        click(&window, u"lblNo_2"_s);
        click(&window, u"lblNo_3"_s);
        click(&window, u"lblNo_3"_s); // free again
        QCOMPARE(child<QPushButton>(&window, u"lblNo_0"_s)->text(), u"済"_s);
        click(&window, u"usedLabelsButton"_s);
        click(&window, u"lblNo_0"_s);
        click(&window, u"cmdOk"_s);
        click(&window, u"cmdPrint"_s);
        const labels::SheetLayout layout(window.sheet());
        const QList<platform::PrintedText>& printed = f.platform.printers.last()->printed();
        for (const auto& [entry, label] : {std::pair{0, 2}, {1, 4}, {2, 5}}) {
            const auto name =
                std::find_if(printed.begin(), printed.end(), [entry](const auto& line) {
                    return line.text.startsWith(u"名前"_s + QString::number(entry));
                });
            QVERIFY(name != printed.end());
            QVERIFY2(layout.cellTwips(label).contains(name->xTwips, name->yTwips),
                     qPrintable(name->text));
        }
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
        f.state.book = session::CurrentBook::file(book);
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
        labels::frmPriloc dialog(f.context, [&](const printing::Trims& trims) {
            x = printing::millimetreText(trims.xMm);
        });
        click(&dialog, u"Command1"_s);
        click(&dialog, u"Command5"_s);
        QCOMPARE(x, u"14.5"_s);
        QFile file(f.offsetsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"1490\",\"480\",\"keep me\"\r\n"));
    }

    // When the printer's trims cannot be kept the user is told, nothing is
    // handed to the screen, the dialog stays open, and the trims file stays as it was.
    void trimsThatCannotBeSavedAreNotHandedOver() {
        Fixture f;
        const QString trimsPath = f.dir.filePath(u"Tagora-trims.opt"_s);
        QVERIFY(QDir().mkdir(trimsPath)); // a folder where the file should go
        bool handedOver = false;
        labels::frmPriloc dialog(
            f.context, [&](const printing::Trims&) { handedOver = true; }, nullptr, u"Office"_s,
            u"Hisago ELM012"_s);
        dialog.show();
        click(&dialog, u"Command1"_s);
        click(&dialog, u"Command5"_s);
        QVERIFY(f.platform.messages.lastText().startsWith(u"印字位置を保存できませんでした。"_s));
        QVERIFY(!handedOver);
        QVERIFY(dialog.isVisible());
        QVERIFY(QFileInfo(trimsPath).isDir());
    }

    // A typed offset moves the marker on whole twips, the buttons step on
    // from there and the boxes follow; OK saves what the boxes show.
    void typedOffsetsMoveTheMarkerAndAreSaved() {
        Fixture f;
        printing::Trims saved;
        labels::frmPriloc dialog(f.context, [&](const printing::Trims& trims) { saved = trims; });
        auto* x = dialog.findChild<QDoubleSpinBox*>(u"xOffsetBox"_s);
        auto* y = dialog.findChild<QDoubleSpinBox*>(u"yOffsetBox"_s);
        x->setValue(2.3);
        y->setValue(-1.5);
        QCOMPARE(dialog.txtXpoint, u"1246"_s);
        QCOMPARE(dialog.txtYpoint, u"450"_s);
        QCOMPARE(dialog.findChild<QLabel*>(u"lblXscale"_s)->text(), u"2.3"_s);
        click(&dialog, u"Command2"_s);
        QCOMPARE(x->value(), 3.3);
        click(&dialog, u"Command5"_s);
        QCOMPARE(saved, (printing::Trims{3.3, -1.5}));
        QFile file(f.offsetsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"1266\",\"450\",\"0\"\r\n"));
    }
};

QTEST_MAIN(LabelWindowsTest)
#include "LabelWindowsTest.moc"
