#include "book/AddressCard.h"
#include "book/Honorifics.h"
#include "book/JointNames.h"
#include "labels/LabelSheets.h"
#include "labels/SheetLibrary.h"
#include "platform/Fonts.h"
#include "platform/RecordingPrinter.h"
#include "platform/Units.h"
#include "postcard/PostcardJob.h"
#include "printing/AddressBreaks.h"
#include "printing/CardForPrint.h"
#include "printing/FullWidth.h"
#include "printing/JobReview.h"
#include "printing/PostalCode.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Face = QString::fromUtf16(platform::MinchoFace);
const QString FortyCharacters =
    u"東京都千代田区霞が関一丁目二番三号中央合同庁舎第五号館別館北側通用口受付前"_s;
const QString LongCompany = u"株式会社　東京高橋国際商事貿易物流事業本部　営業部"_s;

// The rectangle a horizontal run covers, twips from the page origin.
QRectF inkOf(const printing::PlacedRun& run) {
    const double width =
        platform::textWidthTwips(run.face, run.points, run.text) * run.stretchPercent / 100.0;
    return QRectF(run.xTwips, run.yTwips, width, platform::twipsOfPoints(run.points));
}

// Every rule a careful hand keeps, checked on one typeset card.
void checkCard(const printing::TypesetCard& set, const QRect& bounds,
               const book::AddressCard& card) {
    double namePoints = 0;
    QString printed;
    for (const printing::PlacedRun& run : set.runs) {
        printed += run.text;
        if (run.role == printing::RunRole::Name)
            namePoints = std::max(namePoints, run.points);
    }
    for (const printing::PlacedRun& run : set.runs) {
        const QRectF ink = inkOf(run);
        QVERIFY2(ink.left() >= bounds.left() && ink.right() <= bounds.right() + 1 &&
                     ink.top() >= bounds.top() && ink.bottom() <= bounds.bottom() + 1,
                 qPrintable(u"%1 leaves its frame"_s.arg(run.text)));
        QVERIFY2(run.points <= namePoints, qPrintable(run.text + u" is larger than the name"_s));
        for (const printing::PlacedRun& other : set.runs)
            if (&other != &run)
                QVERIFY2(!ink.intersected(inkOf(other)).isValid() ||
                             ink.intersected(inkOf(other)).height() < 1,
                         qPrintable(run.text + u" touches "_s + other.text));
    }
    // The name and each honorific are printed whole, however the name was broken.
    printed.remove(u'　');
    for (QString part : book::splitJointName(card.name).givenNames)
        QVERIFY2(printed.contains(printing::fullWidthKana(part).remove(u'　').remove(u' ')),
                 qPrintable(part));
    const int people =
        int(std::max<qsizetype>(1, book::splitJointName(card.name).givenNames.size()));
    QCOMPARE(printed.count(book::honorificText(card.honorific)), people);
}

book::AddressCard hard(const QString& row) {
    const QString joint = u"山田　太郎／花子／一郎"_s;
    if (row == u"forty characters")
        return {u"山田　太郎"_s, FortyCharacters, QString(), QString(),
                u"100-0013"_s,   u"C1"_s,         u"0"_s};
    if (row == u"forty characters, every line taken")
        return {u"山田　太郎"_s, FortyCharacters, FortyCharacters, u"ＫＳビル2F"_s,
                u"100-0013"_s,   u"C1"_s,         u"0"_s};
    if (row == u"company with 御中")
        return {LongCompany,  u"東京都千代田区丸の内1-2-3"_s,
                u"B1F"_s,     QString(),
                u"1000005"_s, QString(),
                u"2"_s};
    if (row == u"three joint names")
        return {joint,         u"東京都世田谷区三軒茶屋1-11-5"_s,
                QString(),     QString(),
                u"154-0024"_s, QString(),
                u"0"_s};
    if (row == u"half-width kana")
        return {u"ｶﾌﾞｼｷｶﾞｲｼｬ ﾔﾏﾀﾞ"_s,
                u"ｵｵｻｶｼ ｷﾀｸ 10ﾁｮｳﾒ"_s,
                QString(),
                QString(),
                u"〒530-0001"_s,
                QString(),
                u"2"_s};
    return {u"佐藤"_s, u"札幌市"_s, QString(), QString(), QString(), QString(), u"0"_s};
}

} // namespace

class TypesettingTest : public QObject {
    Q_OBJECT

private slots:
    void postalCodesAreReadToSevenDigits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line"); // as a label prints it
        QTest::addColumn<bool>("valid");
        for (const QString& typed :
             {u"812-0011"_s, u"〒812-0011"_s, u"8120011"_s, u"812 0011"_s, u"〒 812 - 0011"_s,
              u"８１２ー００１１"_s, u"〒８１２－００１１"_s})
            QTest::newRow(qPrintable(typed)) << typed << u"〒８１２－００１１"_s << true;
        QTest::newRow("six digits") << u"100 001"_s << u"〒１００　００１"_s << false;
        QTest::newRow("a letter") << u"〒100-000A"_s << u"〒１００－０００Ａ"_s << false;
        QTest::newRow("hyphen misplaced") << u"1000-013"_s << u"〒１０００－０１３"_s << false;
    }

    void postalCodesAreReadToSevenDigits() {
        QFETCH(QString, typed);
        QFETCH(QString, line);
        QFETCH(bool, valid);
        const book::PostalCode code = book::postalCodeOf(typed);
        QCOMPARE(printing::postalLine(code), line);
        QCOMPARE(code.isValid(), valid);
    }

    void addressesBreakWhereAHandWould_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("pieces"); // joined with "|" at every break
        QTest::newRow("after 丁目, before the building")
            << u"港区芝公園4丁目2-8芝パークタワー"_s << u"港区芝公園4丁目|2-8|芝パークタワー"_s;
        QTest::newRow("at a space") << u"大阪市北区 梅田ビル"_s << u"大阪市北区|梅田ビル"_s;
        QTest::newRow("a floor stays with its number") << u"1-2-3 B1F"_s << u"1-2-3|B1F"_s;
        QTest::newRow("番地, and 号室 kept whole") << u"一番地五号室2F"_s << u"一番地|五号室2F"_s;
    }

    void addressesBreakWhereAHandWould() {
        QFETCH(QString, line);
        QFETCH(QString, pieces);
        QStringList parts;
        QString rest = line;
        // Each break cut from the end, so the earlier ones keep their places.
        QList<qsizetype> breaks = printing::addressBreaks(line);
        std::reverse(breaks.begin(), breaks.end());
        for (qsizetype at : breaks) {
            const auto [head, tail] = printing::splitAt(rest, at);
            parts.prepend(tail);
            rest = head;
        }
        parts.prepend(rest);
        QCOMPARE(parts.join(u'|'), pieces);
    }

    // The worst cards on every frame: nothing leaves its label or card,
    // nothing touches, the name is the largest text, every honorific is there.
    void everyFrameKeepsTheRules_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("row");
        for (const QString& frame :
             {u"standard"_s, u"Hisago ELM012"_s, u"Hisago OP3016"_s, u"postcard"_s})
            for (const QString& row :
                 {u"forty characters"_s, u"forty characters, every line taken"_s,
                  u"company with 御中"_s, u"three joint names"_s, u"half-width kana"_s,
                  u"empty fields"_s})
                QTest::newRow(qPrintable(frame + u", "_s + row)) << frame << row;
    }

    void everyFrameKeepsTheRules() {
        QFETCH(QString, frame);
        QFETCH(QString, row);
        const book::AddressCard card = hard(row);
        platform::RecordingPrinter measure;
        if (frame == u"postcard") {
            postcard::PostcardJobSettings settings;
            settings.textFace = Face;
            settings.sender =
                book::AddressCard{u"差出　人"_s, u"東京都"_s, {}, {}, u"1000001"_s, {}, u"0"_s};
            const printing::TypesetCard set =
                postcard::typesetHorizontalCard(measure, postcard::postcardTextOf(card), settings);
            checkCard(set, postcard::horizontalCardFrame(true).boundsTwips, card);
            return;
        }
        const labels::SheetTemplate* sheet =
            frame == u"standard" ? &labels::standardSheet() : labels::sheetLibrary().find(frame);
        if (!sheet)
            QSKIP("the label library is not installed");
        labels::LabelSheets sheets({card, card}, 1, Face, {}, *sheet);
        sheets.buildLabelTexts();
        for (int label : {1, 2}) {
            const printing::TypesetCard set = sheets.typesetCell(measure, label, label - 1);
            checkCard(set, sheets.frameOf(label).boundsTwips, card);
            // The layout table holds on the standard sheet: the first address line stays in its
            // slot.
            if (frame == u"standard" && row == u"three joint names")
                QCOMPARE(set.runs[1].xTwips, sheets.frameOf(label).addresses[0].xTwips);
        }
    }

    // Cards a post office cannot deliver are left out and named; odd codes are named and printed.
    void theJobNamesWhatItCannotPrintRight() {
        const book::CardList entries{
            hard(u"forty characters"_s),
            {u"後藤　聡"_s, {}, {}, u"ビル"_s, u"1000001"_s, {}, u"0"_s},
            {{}, u"東京都"_s, {}, {}, u"1000001"_s, {}, u"0"_s},
            {u"木村"_s, u"東京都"_s, {}, {}, u"100-00"_s, {}, u"0"_s},
            // Past what any label or card can print: out before any layout.
            {u"長井"_s, u"東京都"_s, QString(201, u'ア'), {}, {}, {}, u"0"_s},
            {QString(1000000, u'名'), u"東京都"_s, {}, {}, {}, {}, u"0"_s}};
        const printing::JobReview review = printing::reviewEntries(entries);
        QCOMPARE(review.printable.size(), 2);
        QCOMPARE(review.leftOut,
                 QStringList({u"後藤　聡（住所がありません）"_s, u"東京都（宛名がありません）"_s,
                              u"長井（住所２が201文字あり、200文字を超えています）"_s,
                              QString(30, u'名') +
                                  u"…（宛名が1000000文字あり、200文字を超えています）"_s}));
        QCOMPARE(review.uncleanCodes, QStringList{u"木村（100-00）"_s});
        QVERIFY(review.message().endsWith(u"このまま印刷しますか？"_s));
    }
};

QTEST_MAIN(TypesettingTest)
#include "TypesettingTest.moc"
