#include "EntryHarness.h"
#include "entry/frmSet.h"
#include "entry/frmSingle.h"
#include "platform/Fonts.h"
#include "zip/ScriptedTownPicker.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using entry::Field;
using platform::Answer;

namespace {

// Types the text into the control a character at a time, as a keyboard (or
// an input method committing each character) would.
void type(QWidget* control, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(control, &press);
    }
}

template <typename T = QWidget>
T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void click(QWidget& window, const char* name) {
    QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton);
}

QString text(QWidget& window, const char* name) {
    return child<QLineEdit>(window, name)->text();
}

// Saves a picture of the window when TAGORA_SCREENSHOTS names a folder.
void picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("TAGORA_SCREENSHOTS");
    if (!folder.isEmpty())
        window.grab().save(folder + u'/' + name + u".png"_s);
}

} // namespace

// The card editor and the single-address form as a user drives them: typing,
// the split, the lookup buttons beside the postal code, and the hand-overs.
class EntryWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }
    void init();
    void editorTypingAndRegistering();
    void editorOpensAtTheSheetsCard();
    void singleFormHandsOverTheTypedAddress_data();
    void singleFormHandsOverTheTypedAddress();
    void editorFillsTheLinesFromTheCode_data();
    void editorFillsTheLinesFromTheCode();
    void editorAsksBeforeReplacing_data();
    void editorAsksBeforeReplacing();
    void editorWarnsOfALongTown();
    void editorUnknownCode();
    void editorPicksAmongSeveralPlaces();
    void editorCodeFromTheAddress();
    void singleFormFillsItsLines();
    void buttonsSitBesideThePostalCode();

private:
    // A shown card editor at card `jumpToCard` (0: as the start window opens it).
    std::unique_ptr<entry::frmSet> editorWindow(int jumpToCard = 0);
    std::unique_ptr<entry::frmSingle> singleWindow();
    // A book of one card with the address lines given, left open.
    void bookWithCard(const QString& address1, const QString& address2) {
        m_h->openBook({{u"山田"_s, address1, address2, {}, u"530-0001"_s, {}, u"0"_s}});
    }

    std::unique_ptr<EntryHarness> m_h;
    std::unique_ptr<zip::ScriptedTownPicker> m_picker;
};

void EntryWindowsTest::init() {
    m_h = std::make_unique<EntryHarness>();
    m_picker = std::make_unique<zip::ScriptedTownPicker>();
}

std::unique_ptr<entry::frmSet> EntryWindowsTest::editorWindow(int jumpToCard) {
    auto window =
        std::make_unique<entry::frmSet>(m_h->context, jumpToCard, nullptr, m_picker.get());
    window->show();
    return window;
}

std::unique_ptr<entry::frmSingle> EntryWindowsTest::singleWindow() {
    auto window = std::make_unique<entry::frmSingle>(m_h->context, nullptr, m_picker.get());
    window->show();
    return window;
}

void EntryWindowsTest::editorTypingAndRegistering() {
    auto window = editorWindow();
    QCOMPARE(child<QLabel>(*window, "lblRec")->text(), u"1/新規"_s);
    QVERIFY(!child(*window, "cmdDel")->isEnabled());
    QVERIFY(child(*window, "txtNewadd")->isVisible());
    QVERIFY(!child(*window, "txtAdd1")->isVisible());

    type(child(*window, "txtName"), u"山\"田"_s);
    QCOMPARE(text(*window, "txtName"), u"山田"_s);
    type(child(*window, "txtNewadd"), u"埼玉県入間郡毛呂山町"_s);
    picture(*window, u"frmSet-entry"_s);
    click(*window, "Command1");
    QCOMPARE(text(*window, "txtAdd1"), u"埼玉県入間郡"_s);
    QCOMPARE(text(*window, "txtAdd2"), u"毛呂山町"_s);
    QVERIFY(child(*window, "txtAdd1")->isVisible());
    QVERIFY(!child(*window, "AddressEntryPanel")->isVisible());
    QVERIFY(!child(*window, "Command3")->isEnabled());
    click(*window, "cmdAdd");
    QCOMPARE(child<QLabel>(*window, "lblRec")->text(), u"1/1"_s);
    picture(*window, u"frmSet-lines"_s);
    QCOMPARE(window->editor().cards().first().address1, u"埼玉県入間郡"_s);
}

void EntryWindowsTest::editorOpensAtTheSheetsCard() {
    book::CardList cards;
    for (int i = 1; i <= 13; ++i)
        cards << book::AddressCard{u"宛名%1"_s.arg(i), u"東京都港区"_s, {}, {}, {}, {}, u"1"_s};
    m_h->openBook(cards);
    auto window = editorWindow(12);
    QVERIFY(window->opened());
    QCOMPARE(window->windowTitle(), u"住所録　"_s + m_h->bookPath());
    QCOMPARE(child<QLabel>(*window, "lblRec")->text(), u"12/13"_s);
    QCOMPARE(text(*window, "txtName"), u"宛名12"_s);
    QCOMPARE(child<QComboBox>(*window, "Combo1")->currentText(), u"殿"_s);
    window->close();
    QCOMPARE(m_h->navigator.calls(), QStringList{u"start"_s});
}

void EntryWindowsTest::singleFormHandsOverTheTypedAddress_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("call");
    QTest::newRow("labels") << u"cmdPrint"_s << u"labels 1"_s;
    QTest::newRow("postcards") << u"cmdHagaki"_s << u"postcards 1"_s;
}

void EntryWindowsTest::singleFormHandsOverTheTypedAddress() {
    QFETCH(QString, button);
    QFETCH(QString, call);
    auto window = singleWindow();
    QCOMPARE(child<QComboBox>(*window, "Combo1")->currentIndex(), -1);
    QVERIFY(!child(*window, "txtAdd1")->isVisible());
    type(child(*window, "txtName"), u"佐藤花子"_s);
    type(child(*window, "txtNewadd"), u"千葉県八日市場市イ1"_s);
    click(*window, "Command1");
    QVERIFY(child(*window, "txtAdd1")->isVisible());
    QVERIFY(!child(*window, "txtNewadd")->isVisible());
    picture(*window, u"frmSingle"_s);
    click(*window, button.toLatin1().constData());
    QCOMPARE(m_h->navigator.calls(), QStringList{call});
    const book::AddressCard handed = m_h->navigator.entries().first();
    QCOMPARE(handed.name, u"佐藤花子"_s);
    QCOMPARE(handed.address1, u"千葉県八日市場市"_s);
    QCOMPARE(handed.address2, u"イ1"_s);
    QCOMPARE(handed.honorific, u"-1"_s);
    QVERIFY(!m_h->state.PrintFromList);
}

void EntryWindowsTest::editorFillsTheLinesFromTheCode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("withoutPrefecture");
    QTest::addColumn<QString>("line1");
    QTest::newRow("prefecture kept") << u"1000013"_s << false << u"東京都千代田区"_s;
    QTest::newRow("prefecture left out") << u"100-0013"_s << true << u"千代田区"_s;
}

// A new card opens on the one-line panel; the lookup shows the filled lines.
void EntryWindowsTest::editorFillsTheLinesFromTheCode() {
    QFETCH(QString, typed);
    QFETCH(bool, withoutPrefecture);
    QFETCH(QString, line1);
    auto window = editorWindow();
    entry::CardEditor& editor = window->editor();
    QVERIFY(editor.entryMode());
    if (withoutPrefecture)
        click(*window, "Option2");
    QCOMPARE(editor.keepPrefecture(), !withoutPrefecture);
    type(child(*window, "txtZip"), typed);

    click(*window, "cmdAddSearch");
    QCOMPARE(text(*window, "txtAdd1"), line1);
    QCOMPARE(text(*window, "txtAdd2"), u"霞が関"_s);
    QCOMPARE(editor.fieldText(Field::Address1), line1);
    QCOMPARE(editor.fieldText(Field::Address2), u"霞が関"_s);
    QVERIFY(editor.changed());
    QVERIFY(m_h->messages().isEmpty());
    QVERIFY(!editor.entryMode());
    QVERIFY(child(*window, "txtAdd2")->isVisible());
    QVERIFY(!child(*window, "AddressEntryPanel")->isVisible());
    QCOMPARE(window->focusWidget(), child(*window, "txtAdd2"));
    picture(*window, u"frmSet-zip-filled"_s);

    // Ready for the block number, and registered as typed.
    type(child(*window, "txtAdd2"), u"1-2-3"_s);
    type(child(*window, "txtName"), u"山田"_s);
    click(*window, "cmdAdd");
    QCOMPARE(editor.cardCount(), 1);
    QCOMPARE(editor.cards().first().address1, line1);
    QCOMPARE(editor.cards().first().address2, u"霞が関1-2-3"_s);
}

void EntryWindowsTest::editorAsksBeforeReplacing_data() {
    QTest::addColumn<Answer>("answer");
    QTest::newRow("yes") << Answer::Yes;
    QTest::newRow("no") << Answer::No;
}

// A registered card keeps its lines unless the user agrees to replace them.
void EntryWindowsTest::editorAsksBeforeReplacing() {
    QFETCH(Answer, answer);
    bookWithCard(u"大阪府大阪市北区"_s, u"梅田1-1"_s);
    auto window = editorWindow(1);
    QVERIFY(!window->editor().entryMode());
    QVERIFY(!window->editor().changed());
    auto* zipField = child<QLineEdit>(*window, "txtZip");
    zipField->selectAll();
    type(zipField, u"1000013"_s);
    QCOMPARE(window->editor().fieldText(Field::PostalCode), u"1000013"_s);

    m_h->platform.messages.answer(answer);
    click(*window, "cmdAddSearch");
    QCOMPARE(m_h->messages().size(), 1);
    const bool yes = answer == Answer::Yes;
    QCOMPARE(text(*window, "txtAdd1"), yes ? u"東京都千代田区"_s : u"大阪府大阪市北区"_s);
    QCOMPARE(text(*window, "txtAdd2"), yes ? u"霞が関"_s : u"梅田1-1"_s);
    QCOMPARE(window->editor().fieldText(Field::Address2), text(*window, "txtAdd2"));
}

// The lookup goes through the typing path, so an over-long town is warned of
// and kept, as typing it would be.
void EntryWindowsTest::editorWarnsOfALongTown() {
    auto window = editorWindow();
    type(child(*window, "txtZip"), u"1506290"_s);
    click(*window, "cmdAddSearch");
    QCOMPARE(m_h->messages(), QStringList{u"文字数が範囲を超えています。"_s});
    QVERIFY(entry::characterCount(text(*window, "txtAdd2")) > entry::fieldLimit(Field::Address2));
    QCOMPARE(window->editor().fieldText(Field::Address2), text(*window, "txtAdd2"));
    QCOMPARE(text(*window, "txtAdd1"), u"東京都渋谷区"_s);
}

void EntryWindowsTest::editorUnknownCode() {
    auto window = editorWindow();
    type(child(*window, "txtZip"), u"0000000"_s);
    click(*window, "cmdAddSearch");
    QCOMPARE(m_h->messages(), QStringList{u"この郵便番号の住所は見つかりません。"_s});
    QCOMPARE(window->editor().fieldText(Field::Address1), QString());
    QCOMPARE(window->editor().fieldText(Field::Address2), QString());
    // Nothing was filled, so the one-line panel stays.
    QVERIFY(window->editor().entryMode());
    QVERIFY(child(*window, "AddressEntryPanel")->isVisible());
}

// The injected picker is the one asked, and its choice is what is filled.
void EntryWindowsTest::editorPicksAmongSeveralPlaces() {
    auto window = editorWindow();
    type(child(*window, "txtZip"), u"4980000"_s);
    m_picker->answer(1);
    click(*window, "cmdAddSearch");
    QCOMPARE(m_picker->offered().size(), 1);
    const zip::ZipAddressList choices = m_picker->offered().first();
    QVERIFY(choices.size() >= 2);
    QVERIFY(text(*window, "txtAdd1").startsWith(choices.at(1).prefecture));
    QCOMPARE(window->editor().fieldText(Field::Address1), text(*window, "txtAdd1"));
    QVERIFY(window->editor().changed());
}

void EntryWindowsTest::editorCodeFromTheAddress() {
    bookWithCard(u"東京都千代田区"_s, u"霞が関1-2-3"_s);
    auto window = editorWindow(1);
    QVERIFY(!window->editor().changed());
    click(*window, "cmdZipSearch"); // the proposal is accepted (Yes)
    QCOMPARE(m_h->messages().size(), 1);
    QVERIFY(m_h->platform.messages.lastText().contains(u"100-0013"_s));
    QCOMPARE(text(*window, "txtZip"), u"100-0013"_s);
    QCOMPARE(window->editor().fieldText(Field::PostalCode), u"100-0013"_s);
    QVERIFY(window->editor().changed());
}

// The form's own logic takes the lookup's lines and leaves its one-line panel.
void EntryWindowsTest::singleFormFillsItsLines() {
    auto window = singleWindow();
    QVERIFY(window->entry().entryMode());
    type(child(*window, "txtZip"), u"１００００１３"_s);
    click(*window, "cmdAddSearch");
    QCOMPARE(window->entry().address().address1, u"東京都千代田区"_s);
    QCOMPARE(window->entry().address().address2, u"霞が関"_s);
    QCOMPARE(text(*window, "txtAdd1"), u"東京都千代田区"_s);
    QVERIFY(!window->entry().entryMode());
    QVERIFY(child(*window, "txtAdd1")->isVisible());
    QVERIFY(!child(*window, "txtNewadd")->isVisible());

    // And back: the code for the lines, typed over by the user first.
    child<QLineEdit>(*window, "txtZip")->selectAll();
    type(child(*window, "txtZip"), u"999"_s);
    click(*window, "cmdZipSearch");
    QCOMPARE(window->entry().address().postalCode, u"100-0013"_s);
}

// Both buttons lie on the postal code's row, right of it, whole inside the window.
void EntryWindowsTest::buttonsSitBesideThePostalCode() {
    const std::unique_ptr<QWidget> windows[] = {editorWindow(), singleWindow()};
    for (const auto& window : windows) {
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* zipField = child(*window, "txtZip");
        const QRect zipRect(zipField->mapTo(window.get(), QPoint()), zipField->size());
        int left = zipRect.right();
        for (const char* name : {"cmdAddSearch", "cmdZipSearch"}) {
            auto* b = child<QPushButton>(*window, name);
            const QRect r(b->mapTo(window.get(), QPoint()), b->size());
            QVERIFY2(window->rect().contains(r), name);
            QVERIFY2(r.left() > left, name);
            QVERIFY2(r.top() < zipRect.center().y() && r.bottom() > zipRect.center().y(), name);
            QVERIFY2(b->width() >= b->sizeHint().width(), name);
            left = r.right();
        }
        picture(*window, window->objectName() + u"-zip"_s);
    }
}

QTEST_MAIN(EntryWindowsTest)
#include "EntryWindowsTest.moc"
