#include "about/About.h"
#include "app/frmOrder.h"
#include "app/frmStart.h"
#include "app/frmVew.h"
#include "book/BookFiles.h"
#include "entry/frmSet.h"
#include "entry/frmSingle.h"
#include "envelope/EnvelopeScreen.h"
#include "labels/frmPriloc.h"
#include "labels/frmPrint.h"
#include "platform/Fonts.h"
#include "postcard/SenderDialog.h"
#include "postcard/frmPriloc1.h"
#include "postcard/frmPrintH.h"
#include "printing/JobPreview.h"
#include "printing/OutputDialog.h"
#include "printing/frmFont.h"
#include "support/JapaneseText.h"
#include "support/WindowWorld.h"

#include <QAbstractButton>
#include <QFile>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString helpPage(const QString& name) {
    QFile page(u":/help/"_s + name);
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

// The caption a user reads on a button: without its accelerator mark.
QString caption(const QAbstractButton* button) {
    QString text = button->text();
    text.remove(u'&');
    // "用紙..." opens a dialog; the help names it "用紙".
    if (text.endsWith(u"..."_s))
        text.chop(3);
    return text.trimmed();
}

using OpenWindow = std::function<QWidget*(ui::AppContext&)>;

} // namespace

Q_DECLARE_METATYPE(OpenWindow)

// Each window's help page names every button the window has, so the help a
// user opens describes the window in front of them.
class HelpPagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void everyButtonIsInItsHelpPage_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<OpenWindow>("open");
        using Open = OpenWindow;
        const book::CardList cards = bookfiles::numberedCards(3);
        QTest::newRow("start") << u"start.html"_s
                               << Open([](ui::AppContext& c) { return new app::frmStart(c); });
        QTest::newRow("sheet") << u"sheet.html"_s << Open([](ui::AppContext& c) {
            c.state.book = session::CurrentBook::unsaved();
            c.state.startWindowAway = true;
            c.state.cards = bookfiles::numberedCards(3);
            return static_cast<QWidget*>(app::frmVew::open(c, false));
        });
        QTest::newRow("order") << u"order.html"_s << Open([](ui::AppContext& c) {
            c.state.cards = bookfiles::numberedCards(3);
            return new app::frmOrder(c);
        });
        QTest::newRow("single") << u"single.html"_s
                                << Open([](ui::AppContext& c) { return new entry::frmSingle(c); });
        QTest::newRow("labels") << u"print.html"_s << Open([cards](ui::AppContext& c) {
            return new labels::frmPrint(c, cards);
        });
        QTest::newRow("postcards")
            << u"print.html"_s
            << Open([cards](ui::AppContext& c) { return new postcard::frmPrintH(c, cards); });
        QTest::newRow("envelopes")
            << u"print.html"_s
            << Open([cards](ui::AppContext& c) { return new envelope::EnvelopeScreen(c, cards); });
        QTest::newRow("preview") << u"print.html"_s << Open([](ui::AppContext&) {
            return new printing::JobPreview(u"Tagora ラベル 1件"_s, platform::PaperSize::A4,
                                            [](platform::Printer&) {});
        });
        QTest::newRow("font") << u"font.html"_s << Open([](ui::AppContext& c) {
            return new printing::frmFont(c, [](const QString&) {});
        });
        QTest::newRow("label position") << u"position.html"_s << Open([](ui::AppContext& c) {
            return new labels::frmPriloc(c, [](const printing::Trims&) {});
        });
        QTest::newRow("postcard position") << u"position.html"_s << Open([](ui::AppContext& c) {
            return new postcard::frmPriloc1(c, [](const printing::Trims&) {});
        });
    }

    void everyButtonIsInItsHelpPage() {
        QFETCH(QString, page);
        QFETCH(OpenWindow, open);
        WindowWorld world;
        const std::unique_ptr<QWidget> window(open(world.context));
        QVERIFY(window);
        const QString help = helpPage(page);
        QVERIFY(!help.isEmpty());
        QStringList missing;
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            const QString text = caption(button);
            // The numbered start-label buttons are described together, not one by one.
            bool number = false;
            text.toInt(&number);
            if (!text.isEmpty() && !number && !help.contains(text))
                missing << button->objectName() + u" \""_s + text + u'"';
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", "_s)));
    }

    // Every window, with and without a book, reads in Japanese.
    void everyTextIsJapanese_data() {
        everyButtonIsInItsHelpPage_data();
        using Open = OpenWindow;
        QTest::newRow("start with a book") << QString() << Open([](ui::AppContext& c) {
            c.state.book = session::CurrentBook::unsaved();
            c.state.startWindowAway = true;
            return new app::frmStart(c);
        });
        QTest::newRow("editor") << QString()
                                << Open([](ui::AppContext& c) { return new entry::frmSet(c); });
        QTest::newRow("sender") << QString() << Open([](ui::AppContext& c) {
            return new postcard::SenderDialog(c.platform.messages, {},
                                              [](const book::AddressCard&) {});
        });
        QTest::newRow("output") << QString() << Open([](ui::AppContext& c) {
            return new printing::OutputDialog(c);
        });
        QTest::newRow("about") << QString() << Open([](ui::AppContext&) {
            return about::About::filled(nullptr);
        });
    }
    void everyTextIsJapanese() {
        QFETCH(OpenWindow, open);
        WindowWorld world;
        const std::unique_ptr<QWidget> window(open(world.context));
        QVERIFY(window);
        const QStringList texts = japanesetext::visibleTexts(window.get());
        QVERIFY(texts.size() > 2);
        const QStringList english = japanesetext::englishIn(texts);
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u"\n"_s)));
    }
};

QTEST_MAIN(HelpPagesTest)
#include "HelpPagesTest.moc"
