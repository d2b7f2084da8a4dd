#include "labels/OffsetsFile.h"
#include "labels/OutputChoice.h"
#include "labels/frmFont.h"
#include "labels/frmPriloc.h"
#include "labels/frmPrint.h"
#include "platform/Fonts.h"
#include "support/WindowWorld.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using platform::Answer;

namespace {

book::CardList entries(int count) {
    book::CardList list;
    for (int i = 0; i < count; ++i) {
        book::AddressCard card;
        card.name = u"名前"_s + QString::number(i);
        card.address1 = u"東京都"_s;
        card.postalCode = u"123-4567"_s;
        card.honorific = u"2"_s;
        list << card;
    }
    return list;
}

// One window's world, with one printer and no output chosen yet this run.
struct Fixture : WindowWorld {
    Fixture() {
        labels::outputChoiceForThisRun() = {};
        platform.printers.setPrinters({u"Office"_s}, u"Office"_s);
    }
    QString offsetsPath() const { return dir.filePath(u"Tagora.opt"_s); }
};

template <typename T>
T* child(QObject* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found)
        qWarning() << "missing" << name;
    return found;
}

void click(QObject* window, const QString& name) {
    QAbstractButton* button = child<QAbstractButton>(window, name);
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    button->click();
}

QString text(QObject* window, const QString& name) {
    return child<QLabel>(window, name)->text();
}

} // namespace

class LabelWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void previewShowsTheEntry() {
        Fixture f;
        labels::frmPrint window(f.context, entries(1));
        QCOMPARE(text(&window, u"lblZip"_s), u"〒１２３－４５６７"_s);
        QCOMPARE(text(&window, u"lblName"_s), u"名前0 御中"_s);
        QCOMPARE(text(&window, u"lblPP"_s), u"1/1"_s);
        QCOMPARE(window.Text6, u"ＭＳ 明朝"_s);
        // The full-width code is what later prints use.
        QCOMPARE(window.PrintCopy().first().postalCode, u"１２３－４５６７"_s);

        window.Text6 = u"IPAexGothic"_s;
        window.Reget();
        QCOMPARE(text(&window, u"lblZip"_s), u"１２３－４５６７"_s);
        QCOMPARE(text(&window, u"lblName"_s), u"名前0　御中"_s);
        QCOMPARE(child<QLabel>(&window, u"lblAdd1"_s)->font().family(), u"IPAexGothic"_s);
    }

    void oneEntryCannotBeStepped() {
        Fixture f;
        labels::frmPrint window(f.context, entries(1));
        click(&window, u"cmdRew"_s);
        click(&window, u"cmdFF"_s);
        QCOMPARE(f.platform.messages.texts(), QStringList({u"最初のﾗﾍﾞﾙです。"_s, u"最後のﾗﾍﾞﾙです。"_s}));
        QCOMPARE(text(&window, u"lblPP"_s), u"1/1"_s);
    }

    void previewStopsAtTheHundredthEntry() {
        Fixture f;
        labels::frmPrint window(f.context, entries(150));
        for (int i = 0; i < 120; ++i)
            click(&window, u"cmdFF"_s);
        QCOMPARE(text(&window, u"lblPP"_s), u"100/150"_s);
        QCOMPARE(text(&window, u"lblName"_s), u"名前99 御中"_s);
        QVERIFY(f.platform.messages.shown().isEmpty());
        click(&window, u"cmdRew"_s);
        QCOMPARE(text(&window, u"lblPP"_s), u"99/150"_s);
    }

    void oneTypedAddressHasNoNavigation() {
        Fixture f;
        f.state.PrintFromList = false;
        labels::frmPrint window(f.context, entries(1));
        QVERIFY(child<QLabel>(&window, u"lblPP"_s)->isHidden());
        QVERIFY(!child<QPushButton>(&window, u"cmdRew"_s)->isEnabled());
        QVERIFY(!child<QPushButton>(&window, u"cmdFF"_s)->isEnabled());
    }

    void startLabelIsProposedConfirmedAndWithdrawn() {
        Fixture f;
        labels::frmPrint window(f.context, entries(3));
        auto* cmdOk = child<QPushButton>(&window, u"cmdOk"_s);
        auto* cmdReset = child<QPushButton>(&window, u"cmdReset"_s);
        auto* cmdPrint = child<QPushButton>(&window, u"cmdPrint"_s);
        auto* timer1 = child<QTimer>(&window, u"Timer1"_s);
        auto* timer2 = child<QTimer>(&window, u"Timer2"_s);
        auto* seven = child<QPushButton>(&window, u"lblNo_6"_s);
        QCOMPARE(text(&window, u"Mat4"_s), u"1"_s);
        QVERIFY(cmdOk->isEnabled() && !cmdReset->isEnabled() && !cmdPrint->isEnabled());
        QVERIFY(timer2->isActive() && !timer1->isActive());

        seven->click();
        QCOMPARE(text(&window, u"Mat4"_s), u"7"_s);
        click(&window, u"cmdOk"_s);
        QCOMPARE(window.Text2, u"7"_s);
        QCOMPARE(window.Label1, u"6"_s);
        QVERIFY(seven->styleSheet().contains(QColor(Qt::red).name()));
        QVERIFY(!cmdOk->isEnabled() && cmdReset->isEnabled() && cmdPrint->isEnabled());
        QVERIFY(timer1->isActive() && !timer2->isActive());
        // The confirmed button blinks.
        QTRY_VERIFY_WITH_TIMEOUT(seven->isHidden(), 1500);

        click(&window, u"cmdReset"_s);
        QCOMPARE(text(&window, u"Mat4"_s), u"1"_s);
        QVERIFY(!timer1->isActive() && timer2->isActive());
        QVERIFY(seven->styleSheet().contains(QColor(Qt::blue).name()));
        QVERIFY(!seven->isHidden());
        QVERIFY(cmdOk->isEnabled() && !cmdPrint->isEnabled());
    }

    void clickAfterConfirmingNeedsCancelFirst() {
        Fixture f;
        labels::frmPrint window(f.context, entries(3));
        child<QPushButton>(&window, u"lblNo_3"_s)->click();
        click(&window, u"cmdOk"_s);
        child<QPushButton>(&window, u"lblNo_8"_s)->click();
        QCOMPARE(text(&window, u"Mat4"_s), u"9"_s);
        QVERIFY(!child<QPushButton>(&window, u"cmdPrint"_s)->isEnabled());
        QVERIFY(!child<QPushButton>(&window, u"cmdOk"_s)->isEnabled());
        QVERIFY(child<QPushButton>(&window, u"lblNo_3"_s)->styleSheet().contains(QColor(Qt::blue).name()));
    }

    void cancelInTheSheetQuestionProposesLabelOne() {
        Fixture f;
        labels::frmPrint window(f.context, entries(13));
        child<QPushButton>(&window, u"lblNo_4"_s)->click();
        click(&window, u"cmdOk"_s);
        f.platform.messages.answer(Answer::Cancel);
        click(&window, u"cmdPrint"_s);
        QCOMPARE(f.platform.messages.lastText(), u"シート数は2枚です。"_s);
        QCOMPARE(f.platform.printers.openCount(), 0);
        QCOMPARE(text(&window, u"Mat4"_s), u"1"_s);
        QVERIFY(child<QTimer>(&window, u"Timer2"_s)->isActive());
        QVERIFY(!child<QPushButton>(&window, u"cmdPrint"_s)->isEnabled());
        QVERIFY(!child<QPushButton>(&window, u"cmdOk"_s)->isEnabled());
        QCOMPARE(window.Text1, u"2"_s);
    }

    void printingUsesTheFileAndTheChosenLabel() {
        Fixture f;
        QVERIFY(labels::writeOffsets(f.offsetsPath(), {u"1260"_s, u"480"_s, u"0"_s}).ok());
        labels::frmPrint window(f.context, entries(1));
        window.Text6 = u"IPAexGothic"_s;
        child<QPushButton>(&window, u"lblNo_11"_s)->click();
        click(&window, u"cmdOk"_s);
        click(&window, u"cmdPrint"_s);
        const auto* printer = f.platform.printers.last();
        QVERIFY(printer && printer->ended());
        QCOMPARE(printer->printed().first().text, u"〒１２３－４５６７"_s);
        QCOMPARE(printer->printed().first().xTwips, 6450 + 165);
        QCOMPARE(printer->printed().first().yTwips, 13150);
        QCOMPARE(printer->printed().first().face, u"IPAexGothic"_s);
        QCOMPARE(window.Text4, u"3"_s);
        // One sheet from label 12: that sheet is done, 印刷 stays off.
        QVERIFY(!child<QPushButton>(&window, u"cmdPrint"_s)->isEnabled());
        QVERIFY(!child<QPushButton>(&window, u"lblNo_11"_s)->isHidden());
    }

    void commandsHandOver() {
        Fixture f;
        labels::frmPrint window(f.context, entries(2));
        click(&window, u"Command3"_s);
        QCOMPARE(f.platform.help.requests().size(), 1);
        QCOMPARE(f.platform.help.requests()[0].helpFile, u"Tagora.hlp"_s);
        QCOMPARE(f.platform.help.requests()[0].context, 8);
        click(&window, u"cmdCancel"_s);
        QCOMPARE(f.state.Reentry, 1);
        click(&window, u"cmdExit"_s);
        QCOMPARE(f.navigator.calls(), QStringList({u"start"_s, u"quit"_s}));
    }

    void fontChooserSetsTheLabelFace() {
        Fixture f;
        f.platform.printers.setFontNames({u"IPAexGothic"_s});
        labels::frmPrint window(f.context, entries(1));
        click(&window, u"Command1"_s);
        auto* chooser = window.findChild<labels::frmFont*>();
        QVERIFY(chooser);
        chooser->SetFont();
        auto* list = child<QListWidget>(chooser, u"List1"_s);
        emit list->itemDoubleClicked(list->item(0));
        click(chooser, u"cmdOk"_s);
        QCOMPARE(window.Text6, u"IPAexGothic"_s);
        QCOMPARE(text(&window, u"lblZip"_s), u"１２３－４５６７"_s);
    }

    void fontListSkipsVerticalFaces() {
        Fixture f;
        f.platform.printers.setFontNames({u"明朝A"_s, u"@明朝A"_s, u"ゴシックB"_s, u"@ゴシックB"_s});
        QString chosen;
        labels::frmFont chooser(f.context, [&](const QString& face) { chosen = face; });
        QVERIFY(!child<QPushButton>(&chooser, u"cmdOk"_s)->isEnabled());
        QSignalSpy titles(&chooser, &QWidget::windowTitleChanged);
        chooser.show();
        QTRY_COMPARE(chooser.windowTitle(), u"Font"_s);
        QCOMPARE(titles.at(titles.size() - 2).at(0).toString(), u"3行読込み中…"_s);

        auto* list = child<QListWidget>(&chooser, u"List1"_s);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), u"明朝A"_s);
        QCOMPARE(list->item(1)->text(), u"ゴシックB"_s);

        // A single click picks nothing; OK then refuses.
        list->setCurrentRow(1);
        QVERIFY(!child<QPushButton>(&chooser, u"cmdApl"_s)->isEnabled());
        click(&chooser, u"cmdOk"_s);
        QCOMPARE(f.platform.messages.lastText(), u"フォントが選択されていません。"_s);
        QVERIFY(chosen.isEmpty());

        emit list->itemDoubleClicked(list->item(1));
        QCOMPARE(text(&chooser, u"lblNameF"_s), u"ゴシックB"_s);
        click(&chooser, u"cmdApl"_s);
        QCOMPARE(text(&chooser, u"lblDemo"_s), u"123\n東京都\nあいうえお"_s);
        // A later pick clears the sample until 表示 again.
        emit list->itemDoubleClicked(list->item(0));
        QVERIFY(text(&chooser, u"lblDemo"_s).isEmpty());
        click(&chooser, u"Command1"_s);
        QCOMPARE(f.platform.help.requests().last().context, 9);
        click(&chooser, u"cmdOk"_s);
        QCOMPARE(chosen, u"明朝A"_s);
    }

    // The label dialog works on Tagora.opt; its steps are the postcard dialog's, tested there.
    void positionOkWritesTheFileAndTheScreen() {
        Fixture f;
        QVERIFY(labels::writeOffsets(f.offsetsPath(), {u"1510"_s, u"480"_s, u"keep me"_s}).ok());
        QString x, y;
        labels::frmPriloc dialog(f.context, [&](const QString& xMm, const QString& yMm) {
            x = xMm;
            y = yMm;
        });
        QCOMPARE(text(&dialog, u"lblXscale"_s), u"15.5"_s);
        click(&dialog, u"Command2"_s); // beyond the range: ＞ does nothing
        QCOMPARE(text(&dialog, u"lblXscale"_s), u"15.5"_s);
        click(&dialog, u"Command1"_s);
        click(&dialog, u"Command4"_s);
        click(&dialog, u"Command5"_s);
        QCOMPARE(x, u"14.5"_s);
        QCOMPARE(y, u"1"_s);
        QFile file(f.offsetsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"1490\",\"500\",\"keep me\"\r\n"));
    }

    void screenshots() {
        if (qEnvironmentVariableIsEmpty("TAGORA_SCREENSHOTS"))
            QSKIP("set TAGORA_SCREENSHOTS to a folder to save the windows");
        const QString folder = qEnvironmentVariable("TAGORA_SCREENSHOTS");
        Fixture f;
        f.platform.printers.setFontNames(platform::availableFaces());
        labels::frmPrint window(f.context, entries(5));
        child<QPushButton>(&window, u"lblNo_4"_s)->click();
        click(&window, u"cmdOk"_s);
        window.show();
        window.grab().save(folder + u"/frmPrint.png"_s);
        labels::frmPriloc dialog(f.context, {});
        click(&dialog, u"Command2"_s);
        click(&dialog, u"Command4"_s);
        dialog.show();
        dialog.grab().save(folder + u"/frmPriloc.png"_s);
        labels::frmFont chooser(f.context, {});
        chooser.show();
        QTRY_COMPARE(chooser.windowTitle(), u"Font"_s);
        auto* list = child<QListWidget>(&chooser, u"List1"_s);
        emit list->itemDoubleClicked(list->item(0));
        click(&chooser, u"cmdApl"_s);
        chooser.grab().save(folder + u"/frmFont.png"_s);
    }
};

QTEST_MAIN(LabelWindowsTest)
#include "LabelWindowsTest.moc"
