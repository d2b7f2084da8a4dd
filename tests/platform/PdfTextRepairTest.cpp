#include "platform/PdfTextRepair.h"
#include "labels/LabelSheets.h"
#include "platform/Fonts.h"
#include "platform/QtPrinter.h"
#include "platform/RecordingPrinter.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// pdftotext's text of a PDF as it is, without any normalisation.
QString textOf(const QString& pdf) {
    QProcess process;
    process.start(u"pdftotext"_s, {u"-raw"_s, u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString withoutSpaces(QString text) {
    text.remove(QRegularExpression(u"\\s"_s, QRegularExpression::UseUnicodePropertiesOption));
    return text;
}

// Cards whose kanji the CJK faces share with radicals: 山 ⼭, 田 ⽥, 長 ⻑, 一 ⼀, 口 ⼝, 日 ⽇, 木
// ⽊, 大 ⼤.
book::CardList kanjiCards() {
    return {{u"山田一郎"_s,
             u"長野県長野市大字長野"_s,
             u"一丁目一番地"_s,
             {},
             u"380-0001"_s,
             u"日本木口"_s,
             u"0"_s},
            {u"田中長子"_s,
             u"山口県山口市"_s,
             u"大手町二の一"_s,
             u"長田ビル"_s,
             u"753-0001"_s,
             {},
             u"1"_s}};
}

bool hasRadicals(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if ((c >= 0x2E80 && c <= 0x2FDF) || (c >= 0x31C0 && c <= 0x31EF))
            return true;
    return false;
}

} // namespace

class PdfTextRepairTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

  private slots:
    void initTestCase() { platform::registerFontSubstitutions(); }

    void radicalsBecomeTheirIdeographs_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Kangxi radicals") << u"⼭⽥⼀⼝⽇⽊⼤"_s << u"山田一口日木大"_s;
        QTest::newRow("supplement") << u"⻑⻘"_s << u"長青"_s;
        QTest::newRow("a range of two") << u"⺌⺍"_s << u"小小"_s;
        QTest::newRow("an ideograph outside the basic plane")
            << u"⺇"_s << QString::fromUcs4(U"\U00020628", 1);
        QTest::newRow("strokes") << u"㇐"_s << u"一"_s;
        QTest::newRow("everything else kept") << u"〒１２３－ａ様😀"_s << u"〒１２３－ａ様😀"_s;
    }

    void radicalsBecomeTheirIdeographs() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(platform::unifiedIdeographText(text), expected);
    }

    // A label job's PDF gives back its cards' text, in either face the font chooser offers first.
    void labelPdfTextIsTheCardsText_data() {
        QTest::addColumn<QString>("face");
        QTest::newRow("mincho") << QString::fromUtf16(platform::MinchoFace);
        QTest::newRow("gothic") << u"ＭＳ ゴシック"_s;
    }

    void labelPdfTextIsTheCardsText() {
        QFETCH(QString, face);
        const QString pdf =
            m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);
        platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
        QVERIFY(printer.begin(platform::PaperSize::A4));
        labels::LabelSheets sheets(kanjiCards(), 1, face, {});
        QVERIFY(sheets.drawJob(printer));
        QVERIFY(printer.endDoc());

        platform::RecordingPrinter recorded;
        QVERIFY(recorded.begin(platform::PaperSize::A4));
        labels::LabelSheets(kanjiCards(), 1, face, {}).drawJob(recorded);

        const QString text = textOf(pdf);
        QVERIFY2(!hasRadicals(text), qPrintable(text));
        QStringList missing;
        for (const platform::PrintedText& line : recorded.printed())
            if (!withoutSpaces(text).contains(withoutSpaces(line.text)))
                missing << line.text;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u" | "_s) + u"\nin\n"_s + text));
        QVERIFY(withoutSpaces(text).contains(u"山田一郎"_s));
    }

    // A rule of another kind (vertical forms, say) gets each font's glyphs after the radicals are mended.
    void rulesChangeTheGlyphsTheyName() {
        const QString pdf = m_dir.filePath(u"rule.pdf"_s);
        platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
        QVERIFY(printer.begin(platform::PaperSize::A4));
        printer.setFontName(QString::fromUtf16(platform::MinchoFace));
        printer.setFontSize(12);
        printer.print(u"山口"_s);
        QVERIFY(printer.endDoc());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList seen;
        const platform::PdfTextRepairResult repaired =
            platform::repairPdfText(file.readAll(), {[&seen](platform::PdfFontText& font) {
                                        for (auto& [code, text] : font.texts) {
                                            seen << text;
                                            if (text == u"口"_s)
                                                text = u"川"_s;
                                        }
                                    }});
        QVERIFY(repaired.ok());
        QVERIFY2(seen.contains(u"山"_s) && seen.contains(u"口"_s), qPrintable(seen.join(u',')));
        const QString again = m_dir.filePath(u"rule-again.pdf"_s);
        QFile out(again);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(repaired.pdf);
        out.close();
        QCOMPARE(withoutSpaces(textOf(again)), u"山川"_s);
    }

    void notAPdfIsAnErrorAndKept() {
        const QByteArray bytes = "%PDF-1.4 not really";
        const platform::PdfTextRepairResult result = platform::repairPdfText(bytes);
        QVERIFY(!result.ok());
        QCOMPARE(result.pdf, bytes);
    }
};

QTEST_MAIN(PdfTextRepairTest)
#include "PdfTextRepairTest.moc"
