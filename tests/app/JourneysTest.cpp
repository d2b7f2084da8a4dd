// Journeys through the real windows as a user walks them: the real
// navigator hands over between windows, the prompts and file dialogs are
// answered by a script, and each journey ends by comparing the book's bytes
// and the buttons' states with what the user should find.

#include "app/WindowNavigator.h"
#include "book/AddressFile.h"
#include "book/BookFiles.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/TestPlatform.h"
#include "postcard/SenderFile.h"
#include "printing/OutputChoice.h"
#include "session/SessionState.h"
#include "support/JapaneseText.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const book::CardList Cards = bookfiles::numberedCards(3);

// The program with its prompts scripted, on a book "book.dat" of three cards.
struct Program {
    QTemporaryDir home;
    platform::TestPlatform platform;
    session::SessionState state;
    app::WindowNavigator navigator{state, platform.platform};

    Program() {
        platform::ProgramFolder::choose(home.path());
        book::writeBook(path(u"book.dat"_s), Cards);
        // Jobs go to the recording printer "事務所", the system's default.
        printing::outputChoiceForThisRun() = {};
        platform.printers.setPrinters({u"事務所"_s}, u"事務所"_s);
        navigator.showStart();
    }
    ~Program() {
        delete navigator.current();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString path(const QString& name) const { return home.filePath(name); }
    QWidget* window() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return navigator.current();
    }
    template <typename T> T* control(const QString& name) { return window()->findChild<T*>(name); }
    bool enabled(const QString& name) {
        QObject* found = window()->findChild<QObject*>(name);
        return found && found->property("enabled").toBool();
    }

    // The cards by their number in Cards, "3,1,2", in book bytes.
    static QByteArray bookOf(const QString& numbers) {
        book::CardList cards;
        for (const QString& number : numbers.split(u',', Qt::SkipEmptyParts))
            cards << (number.startsWith(u'=') ? bookfiles::card(number.mid(1))
                                              : Cards.at(number.toInt() - 1));
        QTemporaryDir dir;
        book::writeBook(dir.filePath(u"expected.dat"_s), cards);
        return bookfiles::readBytes(dir.filePath(u"expected.dat"_s));
    }

    // One step of a journey; an empty text when it went as written, else what went wrong.
    QString run(const QString& step) {
        const QString verb = step.section(u' ', 0, 0);
        const QString what = step.section(u' ', 1, 1);
        const QString rest = step.section(u' ', 2);
        if (verb == u"file"_s) {
            platform.dialogs.answer(what == u"-"_s ? QString() : path(what));
        } else if (verb == u"answer"_s) {
            static const QMap<QString, platform::Answer> answers{
                {u"ok"_s, platform::Answer::Ok},
                {u"cancel"_s, platform::Answer::Cancel},
                {u"yes"_s, platform::Answer::Yes},
                {u"no"_s, platform::Answer::No}};
            platform.messages.answer(answers.value(what));
        } else if (verb == u"click"_s) {
            auto* button = control<QAbstractButton>(what);
            if (!button || !button->isEnabled() || !button->isVisibleTo(window()))
                return u"cannot click "_s + what;
            button->click();
        } else if (verb == u"menu"_s) {
            auto* action = control<QAction>(what);
            if (!action || !action->isEnabled())
                return u"cannot choose "_s + what;
            action->trigger();
        } else if (verb == u"select"_s || verb == u"highlight"_s) {
            auto* list = control<QListWidget>(what);
            list->clearSelection();
            for (const QString& row : rest.split(u','))
                (verb == u"select"_s ? list->item(row.toInt())->setSelected(true)
                                     : list->setCurrentRow(row.toInt()));
        } else if (verb == u"type"_s) {
            // A key press per character, as an input method hands kana and kanji over.
            auto* edit = control<QLineEdit>(what);
            edit->setFocus();
            edit->end(false);
            for (QChar c : rest) {
                QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        } else if (verb == u"close"_s) {
            window()->close();
        } else if (verb == u"escape"_s) {
            QWidget* w = window();
            QApplication::setActiveWindow(w);
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
        } else if (verb == u"restart"_s) {
            // The start window's close box ends the run; the next run reads the settings.
            window()->close();
            delete navigator.current();
            state = session::SessionState();
            navigator.showStart();
        } else if (verb == u"window"_s) {
            if (window()->objectName() != what)
                return u"in "_s + window()->objectName() + u", not "_s + what;
        } else if (verb == u"enabled"_s || verb == u"disabled"_s) {
            for (const QString& name : what.split(u','))
                if (enabled(name) != (verb == u"enabled"_s))
                    return name + u" is not "_s + verb;
        } else if (verb == u"shows"_s || verb == u"hides"_s) {
            auto* widget = control<QWidget>(what);
            if (!widget || widget->isVisibleTo(window()) != (verb == u"shows"_s))
                return what + u" is not shown as it should be"_s;
        } else if (verb == u"text"_s) {
            auto* label = control<QLabel>(what);
            const QString shown = what == u"title"_s ? window()->windowTitle()
                                  : label            ? label->text()
                                                     : QString();
            if (shown != rest)
                return what + u" reads "_s + shown;
        } else if (verb == u"asked"_s) {
            if (!platform.messages.lastText().contains(what))
                return u"the last message was "_s + platform.messages.lastText();
        } else if (verb == u"book"_s) {
            if (bookfiles::readBytes(state.book.path()) != bookOf(what))
                return u"the book holds "_s +
                       QString::fromLatin1(
                           bookfiles::readBytes(state.book.path()).toPercentEncoding());
        } else if (verb == u"unchanged"_s) {
            if (bookfiles::readBytes(path(what)) != bookOf(u"1,2,3"_s))
                return what + u" was changed"_s;
        } else if (verb == u"sender"_s) {
            const postcard::SenderRead sender = postcard::readSender(postcard::senderFilePath());
            if (!sender.sender || sender.sender->name != Cards.at(what.toInt() - 1).name)
                return u"the sender is not card "_s + what;
        } else {
            return u"no such step: "_s + step;
        }
        return {};
    }
};

} // namespace

class JourneysTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void journey_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("a new book: 戻る offers キャンセル, then saves under a name")
            << QStringList{u"window frmStart"_s,
                           u"shows firstSteps"_s,
                           u"text title Tagora"_s,
                           u"click newBookButton"_s,
                           u"window frmSet"_s,
                           u"type txtName 山田"_s,
                           u"click cmdAdd"_s,
                           u"answer cancel"_s,
                           u"click cmdRtn"_s,
                           u"asked ファイル名をつけて保存"_s,
                           u"window frmSet"_s,
                           u"answer yes"_s,
                           u"file new.dat"_s,
                           u"escape"_s,
                           u"window frmStart"_s,
                           u"hides firstSteps"_s,
                           u"text title Tagora — new.dat"_s,
                           u"enabled cmdCard,cmdPrint,cmdHagaki,cmdAt,mnuAt"_s,
                           u"book =山田"_s};
        QTest::newRow("the editor's close box asks what 戻る asks")
            << QStringList{u"file book.dat"_s,
                           u"click openBookButton"_s,
                           u"click cmdCard"_s,
                           u"type txtName 様"_s,
                           u"answer cancel"_s,
                           u"close"_s,
                           u"asked 保存しますか"_s,
                           u"window frmSet"_s,
                           u"answer no"_s,
                           u"escape"_s,
                           u"window frmStart"_s,
                           u"book 1,2,3"_s,
                           u"enabled cmdCard,cmdView,cmdOrder,cmdAt"_s};
        QTest::newRow("the print list survives a print screen, save-as and クリアー's キャンセル")
            << QStringList{u"file book.dat"_s,
                           u"menu mnuOpen"_s,
                           u"enabled cmdHagaki,cmdAt"_s,
                           u"select lstSet1 0,2"_s,
                           u"click cmdAdd"_s,
                           u"click cmdPrint"_s,
                           u"window frmPrint"_s,
                           u"escape"_s,
                           u"window frmStart"_s,
                           u"text lblCount 2"_s,
                           u"click cmdHagaki"_s,
                           u"click cmdCancel"_s,
                           u"text lblCount 2"_s,
                           u"file copy.dat"_s,
                           u"click cmdSave"_s,
                           u"text lblCount 2"_s,
                           u"text title Tagora — copy.dat"_s,
                           u"answer cancel"_s,
                           u"click cmdClear"_s,
                           u"text lblCount 2"_s,
                           u"enabled cmdCard,cmdView,cmdOrder,cmdClear,cmdPrint,cmdHagaki,cmdAt"_s,
                           u"restart"_s,
                           u"text title Tagora — copy.dat"_s,
                           u"book 1,2,3"_s,
                           u"unchanged book.dat"_s};
        QTest::newRow("単票印刷 and はがき印刷へ after a round trip")
            << QStringList{u"file book.dat"_s,
                           u"click cmdOpen"_s,
                           u"click cmdAt"_s,
                           u"window frmSingle"_s,
                           u"click Command3"_s,
                           u"window frmStart"_s,
                           u"enabled cmdAt,mnuAt,cmdHagaki,cmdPrint"_s,
                           u"book 1,2,3"_s};
        QTest::newRow("postcards: 印刷 stays usable, says what went where; the sender is replaced "
                      "only when asked")
            << QStringList{u"file book.dat"_s,
                           u"click cmdOpen"_s,
                           u"select lstSet1 0,1"_s,
                           u"click cmdAdd"_s,
                           u"click cmdHagaki"_s,
                           u"window frmPrintH"_s,
                           u"click cmdSenderFromEntry"_s,
                           u"sender 1"_s,
                           u"click cmdFF"_s,
                           u"answer cancel"_s,
                           u"click cmdSenderFromEntry"_s,
                           u"asked 置き換えます"_s,
                           u"sender 1"_s,
                           u"answer ok"_s,
                           u"click cmdPrint"_s,
                           u"text printedLine 2件を 2枚に印刷しました（プリンタ: 事務所）"_s,
                           u"enabled cmdPrint"_s,
                           u"close"_s,
                           u"window frmStart"_s,
                           u"text lblCount 2"_s,
                           u"book 1,2,3"_s};
        QTest::newRow("データ入替 moves the highlighted card, 元に戻す puts it back")
            << QStringList{u"file book.dat"_s,       u"click cmdOpen"_s,
                           u"click cmdOrder"_s,      u"window frmOrder"_s,
                           u"disabled undoButton"_s, u"highlight lstName 0"_s,
                           u"highlight lstName 2"_s, u"type Text2 1"_s,
                           u"click Command1"_s,      u"book 3,1,2"_s,
                           u"click undoButton"_s,    u"book 1,2,3"_s,
                           u"disabled undoButton"_s, u"escape"_s,
                           u"window frmStart"_s};
        QTest::newRow("開く on a contacts file offers the import") << QStringList{
            u"file contacts.vcf"_s, u"answer cancel"_s,    u"click cmdOpen"_s,
            u"asked インポート"_s,  u"shows firstSteps"_s, u"disabled cmdCard,cmdPrint"_s,
            u"file book.dat"_s,     u"click cmdOpen"_s,    u"book 1,2,3"_s};
    }
    void journey() {
        QFETCH(QStringList, steps);
        Program program;
        bookfiles::writeBytes(
            program.path(u"contacts.vcf"_s),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:X\r\nADR:;;1;A;;;\r\nEND:VCARD\r\n");
        for (const QString& step : steps) {
            const QString failure = program.run(step);
            QVERIFY2(failure.isEmpty(), qPrintable(step + u": "_s + failure));
        }
        QCOMPARE(program.platform.messages.pendingAnswers(), 0);
        // Every message on the way spoke Japanese.
        const QStringList english = japanesetext::englishIn(program.platform.messages.texts());
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u"\n"_s)));
    }
};

QTEST_MAIN(JourneysTest)
#include "JourneysTest.moc"
