#include "app/RecordingNavigator.h"
#include "book/AddressFile.h"
#include "book/SharedState.h"
#include "entry/frmSet.h"
#include "entry/frmSingle.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/TestPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Types the text into the control a character at a time, as a keyboard (or
// an input method committing each character) would.
void type(QWidget* control, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(control, &press);
    }
}

} // namespace

class EntryWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void editorTypingAndRegistering();
    void editorOpensAtTheSheetsCard();
    void singleFormPrintsTheTypedAddress();

private:
    template <typename T>
    static T* child(QWidget& window, const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    // Saves a picture of the window when TAGORA_SCREENSHOTS names a folder.
    static void picture(QWidget& window, const QString& name);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<platform::TestPlatform> m_platform;
    std::unique_ptr<app::RecordingNavigator> m_navigator;
    std::unique_ptr<book::SharedState> m_state;
    std::unique_ptr<app::AppContext> m_context;
};

void EntryWindowsTest::initTestCase() {
    platform::registerFontSubstitutions();
}

void EntryWindowsTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    platform::ProgramFolder::choose(m_dir->path());
    m_platform = std::make_unique<platform::TestPlatform>();
    m_navigator = std::make_unique<app::RecordingNavigator>();
    m_state = std::make_unique<book::SharedState>();
    m_context = std::make_unique<app::AppContext>(
        app::AppContext{*m_state, m_platform->platform, *m_navigator});
}

void EntryWindowsTest::picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("TAGORA_SCREENSHOTS");
    if (!folder.isEmpty())
        window.grab().save(folder + u'/' + name + u".png"_s);
}



void EntryWindowsTest::editorTypingAndRegistering() {
    entry::frmSet window(*m_context);
    window.show();
    QCOMPARE(window.windowTitle(), u"住所録　　新規作成"_s);
    QCOMPARE(child<QLabel>(window, "lblRec")->text(), u"1/新規"_s);
    QVERIFY(!child<QPushButton>(window, "cmdDel")->isEnabled());
    QCOMPARE(child<QComboBox>(window, "Combo1")->currentText(), u"様"_s);
    QVERIFY(child<QWidget>(window, "txtNewadd")->isVisible());
    QVERIFY(!child<QWidget>(window, "txtAdd1")->isVisible());

    auto* name = child<QLineEdit>(window, "txtName");
    type(name, u"山\"田"_s);
    QCOMPARE(name->text(), u"山田"_s);
    QCOMPARE(m_platform->messages.lastText(), u"住所録に保存できない文字は入力できません。"_s);
    type(child<QLineEdit>(window, "txtNewadd"), u"埼玉県入間郡毛呂山町"_s);
    picture(window, u"frmSet-entry"_s);
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(window, "txtAdd1")->text(), u"埼玉県入間郡"_s);
    QCOMPARE(child<QLineEdit>(window, "txtAdd2")->text(), u"毛呂山町"_s);
    QVERIFY(child<QWidget>(window, "txtAdd1")->isVisible());
    QVERIFY(!child<QWidget>(window, "AddressEntryPanel")->isVisible());
    QVERIFY(!child<QPushButton>(window, "Command3")->isEnabled());
    QTest::mouseClick(child<QPushButton>(window, "cmdAdd"), Qt::LeftButton);
    QCOMPARE(child<QLabel>(window, "lblRec")->text(), u"1/1"_s);
    picture(window, u"frmSet-lines"_s);
    QCOMPARE(window.editor().cards().first().address1, u"埼玉県入間郡"_s);
}

void EntryWindowsTest::editorOpensAtTheSheetsCard() {
    book::CardList cards;
    for (int i = 1; i <= 13; ++i)
        cards << book::AddressCard{u"宛名%1"_s.arg(i), u"東京都港区"_s, {}, {}, {}, {}, u"1"_s};
    const QString path = m_dir->filePath(u"book.dat"_s);
    QVERIFY(book::writeBook(path, cards).ok());
    m_state->BookOpen = true;
    m_state->BookPath = path;
    entry::frmSet window(*m_context, 12);
    QVERIFY(window.opened());
    QCOMPARE(window.windowTitle(), u"住所録　"_s + path);
    QCOMPARE(child<QLabel>(window, "lblRec")->text(), u"12/13"_s);
    QCOMPARE(child<QLineEdit>(window, "txtName")->text(), u"宛名12"_s);
    QCOMPARE(child<QComboBox>(window, "Combo1")->currentText(), u"殿"_s);
    window.close();
    QCOMPARE(m_navigator->calls(), QStringList{u"start"_s});
}

void EntryWindowsTest::singleFormPrintsTheTypedAddress() {
    entry::frmSingle window(*m_context);
    window.show();
    QCOMPARE(window.windowTitle(), u"単票-住所設定"_s);
    QCOMPARE(child<QComboBox>(window, "Combo1")->currentIndex(), -1);
    QCOMPARE(child<QComboBox>(window, "Combo1")->count(), 6);
    QCOMPARE(child<QGroupBox>(window, "Frame1")->title(), u"住所入力オプション"_s);
    QVERIFY(!child<QWidget>(window, "txtAdd1")->isVisible());
    type(child<QLineEdit>(window, "txtName"), u"佐藤花子"_s);
    type(child<QLineEdit>(window, "txtNewadd"), u"千葉県八日市場市イ1"_s);
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
    QVERIFY(child<QWidget>(window, "txtAdd1")->isVisible());
    QVERIFY(!child<QWidget>(window, "txtNewadd")->isVisible());
    picture(window, u"frmSingle"_s);
    QTest::mouseClick(child<QPushButton>(window, "cmdHagaki"), Qt::LeftButton);
    QCOMPARE(m_navigator->calls(), QStringList{u"postcards 1"_s});
    const book::AddressCard handed = m_navigator->entries().first();
    QCOMPARE(handed.address1, u"千葉県八日市場市"_s);
    QCOMPARE(handed.address2, u"イ1"_s);
    QCOMPARE(handed.honorific, u"-1"_s);
    QVERIFY(!m_state->PrintFromList);
}

QTEST_MAIN(EntryWindowsTest)
#include "EntryWindowsTest.moc"
