#include "entry/AddressSplit.h"
#include "app/cli/Commands.h"

#include <QTest>

using namespace Qt::StringLiterals;

class AddressSplitTest : public QObject {
    Q_OBJECT

private slots:
    void splits_data();
    void splits();
    void command_data();
    void command();
};

void AddressSplitTest::splits_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("keepPrefecture");
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("line2");
    auto row = [](const char* tag, const QString& address, bool keep, const QString& line1,
                  const QString& line2 = {}) {
        QTest::newRow(tag) << address << keep << line1 << line2;
    };
    row("日市市 at 2-4", u"三重県四日市市諏訪町1-5"_s, true, u"三重県四日市市"_s, u"諏訪町1-5"_s);
    row("prefecture left out", u"北海道余市郡余市町黒川町"_s, false, u"余市郡"_s,
        u"余市町黒川町"_s);
    row("郡市 beats the first 郡", u"福岡県小郡市小郡"_s, true, u"福岡県小郡市"_s, u"小郡"_s);
    row("five-character exception", u"千葉県八日市場市イ1"_s, true, u"千葉県八日市場市"_s,
        u"イ1"_s);
    row("県 at 4, ward after city", u"神奈川県横浜市中区山下町"_s, true, u"神奈川県横浜市中区"_s,
        u"山下町"_s);
    row("京都府 through 府", u"京都府京都市中京区"_s, true, u"京都府京都市中京区"_s);
    row("no municipality", u"東京都三宅島三宅"_s, true, u"東京都"_s, u"三宅島三宅"_s);
    row("都 not third is no prefecture", u"港区東都町1"_s, true, u"港区"_s, u"東都町1"_s);
    row("county after a city marker", u"福島県白市山本郡本町1"_s, true, u"福島県白市山本郡"_s,
        u"本町1"_s);
    row("shorter than the literal", u"今市"_s, true, u"今市"_s);
    row("one character, prefecture left out", u"県"_s, false, QString());
    row("outside 16 bits count once", u"𠮷野県𠮷田市本町"_s, true, u"𠮷野県𠮷田市"_s, u"本町"_s);
}

void AddressSplitTest::splits() {
    QFETCH(QString, address);
    QFETCH(bool, keepPrefecture);
    const entry::SplitLines lines = entry::splitAddress(address, keepPrefecture);
    QTEST(lines.line1, "line1");
    QTEST(lines.line2, "line2");
}

void AddressSplitTest::command_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("arguments") << QStringList{u"--no-prefecture"_s, u"埼玉県入間郡毛呂山町"_s,
                                              u"東京都三宅島三宅"_s}
                               << QString() << u"入間郡\t毛呂山町\n\t三宅島三宅\n"_s << QString();
    // An empty input line keeps its place in the output.
    QTest::newRow("lines on stdin")
        << QStringList() << u"三重県四日市市諏訪町1-5\r\n\n京都府京都市中京区\n"_s
        << u"三重県四日市市\t諏訪町1-5\n\n京都府京都市中京区\t\n"_s
        << u"入力データがありません！\n"_s;
    QTest::newRow("look-alikes from an input method")
        << QStringList{u"東京都港区芝公園４−２〜８"_s} << QString()
        << u"東京都港区\t芝公園４－２～８\n"_s << QString();
}

void AddressSplitTest::command() {
    QFETCH(QStringList, args);
    QFETCH(QString, input);
    QString out, err, in = input;
    QTextStream outStream(&out), errStream(&err), inStream(&in);
    cli::Io io{outStream, errStream, inStream};
    QCOMPARE(cli::runSplit(args, io), 0);
    outStream.flush();
    errStream.flush();
    QTEST(out, "out");
    QTEST(err, "err");
}

QTEST_GUILESS_MAIN(AddressSplitTest)
#include "AddressSplitTest.moc"
