// Envelope jobs as the command line prints them, read back from the PDF:
// each envelope's page at its size, the code's digits in Japan Post's boxes,
// no text past the edge, the back page with the sender.

#include "book/AddressFile.h"
#include "support/PdfText.h"
#include "support/RunTagora.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr double PointsPerMm = 72.0 / 25.4;

book::AddressCard card(const QString& name, const QString& zip, const QString& address1,
                       const QString& address2, const QString& address3 = {}) {
    return {name, address1, address2, address3, zip, QString(), u"0"_s};
}

const book::CardList Recipients = {
    card(u"山田　太郎"_s, u"100-0001"_s, u"東京都千代田区"_s, u"千代田１－１"_s),
    card(u"株式会社日本橋商事　営業部　佐藤花子"_s, u"１０３０００７"_s,
         u"東京都中央区日本橋浜町"_s, u"三丁目２１番１号"_s, u"日本橋浜町Ｆタワー１２階"_s),
    card(u"田中　次郎"_s, u"100-00"_s, u"東京都千代田区"_s, u"丸の内２－２"_s),
};

const book::AddressCard Sender =
    card(u"鈴木　一郎"_s, u"530-0001"_s, u"大阪府大阪市北区"_s, u"梅田３－１－１"_s);

// Every page's size in points, by pdfinfo.
QList<QSizeF> pageSizes(const QString& pdf) {
    QProcess info;
    info.start(u"pdfinfo"_s, {u"-f"_s, u"1"_s, u"-l"_s, u"999"_s, pdf});
    info.waitForFinished(30000);
    QList<QSizeF> sizes;
    static const QRegularExpression size(u"Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts"_s);
    auto it = size.globalMatch(QString::fromUtf8(info.readAllStandardOutput()));
    while (it.hasNext()) {
        const auto match = it.next();
        sizes << QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
    }
    return sizes;
}

} // namespace

class EnvelopePdfTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_book;

    // The job's PDF, or empty after saying why the command failed.
    QString print(const QStringList& options, const QString& name) {
        const QString pdf = m_home.filePath(name + u".pdf"_s);
        const TagoraRun run = runTagora(m_home.path(), QStringList{u"envelopes"_s, m_book} +
                                                           options + QStringList{u"-o"_s, pdf});
        if (run.exitCode != 0) {
            qWarning().noquote() << run.err;
            return {};
        }
        return pdf;
    }

private slots:
    void initTestCase() {
        m_book = m_home.filePath(u"book.dat"_s);
        QVERIFY(book::writeBook(m_book, Recipients).ok());
        QVERIFY(book::writeBook(m_home.filePath(u"Sender.dat"_s), {Sender}).ok());
    }

    // Each page at the envelope's size, turned for a horizontal 洋 envelope;
    // every word on it at least 3 mm inside the edge; a back page after
    // every front with --back, with the sender and nothing of the recipient.
    void pagesAreTheEnvelopeWithTextInside_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QSizeF>("pageMm");
        QTest::newRow("長3 vertical")
            << QStringList{u"--size"_s, u"naga3"_s, u"--vertical"_s} << QSizeF(120, 235);
        QTest::newRow("長4 horizontal") << QStringList{u"--size"_s, u"長4"_s} << QSizeF(90, 205);
        QTest::newRow("角2 vertical, back")
            << QStringList{u"--size"_s, u"kaku2"_s, u"--vertical"_s, u"--back"_s}
            << QSizeF(240, 332);
        QTest::newRow("洋2 horizontal, back: turned")
            << QStringList{u"--size"_s, u"洋2"_s, u"--back"_s} << QSizeF(162, 114);
        QTest::newRow("洋長3 vertical: upright")
            << QStringList{u"--size"_s, u"younaga3"_s, u"--vertical"_s} << QSizeF(120, 235);
        QTest::newRow("長3 horizontal, back")
            << QStringList{u"--size"_s, u"長3"_s, u"--back"_s} << QSizeF(120, 235);
        QTest::newRow("user size, back")
            << QStringList{u"--size"_s, u"100x180"_s, u"--vertical"_s, u"--back"_s}
            << QSizeF(100, 180);
    }

    void pagesAreTheEnvelopeWithTextInside() {
        QFETCH(QStringList, options);
        QFETCH(QSizeF, pageMm);
        const QString pdf =
            print(options, QString::fromLatin1(QTest::currentDataTag()).section(u' ', 0, 0));
        QVERIFY(!pdf.isEmpty());
        const bool back = options.contains(u"--back"_s);
        const QList<QSizeF> sizes = pageSizes(pdf);
        QCOMPARE(sizes.size(), int(Recipients.size()) * (back ? 2 : 1));
        // Qt writes the page's size in whole points.
        for (const QSizeF& size : sizes)
            QVERIFY2(qAbs(size.width() - pageMm.width() * PointsPerMm) <= 0.5 &&
                         qAbs(size.height() - pageMm.height() * PointsPerMm) <= 0.5,
                     qPrintable(u"page %1 x %2 pt"_s.arg(size.width()).arg(size.height())));

        const pdftext::Document document = pdftext::read(pdf);
        const double margin = 3 * PointsPerMm;
        QStringList pageTexts(sizes.size());
        for (const pdftext::Word& word : document.words) {
            QVERIFY2(word.xMin >= margin && word.yMin >= margin &&
                         word.xMax <= pageMm.width() * PointsPerMm - margin &&
                         word.yMax <= pageMm.height() * PointsPerMm - margin,
                     qPrintable(u"\"%1\" on page %2 at (%3, %4)-(%5, %6) pt"_s.arg(word.text)
                                    .arg(word.page)
                                    .arg(word.xMin)
                                    .arg(word.yMin)
                                    .arg(word.xMax)
                                    .arg(word.yMax)));
            pageTexts[word.page - 1] += word.text;
        }
        // Columns come back from pdftotext out of order: compare characters.
        auto holdsAll = [](const QString& page, const QString& characters) {
            for (const QChar c : characters)
                if (c != u'　' && !page.contains(c))
                    return false;
            return true;
        };
        const int pagesPerEnvelope = back ? 2 : 1;
        for (int i = 0; i < Recipients.size(); ++i) {
            const QString& front = pageTexts[i * pagesPerEnvelope];
            QVERIFY2(holdsAll(front, Recipients[i].name) && !front.contains(u"梅"_s),
                     qPrintable(front));
            if (back) {
                const QString& reverse = pageTexts[i * pagesPerEnvelope + 1];
                QVERIFY2(holdsAll(reverse, Sender.name + u"梅田"_s) && !reverse.contains(u"様"_s),
                         qPrintable(reverse));
            }
        }
    }

    // On 長3 and 長4 the seven digits stand in Japan Post's boxes: the top
    // 12 mm down, the last box ending 8 mm from the right edge, 5.7 by 8 mm
    // boxes as on a postcard; each digit's box centred within 0.5 mm. The
    // code is nowhere else on the page, and a 〒 nowhere.
    void digitsStandInTheCodeBoxes_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<double>("widthMm");
        QTest::newRow("長3 vertical")
            << QStringList{u"--size"_s, u"naga3"_s, u"--vertical"_s} << 120.0;
        QTest::newRow("長3 horizontal") << QStringList{u"--size"_s, u"naga3"_s} << 120.0;
        QTest::newRow("長4 vertical")
            << QStringList{u"--size"_s, u"naga4"_s, u"--vertical"_s} << 90.0;
    }

    void digitsStandInTheCodeBoxes() {
        QFETCH(QStringList, options);
        QFETCH(double, widthMm);
        const QString pdf = print(options + QStringList{u"--cards"_s, u"2"_s}, u"boxes"_s);
        QVERIFY(!pdf.isEmpty());
        const pdftext::Document document = pdftext::read(pdf);
        QList<pdftext::Word> digits;
        for (const pdftext::Word& word : document.words) {
            QVERIFY2(!word.text.contains(u"〒"_s) && !word.text.contains(u"0007"_s),
                     qPrintable(word.text));
            if (word.text.size() == 1 && word.text[0].isDigit())
                digits << word;
        }
        std::sort(digits.begin(), digits.end(), [](auto& a, auto& b) { return a.xMin < b.xMin; });
        QStringList read;
        for (const pdftext::Word& digit : digits)
            read << digit.text;
        QCOMPARE(read.join(QString()), u"1030007"_s);
        const double lastBoxEnd = widthMm - 8.0;
        const double boxLeftFromEnd[] = {47.9, 40.9, 33.9, 26.1, 19.3, 12.5, 5.7};
        for (int box = 0; box < 7; ++box) {
            const double centreX = (lastBoxEnd - boxLeftFromEnd[box] + 5.7 / 2) * PointsPerMm;
            const double centreY = (12.0 + 8.0 / 2) * PointsPerMm;
            const pdftext::Word& digit = digits[box];
            const double x = (digit.xMin + digit.xMax) / 2;
            const double y = (digit.yMin + digit.yMax) / 2;
            QVERIFY2(
                qAbs(x - centreX) <= 0.5 * PointsPerMm && qAbs(y - centreY) <= 0.5 * PointsPerMm,
                qPrintable(u"box %1: digit centre (%2, %3) mm, box centre (%4, %5) mm"_s.arg(box)
                               .arg(x / PointsPerMm)
                               .arg(y / PointsPerMm)
                               .arg(centreX / PointsPerMm)
                               .arg(centreY / PointsPerMm)));
        }
    }

    // Where there are no boxes the code is written out, full-width with a
    // hyphen and no 〒, above the address; a code the boxes cannot hold, below them.
    void withoutBoxesTheCodeIsWrittenOut_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("written");
        QTest::addColumn<double>("leastTopMm");
        QTest::newRow("角2 vertical")
            << QStringList{u"--size"_s, u"角2"_s, u"--vertical"_s, u"--cards"_s, u"1"_s}
            << u"１００－０００１"_s << 0.0;
        QTest::newRow("洋2 horizontal") << QStringList{u"--size"_s, u"you2"_s, u"--cards"_s, u"1"_s}
                                        << u"１００－０００１"_s << 0.0;
        QTest::newRow("長3 vertical, not 7 digits")
            << QStringList{u"--size"_s, u"naga3"_s, u"--vertical"_s, u"--cards"_s, u"3"_s}
            << u"１００－００"_s << 20.0;
    }

    void withoutBoxesTheCodeIsWrittenOut() {
        QFETCH(QStringList, options);
        QFETCH(QString, written);
        QFETCH(double, leastTopMm);
        const QString pdf = print(options, u"written"_s);
        QVERIFY(!pdf.isEmpty());
        const pdftext::Document document = pdftext::read(pdf);
        const QList<pdftext::Word> code = document.find(written);
        QCOMPARE(code.size(), 1);
        QVERIFY(code.first().yMin >= leastTopMm * PointsPerMm);
        for (const pdftext::Word& word : document.words) {
            QVERIFY(!word.text.contains(u"〒"_s));
            if (word.text.contains(u"千代田"_s))
                QVERIFY2(word.yMin > code.first().yMin, qPrintable(word.text));
        }
    }

    void badSizesAndAMissingBackAreRefused_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("unknown size") << QStringList{u"--size"_s, u"長5"_s} << 2;
        QTest::newRow("too small") << QStringList{u"--size"_s, u"40x80"_s} << 2;
        QTest::newRow("no size") << QStringList{} << 2;
        QTest::newRow("sender without back")
            << QStringList{u"--size"_s, u"naga3"_s, u"--sender"_s, m_book} << 2;
    }

    void badSizesAndAMissingBackAreRefused() {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        const QString pdf = m_home.filePath(u"refused.pdf"_s);
        const TagoraRun run = runTagora(m_home.path(), QStringList{u"envelopes"_s, m_book} +
                                                           options + QStringList{u"-o"_s, pdf});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(run.err.startsWith(u"tagora: "_s));
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_GUILESS_MAIN(EnvelopePdfTest)
#include "EnvelopePdfTest.moc"
