#include "app/RecordingNavigator.h"
#include "book/AddressFile.h"
#include "book/SharedState.h"
#include "entry/frmSet.h"
#include "entry/frmSingle.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/TestPlatform.h"
#include "zip/ScriptedTownPicker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using entry::Field;
using platform::Answer;

namespace {

// Types the text into the control a character at a time, as a keyboard would.
void type(QWidget* control, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(control, &press);
    }
}

template <typename T>
T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void click(QWidget& window, const char* name) {
    QTest::mouseClick(child<QPushButton>(window, name), Qt::LeftButton);
}

// Saves a picture of the window when TAGORA_SCREENSHOTS names a folder.
void picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("TAGORA_SCREENSHOTS");
    if (!folder.isEmpty())
        window.grab().save(folder + u'/' + name + u".png"_s);
}

QString text(QWidget& window, const char* name) {
    return child<QLineEdit>(window, name)->text();
}

} // namespace

// The two lookup buttons as the card editor and the single-address form use them.
class ZipLookupFormsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }
    void init();
    void editorFillsTheLinesFromTheCode_data();
    void editorFillsTheLinesFromTheCode();
    void editorAsksBeforeReplacing_data();
    void editorAsksBeforeReplacing();
    void editorWarnsOfALongTown();
    void editorUnknownCode();
    void editorPicksAmongSeveralPlaces();
    void editorCodeFromTheAddress();
    void singleFormFillsItsLines_data();
    void singleFormFillsItsLines();
    void buttonsSitBesideThePostalCode();

private:
    // A book of one card with the address lines given, opened in the editor's line mode.
    QString bookWithCard(const QString& address1, const QString& address2);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<platform::TestPlatform> m_platform;
    std::unique_ptr<app::RecordingNavigator> m_navigator;
    std::unique_ptr<book::SharedState> m_state;
    std::unique_ptr<app::AppContext> m_context;
    std::unique_ptr<zip::ScriptedTownPicker> m_picker;
};

void ZipLookupFormsTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    platform::ProgramFolder::choose(m_dir->path());
    m_platform = std::make_unique<platform::TestPlatform>();
    m_navigator = std::make_unique<app::RecordingNavigator>();
    m_state = std::make_unique<book::SharedState>();
    m_context = std::make_unique<app::AppContext>(
        app::AppContext{*m_state, m_platform->platform, *m_navigator});
    m_picker = std::make_unique<zip::ScriptedTownPicker>();
}

QString ZipLookupFormsTest::bookWithCard(const QString& address1, const QString& address2) {
    const QString path = m_dir->filePath(u"book.dat"_s);
    const book::CardList cards{{u"山田"_s, address1, address2, {}, u"530-0001"_s, {}, u"0"_s}};
    if (!book::writeBook(path, cards).ok())
        qFatal("cannot write the book");
    m_state->BookOpen = true;
    m_state->BookPath = path;
    return path;
}

void ZipLookupFormsTest::editorFillsTheLinesFromTheCode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("withoutPrefecture");
    QTest::addColumn<QString>("line1");
    QTest::newRow("prefecture kept") << u"1000013"_s << false << u"東京都千代田区"_s;
    QTest::newRow("prefecture left out") << u"100-0013"_s << true << u"千代田区"_s;
}

// A new card opens on the one-line panel; the lookup shows the filled lines.
void ZipLookupFormsTest::editorFillsTheLinesFromTheCode() {
    QFETCH(QString, typed);
    QFETCH(bool, withoutPrefecture);
    QFETCH(QString, line1);
    entry::frmSet window(*m_context, 0, nullptr, m_picker.get());
    window.show();
    QVERIFY(window.editor().entryMode());
    if (withoutPrefecture)
        QTest::mouseClick(child<QRadioButton>(window, "Option2"), Qt::LeftButton);
    QCOMPARE(window.editor().keepPrefecture(), !withoutPrefecture);
    type(child<QLineEdit>(window, "txtZip"), typed);

    click(window, "cmdAddSearch");
    QCOMPARE(text(window, "txtAdd1"), line1);
    QCOMPARE(text(window, "txtAdd2"), u"霞が関"_s);
    QCOMPARE(window.editor().fieldText(Field::Address1), line1);
    QCOMPARE(window.editor().fieldText(Field::Address2), u"霞が関"_s);
    QVERIFY(window.editor().changed());
    QVERIFY(m_platform->messages.shown().isEmpty());
    QVERIFY(!window.editor().entryMode());
    QVERIFY(child<QWidget>(window, "txtAdd2")->isVisible());
    QVERIFY(!child<QWidget>(window, "AddressEntryPanel")->isVisible());
    QCOMPARE(window.focusWidget(), child<QWidget>(window, "txtAdd2"));
    picture(window, u"frmSet-zip-filled"_s);

    // Ready for the block number, and registered as typed.
    type(child<QLineEdit>(window, "txtAdd2"), u"1-2-3"_s);
    type(child<QLineEdit>(window, "txtName"), u"山田"_s);
    click(window, "cmdAdd");
    QCOMPARE(window.editor().cardCount(), 1);
    QCOMPARE(window.editor().cards().first().address1, line1);
    QCOMPARE(window.editor().cards().first().address2, u"霞が関1-2-3"_s);
}

void ZipLookupFormsTest::editorAsksBeforeReplacing_data() {
    QTest::addColumn<Answer>("answer");
    QTest::newRow("yes") << Answer::Yes;
    QTest::newRow("no") << Answer::No;
}

// A registered card keeps its lines unless the user agrees to replace them.
void ZipLookupFormsTest::editorAsksBeforeReplacing() {
    QFETCH(Answer, answer);
    bookWithCard(u"大阪府大阪市北区"_s, u"梅田1-1"_s);
    entry::frmSet window(*m_context, 1, nullptr, m_picker.get());
    window.show();
    QVERIFY(!window.editor().entryMode());
    QVERIFY(!window.editor().changed());
    auto* zipField = child<QLineEdit>(window, "txtZip");
    zipField->selectAll();
    type(zipField, u"1000013"_s);
    QCOMPARE(window.editor().fieldText(Field::PostalCode), u"1000013"_s);

    m_platform->messages.answer(answer);
    click(window, "cmdAddSearch");
    QCOMPARE(m_platform->messages.shown().size(), 1);
    QCOMPARE(m_platform->messages.shown().first().buttons, platform::Buttons::YesNo);
    const bool yes = answer == Answer::Yes;
    QCOMPARE(text(window, "txtAdd1"), yes ? u"東京都千代田区"_s : u"大阪府大阪市北区"_s);
    QCOMPARE(text(window, "txtAdd2"), yes ? u"霞が関"_s : u"梅田1-1"_s);
    QCOMPARE(window.editor().fieldText(Field::Address2), text(window, "txtAdd2"));
}

// The lookup goes through the typing path, so an over-long town is warned of
// and kept, as typing it would be.
void ZipLookupFormsTest::editorWarnsOfALongTown() {
    entry::frmSet window(*m_context, 0, nullptr, m_picker.get());
    window.show();
    type(child<QLineEdit>(window, "txtZip"), u"1506290"_s);
    click(window, "cmdAddSearch");
    QCOMPARE(m_platform->messages.texts(), QStringList{u"文字数が範囲を超えています。"_s});
    QVERIFY(entry::characterCount(text(window, "txtAdd2")) > entry::fieldLimit(Field::Address2));
    QCOMPARE(window.editor().fieldText(Field::Address2), text(window, "txtAdd2"));
    QCOMPARE(text(window, "txtAdd1"), u"東京都渋谷区"_s);
}

void ZipLookupFormsTest::editorUnknownCode() {
    entry::frmSet window(*m_context, 0, nullptr, m_picker.get());
    window.show();
    type(child<QLineEdit>(window, "txtZip"), u"0000000"_s);
    click(window, "cmdAddSearch");
    QCOMPARE(m_platform->messages.texts(), QStringList{u"この郵便番号の住所は見つかりません。"_s});
    QCOMPARE(window.editor().fieldText(Field::Address1), QString());
    QCOMPARE(window.editor().fieldText(Field::Address2), QString());
    // Nothing was filled, so the one-line panel stays.
    QVERIFY(window.editor().entryMode());
    QVERIFY(child<QWidget>(window, "AddressEntryPanel")->isVisible());
}

// The injected picker is the one asked, and its choice is what is filled.
void ZipLookupFormsTest::editorPicksAmongSeveralPlaces() {
    entry::frmSet window(*m_context, 0, nullptr, m_picker.get());
    window.show();
    type(child<QLineEdit>(window, "txtZip"), u"4980000"_s);
    m_picker->answer(1);
    click(window, "cmdAddSearch");
    QCOMPARE(m_picker->offered().size(), 1);
    const zip::ZipAddressList choices = m_picker->offered().first();
    QVERIFY(choices.size() >= 2);
    const QString prefecture = choices.at(1).prefecture;
    QVERIFY(text(window, "txtAdd1").startsWith(prefecture));
    QCOMPARE(window.editor().fieldText(Field::Address1), text(window, "txtAdd1"));
    QVERIFY(window.editor().changed());
}

void ZipLookupFormsTest::editorCodeFromTheAddress() {
    bookWithCard(u"東京都千代田区"_s, u"霞が関1-2-3"_s);
    entry::frmSet window(*m_context, 1, nullptr, m_picker.get());
    window.show();
    QVERIFY(!window.editor().changed());
    click(window, "cmdZipSearch"); // the proposal is accepted (Yes)
    QCOMPARE(m_platform->messages.shown().size(), 1);
    QVERIFY(m_platform->messages.lastText().contains(u"100-0013"_s));
    QCOMPARE(text(window, "txtZip"), u"100-0013"_s);
    QCOMPARE(window.editor().fieldText(Field::PostalCode), u"100-0013"_s);
    QVERIFY(window.editor().changed());
}

void ZipLookupFormsTest::singleFormFillsItsLines_data() {
    QTest::addColumn<bool>("withoutPrefecture");
    QTest::addColumn<QString>("line1");
    QTest::newRow("prefecture kept") << false << u"東京都千代田区"_s;
    QTest::newRow("prefecture left out") << true << u"千代田区"_s;
}

void ZipLookupFormsTest::singleFormFillsItsLines() {
    QFETCH(bool, withoutPrefecture);
    QFETCH(QString, line1);
    entry::frmSingle window(*m_context, nullptr, m_picker.get());
    window.show();
    QVERIFY(window.entry().entryMode());
    if (withoutPrefecture)
        QTest::mouseClick(child<QRadioButton>(window, "Option2"), Qt::LeftButton);
    type(child<QLineEdit>(window, "txtZip"), u"１００００１３"_s);
    click(window, "cmdAddSearch");
    QCOMPARE(window.entry().address().address1, line1);
    QCOMPARE(window.entry().address().address2, u"霞が関"_s);
    QCOMPARE(text(window, "txtAdd1"), line1);
    QVERIFY(!window.entry().entryMode());
    QVERIFY(child<QWidget>(window, "txtAdd1")->isVisible());
    QVERIFY(!child<QWidget>(window, "txtNewadd")->isVisible());

    // And back: the code for the lines, typed over by the user first.
    child<QLineEdit>(window, "txtZip")->selectAll();
    type(child<QLineEdit>(window, "txtZip"), u"999"_s);
    click(window, "cmdZipSearch");
    QCOMPARE(window.entry().address().postalCode, u"100-0013"_s);
}

// Both buttons lie on the postal code's row, right of it, whole inside the window.
void ZipLookupFormsTest::buttonsSitBesideThePostalCode() {
    entry::frmSet editor(*m_context, 0, nullptr, m_picker.get());
    entry::frmSingle single(*m_context, nullptr, m_picker.get());
    for (QWidget* window : std::initializer_list<QWidget*>{&editor, &single}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* zipField = child<QWidget>(*window, "txtZip");
        const QRect zipRect(zipField->mapTo(window, QPoint()), zipField->size());
        int left = zipRect.right();
        for (const char* name : {"cmdAddSearch", "cmdZipSearch"}) {
            auto* b = child<QPushButton>(*window, name);
            const QRect r(b->mapTo(window, QPoint()), b->size());
            QVERIFY2(window->rect().contains(r), name);
            QVERIFY2(r.left() > left, name);
            QVERIFY2(r.top() < zipRect.center().y() && r.bottom() > zipRect.center().y(), name);
            QVERIFY2(b->width() >= b->sizeHint().width(), name);
            left = r.right();
        }
        picture(*window, window->objectName() + u"-zip"_s);
    }
}

QTEST_MAIN(ZipLookupFormsTest)
#include "ZipLookupFormsTest.moc"
