#include "about/About.h"
#include "about/HelpTopics.h"
#include "about/QtHelpViewer.h"
#include "about/VersionInfo.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;
using Command = platform::HelpViewer::Command;

static QString labelText(QWidget* box, const QString& name) {
    return box->findChild<QLabel*>(name)->text();
}

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    // Each text in its own label, the home page on the copyright's last line.
    void versionBoxShowsProductAndVersion() {
        std::unique_ptr<about::About> box(about::About::filled(nullptr));
        QCOMPARE(labelText(box.get(), u"lblVer"_s), about::versionText());
        QCOMPARE(labelText(box.get(), u"lblApplication"_s), about::productTitle());
        QCOMPARE(labelText(box.get(), u"lblHeading"_s), about::bannerLine());
        const QStringList copyright = labelText(box.get(), u"lblCopyright"_s).split(u'\n');
        QCOMPARE(copyright.size(), 3);
        QCOMPARE(copyright.last(), QStringLiteral(TAGORA_HOME_PAGE));
    }

    void okClosesTheModalBox() {
        std::unique_ptr<about::About> box(about::About::filled(nullptr));
        QTimer::singleShot(0, box.get(), [&] { box->findChild<QPushButton*>(u"cmdOK"_s)->click(); });
        box->Display();
        QVERIFY(box->isHidden());
        QCOMPARE(box->result(), int(QDialog::Accepted));
    }

    void eachRequestOpensItsTopic_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("contents") << int(Command::Contents) << 0 << u"目次"_s << u"住所録一覧"_s;
        QTest::newRow("8 print screens") << int(Command::Context) << 8 << u"印刷画面"_s << u"開始ラベル"_s;
        QTest::newRow("9 font chooser") << int(Command::Context) << 9 << u"フォント選択"_s << u"見本"_s;
        QTest::newRow("12 address list sheet") << int(Command::Context) << 12 << u"住所録一覧"_s << u"ダブルクリック"_s;
        QTest::newRow("unknown number") << int(Command::Context) << 99 << u"目次"_s << u"よくある作業"_s;
    }
    void eachRequestOpensItsTopic() {
        QFETCH(int, command);
        QFETCH(int, context);
        QFETCH(QString, title);
        QFETCH(QString, mentions);
        about::QtHelpViewer viewer;
        viewer.showHelp(u"Tagora.hlp"_s, Command::Contents);
        viewer.showHelp(u"Tagora.hlp"_s, Command(command), context);
        about::HelpWindow* window = viewer.window();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->currentPage(), about::helpPage(Command(command), context));
        QCOMPARE(window->windowTitle(), u"ヘルプ - "_s + title);
        QVERIFY2(window->pageText().contains(mentions), qPrintable(window->pageText().left(200)));
    }

    void closedWindowIsOpenedAgain() {
        about::QtHelpViewer viewer;
        viewer.showHelp(u"Tagora.hlp"_s, Command::Context, 12);
        viewer.window()->close();
        QTRY_COMPARE(viewer.window(), nullptr);
        viewer.showHelp(u"Tagora.hlp"_s, Command::Context, 9);
        QVERIFY(viewer.window() && viewer.window()->isVisible());
        QCOMPARE(viewer.window()->currentPage(), u"qrc:/help/font.html"_s);
    }

    // Every page is built in and every link between pages leads to one.
    void linksLeadToPagesOfTheBook() {
        const QStringList pages = about::helpPages();
        for (const QString& page : pages) {
            QFile file(u":"_s + QUrl(page).path());
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
            const QString html = QString::fromUtf8(file.readAll());
            static const QRegularExpression link(u"href=\"([^\"#]*)(#([^\"]*))?\""_s);
            for (auto match = link.globalMatch(html); match.hasNext();) {
                const auto m = match.next();
                const QString target = QUrl(page).resolved(QUrl(m.captured(1))).toString();
                QVERIFY2(pages.contains(target), qPrintable(page + u" -> "_s + target));
                if (!m.captured(3).isEmpty()) {
                    QFile linked(u":"_s + QUrl(target).path());
                    QVERIFY(linked.open(QIODevice::ReadOnly));
                    QVERIFY2(QString::fromUtf8(linked.readAll()).contains(u"name=\""_s + m.captured(3) + u'"'),
                             qPrintable(page + u" -> #"_s + m.captured(3)));
                }
            }
        }
    }
};

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
