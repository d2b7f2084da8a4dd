#include "EntryHarness.h"
#include "entry/frmSet.h"
#include "entry/frmSingle.h"
#include "platform/Fonts.h"
#include "zip/ScriptedTownPicker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using entry::Field;

namespace {

// Types the text into the control a character at a time, as a keyboard (or
// an input method committing each character) would.
void type(QWidget& window, const char* name, const QString& text) {
    auto* control = window.findChild<QWidget*>(QString::fromLatin1(name));
    QVERIFY2(control, name);
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(control, &press);
    }
}

void click(QWidget& window, const char* name) {
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

QString text(QWidget& window, const char* name) {
    return window.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
}

} // namespace

// The two entry windows hand typing and clicks to their logic and show what it holds.
class EntryWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EntryHarness> m_h;
    zip::ScriptedTownPicker m_picker;

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }
    void init() { m_h = std::make_unique<EntryHarness>(); }

    // Typing, the split and the lookup all go through the editor: a refused
    // character and an over-long town are warned of, and the lines are registered.
    void editorTypingSplitLookupAndRegistering() {
        entry::frmSet window(m_h->context, 0, nullptr, &m_picker);
        window.show();
        type(window, "txtName", u"山\"田"_s);
        QCOMPARE(text(window, "txtName"), u"山田"_s);
        type(window, "txtNewadd", u"埼玉県入間郡毛呂山町"_s);
        click(window, "Command1");
        QCOMPARE(text(window, "txtAdd1"), u"埼玉県入間郡"_s);
        QVERIFY(!window.findChild<QWidget*>(u"AddressEntryPanel"_s)->isVisible());
        type(window, "txtZip", u"1506290"_s);
        click(window, "cmdAddSearch"); // the script agrees to replace the lines
        QCOMPARE(m_h->messages().size(), 3);
        QCOMPARE(m_h->messages().last(),
                 u"文字数が範囲を超えています。\n「住所２」は22文字までです（いま32文字）。"
                 u"このまま登録できます。印刷では行を分けるか文字を小さくして収めます。"_s);
        QCOMPARE(window.editor().fieldText(Field::Address2), text(window, "txtAdd2"));
        QCOMPARE(window.focusWidget()->objectName(), u"txtAdd2"_s);
        click(window, "cmdAdd");
        QCOMPARE(window.findChild<QLabel*>(u"lblRec"_s)->text(), u"1/1"_s);
        QCOMPARE(window.editor().cards().first().address1, u"東京都渋谷区"_s);
    }

    // Tab walks the card before the commands, with 敬称 after the address;
    // the window is as tall as the mode it shows, with no empty band.
    void editorTabOrderAndHeightFollowTheCard() {
        m_h->openBook(
            {{u"山田　太郎"_s, u"東京都"_s, u"霞が関１"_s, {}, u"100-0013"_s, {}, u"0"_s}});
        entry::frmSet window(m_h->context, 1, nullptr, &m_picker);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList order;
        QWidget* w = window.findChild<QWidget*>(u"txtName"_s);
        for (int i = 0; i < 40 && order.size() < 12; ++i, w = w->nextInFocusChain())
            if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
                order << w->objectName();
        const QStringList expected{u"txtName"_s, u"txtZip"_s,  u"cmdAddSearch"_s, u"cmdZipSearch"_s,
                                   u"txtAdd1"_s, u"txtAdd2"_s, u"txtAdd3"_s,      u"Combo1"_s,
                                   u"txtCode"_s, u"cmdAdd"_s};
        QCOMPARE(order.mid(0, expected.size()), expected);

        const int linesHeight = window.height();
        QCOMPARE(linesHeight, window.minimumSizeHint().height());
        click(window, "cmdJump"); // a new card: the one-line panel
        QVERIFY(window.findChild<QWidget*>(u"AddressEntryPanel"_s)->isVisible());
        QCOMPARE(window.height(), window.minimumSizeHint().height());
        click(window, "cmdRR"); // back to a card's two lines
        QVERIFY(!window.findChild<QWidget*>(u"AddressEntryPanel"_s)->isVisible());
        QCOMPARE(window.height(), linesHeight);
    }

    // The editor's help page names every button the editor has.
    void helpNamesEveryButton() {
        entry::frmSet window(m_h->context, 0, nullptr, &m_picker);
        QFile page(u":/help/editor.html"_s);
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString help = QString::fromUtf8(page.readAll());
        const QList<QAbstractButton*> buttons = window.findChildren<QAbstractButton*>();
        QVERIFY(buttons.size() > 10);
        for (const QAbstractButton* button : buttons)
            QVERIFY2(help.contains(button->text()),
                     qPrintable(button->objectName() + u' ' + button->text()));
    }

    void singleFormFillsAndHandsOver() {
        entry::frmSingle window(m_h->context, nullptr, &m_picker);
        window.show();
        type(window, "txtName", u"佐藤花子"_s);
        type(window, "txtZip", u"１００００１３"_s);
        click(window, "cmdAddSearch");
        type(window, "txtAdd2", u"1-2"_s);
        click(window, "cmdHagaki");
        QCOMPARE(m_h->navigator.calls(), QStringList{u"postcards 1"_s});
        const book::AddressCard handed = m_h->navigator.entries().first();
        QCOMPARE(handed.name, u"佐藤花子"_s);
        QCOMPARE(handed.address2, u"霞が関1-2"_s);
    }
};

QTEST_MAIN(EntryWindowsTest)
#include "EntryWindowsTest.moc"
