#include "platform/PdfTextRepair.h"
#include "labels/LabelSheets.h"
#include "platform/Fonts.h"
#include "platform/PdfTextObjects.h"
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

    // A rule of another kind (vertical forms, say) gets each font's glyphs after the radicals are
    // mended.
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

    // The text as typed, kanji whose glyph the face shares with another code
    // point among it (黒 黑, 戸 戶, 山 ⼭): each line one a line, in
    // pdftotext's reading order and in the content's; columns, which read a
    // character a line, in the content's order.
    void pdfTextIsTheTypedText_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("vertical");
        const QString address = u"東京都千代田区霞が関１－２－３黒戸ビル"_s;
        QTest::newRow("lines") << QStringList{u"黒"_s, u"戸"_s, u"髙"_s, u"﨑"_s, u"山"_s, address}
                               << false;
        QTest::newRow("one glyph typed two ways") << QStringList{u"黒田"_s, u"黑田"_s} << false;
        QTest::newRow("columns") << QStringList{u"黒戸髙﨑山"_s, u"一ノ瀬（ー）"_s} << true;
    }

    void pdfTextIsTheTypedText() {
        QFETCH(QStringList, lines);
        QFETCH(bool, vertical);
        const QString pdf =
            m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);
        platform::QtPrinter printer(platform::PrintDestination::pdf(pdf));
        QVERIFY(printer.begin(platform::PaperSize::A4));
        printer.setFontName(QString::fromUtf16(platform::MinchoFace));
        printer.setFontSize(14);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            // Columns from the right, as on a card; lines well apart.
            printer.setCurrentX(vertical ? 6000 - int(i) * 1200 : 1000);
            printer.setCurrentY(vertical ? 1000 : 1000 + int(i) * 1200);
            vertical ? printer.printVertical(lines[i]) : printer.print(lines[i]);
        }
        QVERIFY(printer.endDoc());
        if (vertical) {
            QCOMPARE(withoutSpaces(textOf(pdf)), lines.join(QString()));
            return;
        }
        for (const QStringList& order : {QStringList(), QStringList{u"-raw"_s}}) {
            QProcess process;
            process.start(u"pdftotext"_s, order + QStringList{u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
            QVERIFY(process.waitForFinished(30000));
            QStringList got;
            for (const QString& line :
                 QString::fromUtf8(process.readAllStandardOutput()).split(u'\n'))
                if (!line.trimmed().isEmpty())
                    got << line.trimmed();
            got.sort();
            QStringList expected = lines;
            expected.sort();
            QCOMPARE(got, expected);
        }
    }

    // Each text object's codes as "font:code", objects apart by " | ".
    void textObjectsShowTheirCodes_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one string of two codes")
            << QByteArray("q BT /F1 12 Tf 1 0 0 -1 0 0 Tm 10 -20 Td <00010002> Tj ET Q")
            << u"F1:1 F1:2"_s;
        QTest::newRow("kerned array, font set before BT")
            << QByteArray("/F2 9 Tf BT [<0003> -120 (\\000\\004)] TJ ET BT /F1 9 Tf <0005> Tj ET")
            << u"F2:3 F2:4 | F1:5"_s;
        QTest::newRow("an inline image's data is no text")
            << QByteArray("BI /W 4 /H 1 /BPC 8 /CS /G ID BT ET EI BT /F1 1 Tf <0007> Tj ET")
            << u"F1:7"_s;
    }

    void textObjectsShowTheirCodes() {
        QFETCH(QByteArray, content);
        QFETCH(QString, shown);
        QStringList objects;
        for (const platform::PdfTextObject& object : platform::textObjectsOf(content)) {
            QStringList codes;
            for (const platform::ShownCode& code : object.shown)
                codes << QString::fromLatin1(code.font) + u':' + QString::number(code.code);
            objects << codes.join(u' ');
        }
        QCOMPARE(objects.join(u" | "_s), shown);
        const QList<platform::PdfTextObject> found = platform::textObjectsOf(content);
        const QByteArray spanned = platform::withActualTexts(content, {{found.back(), u"山"_s}});
        QCOMPARE(spanned.mid(found.back().begin),
                 "/Span <</ActualText <FEFF5C71>>> BDC\n" +
                     content.mid(found.back().begin, found.back().end - found.back().begin) +
                     "\nEMC" + content.mid(found.back().end));
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
