#include "about/HelpTopics.h"
#include "about/QtHelpViewer.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;
using Command = platform::HelpViewer::Command;

// The text of a built-in help page, empty when there is none.
static QString pageSource(const QString& page) {
    QFile file(u":"_s + QUrl(page).path());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void eachRequestOpensItsTopic_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("contents") << int(Command::Contents) << 0 << u"住所録一覧"_s;
        QTest::newRow("12 address list sheet")
            << int(Command::Context) << 12 << u"ダブルクリック"_s;
        QTest::newRow("unknown number") << int(Command::Context) << 99 << u"よくある作業"_s;
    }
    // A request after the window was closed opens a new one; the next turns its page.
    void eachRequestOpensItsTopic() {
        QFETCH(int, command);
        QFETCH(int, context);
        QFETCH(QString, mentions);
        about::QtHelpViewer viewer;
        viewer.showHelp(u"Tagora.hlp"_s, Command::Context, 9);
        viewer.window()->close();
        QTRY_COMPARE(viewer.window(), nullptr);
        viewer.showHelp(u"Tagora.hlp"_s, Command::Contents);
        viewer.showHelp(u"Tagora.hlp"_s, Command(command), context);
        QVERIFY(viewer.window() && viewer.window()->isVisible());
        QCOMPARE(viewer.window()->currentPage(), about::helpPage(Command(command), context));
        QVERIFY2(viewer.window()->pageText().contains(mentions),
                 qPrintable(viewer.window()->pageText().left(200)));
    }

    // Every page is built in and every link between pages leads to one, anchors included.
    void linksLeadToPagesOfTheBook() {
        const QStringList pages = about::helpPages();
        static const QRegularExpression link(u"href=\"([^\"#]*)(#([^\"]*))?\""_s);
        for (const QString& page : pages) {
            const QString html = pageSource(page);
            QVERIFY2(!html.isEmpty(), qPrintable(page));
            for (auto match = link.globalMatch(html); match.hasNext();) {
                const auto m = match.next();
                const QString target = QUrl(page).resolved(QUrl(m.captured(1))).toString();
                QVERIFY2(pages.contains(target), qPrintable(page + u" -> "_s + target));
                if (!m.captured(3).isEmpty())
                    QVERIFY2(pageSource(target).contains(u"name=\""_s + m.captured(3) + u'"'),
                             qPrintable(page + u" -> #"_s + m.captured(3)));
            }
        }
    }
};

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
