#include "platform/Fonts.h"
#include "platform/RecordingPrinter.h"
#include "platform/Units.h"
#include "postcard/VerticalCard.h"

#include <QRectF>
#include <QTest>

using namespace Qt::StringLiterals;
using printing::PlacedRun;
using printing::RunRole;

namespace {

const QString Face = u"ＭＳ 明朝"_s;
const book::AddressCard Sender{u"鈴木　次郎"_s, u"大阪府大阪市北区"_s, u"梅田3-1-1"_s,
                               u"梅田ビル"_s,   u"530-0001"_s,         QString(),
                               u"0"_s};

// The paper a run covers, in millimetres from the card's top-left corner: a
// column one em wide and one em a character long (as the recording printer
// measures it), a line across as wide as the face sets it.
QRectF extentMm(const PlacedRun& run) {
    const double em = platform::twipsOfPoints(run.points);
    const double width = run.vertical ? em
                                      : platform::textWidthTwips(run.face, run.points, run.text) *
                                            run.stretchPercent / 100;
    const double height = run.vertical ? em * run.text.toUcs4().size() : em;
    const double perMm = platform::PaperTwipsPerMillimetre;
    return {(run.xTwips + platform::PageOriginInsetTwips) / perMm,
            (run.yTwips + platform::PageOriginInsetTwips) / perMm, width / perMm, height / perMm};
}

QRectF extentMm(const QList<PlacedRun>& runs) {
    QRectF all;
    for (const PlacedRun& run : runs)
        all = all.united(extentMm(run));
    return all;
}

QList<PlacedRun> runsOf(const printing::TypesetCard& card, QList<RunRole> roles) {
    QList<PlacedRun> found;
    for (const PlacedRun& run : card.runs)
        if (roles.contains(run.role))
            found << run;
    return found;
}

QString dump(const printing::TypesetCard& card) {
    QStringList lines;
    for (const PlacedRun& run : card.runs) {
        const QRectF r = extentMm(run);
        lines << u"%1 %2pt %3 (%4,%5)-(%6,%7) %8"_s.arg(int(run.role))
                     .arg(run.points)
                     .arg(run.vertical ? u"|"_s : u"-"_s)
                     .arg(r.left(), 0, 'f', 1)
                     .arg(r.top(), 0, 'f', 1)
                     .arg(r.right(), 0, 'f', 1)
                     .arg(r.bottom(), 0, 'f', 1)
                     .arg(run.text);
    }
    return u"\n"_s + lines.join(u'\n') + u"\n"_s + card.compromises.join(u' ');
}

// How far apart two areas are along the axis that parts them most.
double separationMm(const QRectF& a, const QRectF& b) {
    const double across = qMax(a.left() - b.right(), b.left() - a.right());
    const double down = qMax(a.top() - b.bottom(), b.top() - a.bottom());
    return qMax(across, down);
}

} // namespace

class VerticalTypesetterTest : public QObject {
    Q_OBJECT

private slots:
    void cardsFollowTheConventionsOfHandAddressing_data() {
        QTest::addColumn<book::AddressCard>("entry");
        QTest::addColumn<QStringList>("columns"); // texts set as runs of their own
        QTest::addColumn<int>("addressColumns");  // distinct columns of the address
        QTest::addColumn<QString>("compromises");
        auto card = [](const QString& name, const QString& a1, const QString& a2, const QString& a3,
                       const QString& honorific = u"0"_s) {
            return book::AddressCard{name, a1, a2, a3, u"2580019"_s, QString(), honorific};
        };
        // 40 characters: broken after 号 into a second column, a character lower, not shrunk.
        QTest::newRow("long address")
            << card(u"佐藤　一郎"_s, u"神奈川県足柄上郡大井町上大井字東山下"_s,
                    u"三丁目12番34号東山下公園前ハイツ南館"_s, QString())
            << QStringList{u"神奈川県足柄上郡大井町上大井字東山下三丁目"_s,
                           u"十二番三十四号東山下公園前ハイツ南館"_s}
            << 2 << QString();
        // Too long for one column at 1.4 times the address: three, at the space and after 協会.
        QTest::newRow("organisation of 25 characters")
            << card(u"一般社団法人　日本郵便番号普及推進協会東京支部"_s, u"東京都千代田区"_s,
                    u"丸の内1-2-3"_s, QString(), u"2"_s)
            << QStringList{u"一般社団法人"_s, u"日本郵便番号普及推進協会"_s, u"東京支部"_s,
                           u"御中"_s}
            << 1 << QString();
        QTest::newRow("three joint names")
            << card(u"山田　太郎／花子／一郎"_s, u"京都府京都市"_s, u"下京区4-5"_s, QString())
            << QStringList{u"山田　太郎"_s, u"花子"_s, u"一郎"_s, u"京都府京都市下京区四ー五"_s}
            << 1 << QString();
        QTest::newRow("company and person")
            << card(u"株式会社山田商事　営業部　山田　太郎"_s, u"東京都港区"_s, u"芝公園1-1"_s,
                    QString())
            << QStringList{u"株式会社山田商事　営業部"_s, u"山田　太郎"_s} << 1 << QString();
        QTest::newRow("street numbers and a basement")
            << card(u"佐藤　花子"_s, u"東京都港区"_s, u"六本木10丁目1-2-3"_s, u"B1F"_s)
            << QStringList{u"東京都港区六本木十丁目一ー二ー三"_s, u"Ｂ１Ｆ"_s} << 2 << QString();
        QTest::newRow("floor of a building")
            << card(u"佐藤　花子"_s, u"東京都港区"_s, u"芝1-1"_s, u"ＫＳビル2F"_s)
            << QStringList{u"ＫＳビル２Ｆ"_s} << 2 << QString();
        QTest::newRow("two digits side by side")
            << card(u"佐藤　花子"_s, u"東京都港区"_s, u"芝1-1"_s, u"ＫＳビル12F"_s)
            << QStringList{u"ＫＳビル"_s, u"12"_s, u"Ｆ"_s} << 2 << QString();
        QTest::newRow("room of three digits")
            << card(u"佐藤　花子"_s, u"東京都港区"_s, u"芝1-1"_s, u"メゾン101"_s)
            << QStringList{u"メゾン１０１"_s} << 2 << QString();
        QTest::newRow("half-width katakana")
            << card(u"ﾔﾏﾀﾞ ﾀﾛｳ"_s, u"ｵｵｻｶ"_s, QString(), u"ｺｰﾎﾟ"_s)
            << QStringList{u"ヤマダ　タロウ"_s, u"オオサカ"_s, u"コーポ"_s} << 2 << QString();
        QTest::newRow("empty fields") << card(QString(), QString(), QString(), QString(), u"5"_s)
                                      << QStringList{} << 0 << QString();
    }
    void cardsFollowTheConventionsOfHandAddressing() {
        QFETCH(book::AddressCard, entry);
        QFETCH(QStringList, columns);
        QFETCH(int, addressColumns);
        QFETCH(QString, compromises);
        platform::RecordingPrinter printer;
        const printing::TypesetCard card =
            postcard::typesetVerticalCard(printer, postcard::postcardTextOf(entry), &Sender, Face);
        const QString runs = dump(card);
        QVERIFY2(card.compromises.join(u' ') == compromises, qPrintable(runs));

        QStringList texts;
        for (const PlacedRun& run : card.runs)
            texts << run.text;
        for (const QString& column : columns)
            QVERIFY2(texts.contains(column), qPrintable(column + runs));
        const QList<PlacedRun> address = runsOf(card, {RunRole::Address});
        QSet<int> addressLefts;
        for (const PlacedRun& run : address)
            addressLefts << int(std::lround(extentMm(run).center().x()));
        QVERIFY2(addressLefts.size() == addressColumns, qPrintable(runs));

        // Every text on the card, clear of the code boxes and the stamp.
        const QRectF cardArea(0, 0, 100, 148);
        const QRectF boxes(44, 12, 48, 8);
        const QRectF stamp(0, 0, 30, 40);
        for (const PlacedRun& run : card.runs) {
            const QRectF r = extentMm(run);
            QVERIFY2(cardArea.contains(r) && !r.intersects(boxes) && !r.intersects(stamp),
                     qPrintable(run.text + runs));
        }

        // The name the largest: 1.4 times the address, above the company and every sender text,
        // the honorific at its size below a name column.
        const QList<PlacedRun> names = runsOf(card, {RunRole::Name});
        const QList<PlacedRun> senders = runsOf(card, {RunRole::Sender});
        double addressPoints = 0;
        for (const PlacedRun& run : address + runsOf(card, {RunRole::Company}))
            addressPoints = qMax(addressPoints, run.points);
        for (const PlacedRun& name : names) {
            QVERIFY2(name.points >= 1.4 * addressPoints - 0.05, qPrintable(runs));
            for (const PlacedRun& sender : senders)
                QVERIFY2(sender.points < name.points, qPrintable(runs));
        }
        for (const PlacedRun& sender : senders)
            for (const PlacedRun& run : address)
                QVERIFY2(sender.points < run.points, qPrintable(runs));
        for (const PlacedRun& honorific : runsOf(card, {RunRole::Honorific})) {
            bool below = false;
            for (const PlacedRun& name : names)
                below =
                    below || (name.xTwips == honorific.xTwips && name.points == honorific.points &&
                              extentMm(honorific).top() >= extentMm(name).bottom());
            QVERIFY2(below, qPrintable(runs));
        }
        // The sender apart from the name block.
        const QList<PlacedRun> nameBlock = runsOf(card, {RunRole::Name, RunRole::Honorific});
        if (!nameBlock.isEmpty())
            QVERIFY2(separationMm(extentMm(nameBlock), extentMm(senders)) >= 8, qPrintable(runs));
    }
};

QTEST_MAIN(VerticalTypesetterTest)
#include "VerticalTypesetterTest.moc"
