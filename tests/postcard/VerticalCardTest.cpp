#include "postcard/VerticalCard.h"
#include "book/AddressFile.h"
#include "book/Honorifics.h"
#include "book/JointNames.h"
#include "platform/RecordingPrinter.h"
#include "platform/Units.h"
#include "postcard/PostcardChoices.h"
#include "postcard/PostcardJob.h"
#include "postcard/PostcardLayout.h"
#include "postcard/SenderFile.h"
#include "printing/VerticalText.h"
#include "support/PrintedPostcards.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using platform::PrintedText;

namespace {

// Millimetres from the paper's edge of a page position in twips.
double mm(double layoutTwips) {
    return platform::paperMillimetresOf(layoutTwips + platform::PageOriginInsetTwips);
}

postcard::PostcardJobSettings vertical(std::optional<book::AddressCard> sender = std::nullopt) {
    postcard::PostcardJobSettings s;
    s.zipFace = u"ＭＳ 明朝"_s;
    s.textFace = u"ＭＳ 明朝"_s;
    s.writing = postcard::Writing::Vertical;
    s.sender = sender;
    return s;
}

QList<PrintedText> columns(const platform::RecordingPrinter& printer) {
    QList<PrintedText> found;
    for (const PrintedText& text : printer.printed())
        if (text.vertical)
            found << text;
    return found;
}

PrintedText columnOf(const platform::RecordingPrinter& printer, const QString& text) {
    for (const PrintedText& printed : printer.printed())
        if (printed.vertical && printed.text == text)
            return printed;
    return {};
}

// Where a column ends, millimetres from the paper's top edge.
double bottomMm(const PrintedText& column) {
    return mm(column.yTwips + platform::twipsOfPoints(column.text.toUcs4().size() * column.points));
}

const book::AddressCard Sender{u"鈴木　次郎"_s, u"大阪府大阪市北区"_s, u"梅田3-1-1"_s,
                               u"梅田ビル"_s,   u"530-0001"_s,         QString(),
                               u"0"_s};

} // namespace

class VerticalCardTest : public QObject {
    Q_OBJECT

private slots:
    void verticalTextUsesKanjiNumeralsAndUprightLetters_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("column");
        QTest::newRow("block numbers") << u"丸の内1-2-3"_s << u"丸の内一ー二ー三"_s;
        QTest::newRow("counted out before 番地") << u"１０番地"_s << u"十番地"_s;
        QTest::newRow("digit by digit in a chain") << u"10-25"_s << u"一〇ー二五"_s;
        QTest::newRow("three digits before 号") << u"101号室"_s << u"一〇一号室"_s;
        QTest::newRow("full-width hyphen and minus") << u"２－３−４"_s << u"二ー三ー四"_s;
        QTest::newRow("room beside a letter stays readable")
            << u"ABCビル A-101"_s << u"ＡＢＣビル　Ａー１０１"_s;
        QTest::newRow("long vowel in a word stays") << u"コーポ"_s << u"コーポ"_s;
        QTest::newRow("dash between words stays") << u"東京―大阪"_s << u"東京―大阪"_s;
        QTest::newRow("half-width kana") << u"ﾋﾞﾙ"_s << u"ビル"_s;
    }
    void verticalTextUsesKanjiNumeralsAndUprightLetters() {
        QFETCH(QString, line);
        QFETCH(QString, column);
        QCOMPARE(printing::verticalText(line), column);
    }

    void jointNamesSplitIntoFamilyAndGivenNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("given"); // joined with "|"
        QTest::addColumn<QString>("line");
        QTest::newRow("couple") << u"山田　太郎／花子"_s << u"山田"_s << u"太郎|花子"_s
                                << u"山田　太郎・花子"_s;
        QTest::newRow("half-width space")
            << u"山田 太郎／花子"_s << u"山田"_s << u"太郎|花子"_s << u"山田　太郎・花子"_s;
        QTest::newRow("single name is kept")
            << u"山田　太郎"_s << u"山田"_s << u"太郎"_s << u"山田　太郎"_s;
        QTest::newRow("no family name")
            << u"太郎／花子"_s << QString() << u"太郎|花子"_s << u"太郎・花子"_s;
        QTest::newRow("empty parts dropped")
            << u"山田　太郎／／花子／"_s << u"山田"_s << u"太郎|花子"_s << u"山田　太郎・花子"_s;
        QTest::newRow("fifth joins the fourth")
            << u"山田　一／二／三／四／五"_s << u"山田"_s << u"一|二|三|四・五"_s
            << u"山田　一・二・三・四・五"_s;
    }
    void jointNamesSplitIntoFamilyAndGivenNames() {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(QString, given);
        QFETCH(QString, line);
        const book::JointName joint = book::splitJointName(name);
        QCOMPARE(joint.family, family);
        QCOMPARE(joint.givenNames.join(u'|'), given);
        QCOMPARE(book::jointNameLine(name), line);
    }

    // Horizontal cards stack a joint name, each given name with its own honorific.
    void horizontalCardsJoinTheGivenNames() {
        platform::RecordingPrinter printer;
        postcard::PostcardJobSettings settings = vertical();
        settings.writing = postcard::Writing::Horizontal;
        const book::AddressCard entry{u"山田　太郎／花子"_s, u"東京都"_s, QString(), QString(),
                                      u"1000005"_s,          QString(),   u"0"_s};
        QVERIFY(printPostcards(printer, {entry}, settings));
        QVERIFY(printer.calls().contains(u"print 山田　太郎"_s));
        QVERIFY(printer.calls().contains(u"print 花子"_s));
        QCOMPARE(printer.calls().count(u"print 様"_s), 2);
        QVERIFY(columns(printer).isEmpty());
    }

    // The couple's names stand in two columns, the family name once, each with its honorific on one
    // level.
    void jointNamesGetAColumnAndAnHonorificEach() {
        platform::RecordingPrinter printer;
        const book::AddressCard entry{u"山田　太郎／花子"_s,
                                      u"東京都千代田区"_s,
                                      u"丸の内1-2-3"_s,
                                      QString(),
                                      u"1000005"_s,
                                      QString(),
                                      u"0"_s};
        QVERIFY(printPostcards(printer, {entry}, vertical()));
        const PrintedText first = columnOf(printer, u"山田　太郎"_s);
        const PrintedText second = columnOf(printer, u"花子"_s);
        QVERIFY(!first.text.isEmpty() && !second.text.isEmpty());
        QVERIFY(second.xTwips < first.xTwips); // the next column to the left
        QCOMPARE(second.yTwips,
                 first.yTwips + 3 * int(platform::twipsOfPoints(
                                        first.points))); // under the given name, not the family
        QList<PrintedText> honorifics;
        for (const PrintedText& c : columns(printer))
            if (c.text == u"様"_s)
                honorifics << c;
        QCOMPARE(honorifics.size(), 2);
        QCOMPARE(honorifics[0].yTwips, honorifics[1].yTwips);
        QCOMPARE(QSet<int>({honorifics[0].xTwips, honorifics[1].xTwips}),
                 QSet<int>({first.xTwips, second.xTwips}));
        // The block is centred on the card's middle.
        const double centre =
            (mm(second.xTwips) + mm(first.xTwips + platform::twipsOfPoints(first.points))) / 2;
        QVERIFY2(qAbs(centre - 50) < 0.1, qPrintable(QString::number(centre)));
    }

    // The name at 28 points while it fits, its honorific half a character below; a name too long
    // for one column at 1.4 times the address goes on in a second, a character lower.
    void theNameIsLargestAndItsHonorificFollowsIt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fullSize");
        QTest::addColumn<int>("nameColumns");
        QTest::newRow("short") << u"山田太"_s << true << 1;
        QTest::newRow("longer, sized down") << u"勅使河原　三郎左衛門"_s << false << 1;
        QTest::newRow("very long, broken")
            << u"寿限無寿限無五劫の擦り切れ海砂利水魚"_s << false << 2;
    }
    void theNameIsLargestAndItsHonorificFollowsIt() {
        QFETCH(QString, name);
        QFETCH(bool, fullSize);
        QFETCH(int, nameColumns);
        platform::RecordingPrinter printer;
        const book::AddressCard entry{name,         u"東京都"_s, QString(), QString(),
                                      u"1000005"_s, QString(),   u"0"_s};
        const printing::TypesetCard card = postcard::typesetVerticalCard(
            printer, postcard::postcardTextOf(entry), &Sender, u"ＭＳ 明朝"_s);
        QList<printing::PlacedRun> names;
        QString text;
        qsizetype lastName = -1;
        for (qsizetype i = 0; i < card.runs.size(); ++i)
            if (card.runs[i].role == printing::RunRole::Name) {
                names << card.runs[i];
                text += card.runs[i].text;
                lastName = i;
            }
        QCOMPARE(text.remove(u'　'), printing::verticalText(name).remove(u'　'));
        QCOMPARE(names.size(), nameColumns);
        QCOMPARE(names.first().points == postcard::VerticalNamePoints, fullSize);
        QVERIFY(names.first().points >= postcard::VerticalAddressLeastPoints * 1.4);
        QVERIFY(qAbs(mm(names.first().yTwips) - postcard::VerticalNameTopMm) < 0.1);
        QCOMPARE(card.compromises.contains(u"宛名を分割"_s), nameColumns > 1);
        // The job's review before printing names what the vertical card gave up.
        postcard::PostcardJobSettings settings;
        settings.writing = postcard::Writing::Vertical;
        settings.textFace = u"ＭＳ 明朝"_s;
        settings.sender = Sender;
        printing::JobReview review;
        postcard::notePostcardCompromises(printer, {entry}, settings, review);
        QCOMPARE(review.reduced.join(QString()).contains(u"宛名を分割"_s), nameColumns > 1);
        QCOMPARE(review.reduced.isEmpty(), card.compromises.isEmpty());
        const printing::PlacedRun& last = names.last();
        const printing::PlacedRun& honorific = card.runs[lastName + 1];
        QCOMPARE(honorific.text, u"様"_s);
        QCOMPARE(honorific.xTwips, last.xTwips);
        QCOMPARE(honorific.yTwips, last.yTwips + int(std::lround(platform::twipsOfPoints(
                                                     (last.text.size() + 0.5) * last.points))));
    }

    // The street fills its column at 14 points and goes on in the next, a character lower, rather
    // than shrink.
    void theAddressIsBrokenIntoColumnsBeforeItShrinks_data() {
        QTest::addColumn<int>("characters");
        QTest::addColumn<int>("streetColumns");
        // From 25 to 136 mm: 111 mm hold 22 characters of 14 points (4.94 mm each).
        QTest::newRow("longest in one column") << 22 << 1;
        QTest::newRow("one more") << 23 << 2;
        QTest::newRow("twice too long") << 44 << 3;
    }
    void theAddressIsBrokenIntoColumnsBeforeItShrinks() {
        QFETCH(int, characters);
        QFETCH(int, streetColumns);
        const QString street = QString(characters - 5, u'町') + u"1-2-3"_s;
        platform::RecordingPrinter printer;
        const book::AddressCard entry{u"佐藤"_s,
                                      street.left(characters / 2),
                                      street.mid(characters / 2),
                                      u"ビル"_s,
                                      u"1000005"_s,
                                      QString(),
                                      u"0"_s};
        QVERIFY(printPostcards(printer, {entry}, vertical()));
        QList<PrintedText> address;
        for (const PrintedText& column : columns(printer))
            if (column.text.contains(u'町') || column.text.contains(u'三'))
                address << column;
        QCOMPARE(address.size(), streetColumns);
        QString joined;
        for (const PrintedText& column : address) {
            joined += column.text;
            QCOMPARE(column.points, postcard::VerticalAddressPoints);
            QVERIFY(bottomMm(column) <= postcard::VerticalAddressBottomMm + 0.05);
        }
        QCOMPARE(joined, printing::verticalText(street));
        QVERIFY(qAbs(mm(address[0].xTwips + platform::twipsOfPoints(address[0].points)) -
                     postcard::VerticalAddressRightMm) < 0.1);
        QVERIFY(qAbs(mm(address[0].yTwips) - postcard::VerticalAddressTopMm) < 0.1);
        for (qsizetype i = 1; i < address.size(); ++i) {
            QVERIFY(address[i].xTwips + platform::twipsOfPoints(address[i].points) <
                    address[i - 1].xTwips);
            QCOMPARE(address[i].yTwips,
                     address[0].yTwips + int(platform::twipsOfPoints(address[0].points)));
        }
        // The building in the next column, left of the street and lower; the name left of both.
        const PrintedText building = columnOf(printer, u"ビル"_s);
        QVERIFY(building.xTwips + platform::twipsOfPoints(building.points) < address.last().xTwips);
        QVERIFY(building.yTwips > address.last().yTwips);
        QVERIFY(columnOf(printer, u"佐藤"_s).xTwips +
                    platform::twipsOfPoints(columnOf(printer, u"佐藤"_s).points) <
                building.xTwips);
    }

    // The boxes hold the code exactly as on a horizontal card; the sender stays in the lower-left.
    void theBoxesStayAndTheSenderSitsLowerLeft() {
        const book::AddressCard entry{u"佐藤　一郎"_s, u"東京都"_s, u"丸の内1"_s, QString(),
                                      u"100-0005"_s,   u"得意先"_s, u"0"_s};
        platform::RecordingPrinter vertical_, horizontal;
        QVERIFY(printPostcards(vertical_, {entry}, vertical(Sender)));
        postcard::PostcardJobSettings across = vertical(Sender);
        across.writing = postcard::Writing::Horizontal;
        QVERIFY(printPostcards(horizontal, {entry}, across));
        auto boxes = [](const platform::RecordingPrinter& printer) {
            QStringList found;
            for (const PrintedText& text : printer.printed())
                if (text.yTwips == postcard::ZipBoxYTwips)
                    found << u"%1 %2"_s.arg(text.xTwips).arg(text.text);
            return found;
        };
        QCOMPARE(boxes(vertical_).size(), 7);
        QCOMPARE(boxes(vertical_), boxes(horizontal));

        int senderTexts = 0;
        for (const PrintedText& text : vertical_.printed()) {
            const bool isSender = text.text.contains(u"大阪"_s) || text.text.contains(u"梅田"_s) ||
                                  text.text.contains(u"鈴木"_s) || text.text.contains(u"５３０"_s);
            if (!isSender)
                continue;
            ++senderTexts;
            const double width = platform::twipsOfPoints(
                text.vertical ? text.points : text.text.size() * text.points);
            QVERIFY2(mm(text.xTwips + width) <= 45 && mm(text.yTwips) >= 85, qPrintable(text.text));
            QVERIFY(text.vertical ? bottomMm(text) <= 136 : mm(text.yTwips) < 145);
        }
        QCOMPARE(senderTexts, 5); // street in two columns, building, name, postal code
        QVERIFY(vertical_.calls().contains(u"vertical 梅田三ー一ー一"_s));
        QVERIFY(vertical_.calls().contains(u"vertical 梅田ビル"_s));
        QVERIFY(vertical_.calls().contains(u"print 〒５３０－０００１"_s));
        // The horizontal sender: small lines in the lower-left, the long first one broken after the
        // code.
        QVERIFY(horizontal.calls().contains(u"print 〒５３０－０００１"_s));
        QVERIFY(horizontal.calls().contains(u"print 大阪府大阪市北区梅田3-1-1"_s));
        QVERIFY(horizontal.calls().contains(u"print 梅田ビル"_s));
        QVERIFY(horizontal.calls().contains(u"print 鈴木　次郎"_s));
    }

    // The sender is a one-card book; the choices a line of their own file.
    void senderAndChoicesFilesRoundTrip() {
        QTemporaryDir dir;
        const QString senderPath = dir.filePath(u"Sender.dat"_s);
        QVERIFY(!postcard::readSender(senderPath).sender); // missing: none, no error
        QVERIFY(postcard::readSender(senderPath).error.isEmpty());
        QVERIFY(postcard::writeSender(senderPath, Sender).ok());
        QFile file(senderPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), *book::formatBook({Sender}));
        QCOMPARE(*postcard::readSender(senderPath).sender, Sender);
        book::AddressCard bad = Sender;
        bad.name = u"한국"_s; // code page 932 cannot hold it: refused, the old file stays
        QVERIFY(!postcard::writeSender(senderPath, bad).ok());
        QCOMPARE(*postcard::readSender(senderPath).sender, Sender);
        QFile broken(dir.filePath(u"broken.dat"_s));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\"\x82\x20\"");
        broken.close();
        QVERIFY(!postcard::readSender(broken.fileName()).error.isEmpty());

        const QString choicesPath = dir.filePath(u"TagoraCard.ini"_s);
        QCOMPARE(postcard::readPostcardChoices(choicesPath), postcard::PostcardChoices());
        const postcard::PostcardChoices chosen{postcard::Writing::Vertical, true};
        QVERIFY(postcard::writePostcardChoices(choicesPath, chosen).ok());
        QCOMPARE(postcard::readPostcardChoices(choicesPath), chosen);
        QFile written(choicesPath);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("\"1\",\"1\"\r\n"));
    }
};

QTEST_MAIN(VerticalCardTest)
#include "VerticalCardTest.moc"
