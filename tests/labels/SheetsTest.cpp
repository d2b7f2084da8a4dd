#include "SheetFiles.h"

#include "labels/LabelSheets.h"
#include "labels/SheetChoice.h"
#include "labels/SheetDraft.h"
#include "labels/SheetFile.h"
#include "labels/SheetLibrary.h"
#include "labels/SheetSearch.h"
#include "labels/SheetTestPage.h"
#include "labels/UserSheets.h"
#include "platform/RecordingPrinter.h"
#include "platform/Units.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace sheetfiles;

namespace {

const QString HisagoFile =
    QStringLiteral("/usr/share/libglabels-3.0/templates/hisago-templates.xml");

// The standard sheet's table of positions, written out independently of LabelLayout.
labels::LinePlacement standardPlacement(int label, int line, int shift,
                                        printing::OffsetsTwips offsets) {
    const int lefts[] = {1500, 1500, 1500, 1700, 2300, 2500};
    const int rights[] = {6450, 6450, 6450, 6650, 7300, 7500};
    const int ys[] = {1200, 1600, 1900, 2200, 2700, 3050};
    const double points[] = {11, 11, 11, 11, 12, 10};
    const bool right = label % 2 == 0;
    const int row = (label + 1) / 2;
    labels::LinePlacement placement;
    placement.xTwips =
        (right ? rights : lefts)[line - 1] + offsets.xTwips - (line == 5 ? shift : 0);
    placement.yTwips = ys[line - 1] + (row - 1) * 2390 + offsets.yTwips;
    placement.points = points[line - 1];
    return placement;
}

const labels::SheetTemplate* named(const QList<labels::SheetTemplate>& sheets,
                                   const QString& part) {
    for (const labels::SheetTemplate& sheet : sheets)
        if (sheet.part == part)
            return &sheet;
    return nullptr;
}

// The standard sheet's labels are 86.4 mm wide and meet at the middle of the
// page: the left column ends 105 mm from the paper's left edge, the right
// one at 191.4 mm.
int standardRightEdgeTwips(int label) {
    const double edgeMillimetres = label % 2 == 0 ? 191.4 : 105.0;
    return int(platform::paperTwipsUnrounded(edgeMillimetres)) - platform::PageOriginInsetTwips;
}

} // namespace

class SheetsTest : public QObject {
    Q_OBJECT

private slots:
    // The standard sheet as data puts every line of every label where the
    // twips tables always did, with shifts and trims, and its edges are the old ones.
    void standardSheetKeepsEveryPlacement() {
        const labels::SheetLayout layout(labels::standardSheet());
        QCOMPARE(layout.labelCount(), 12);
        const QList<QPoint> places = labels::standardSheet().gridPlaces();
        QCOMPARE(places.size(), 12);
        QCOMPARE(places[1], QPoint(1, 0));
        QCOMPARE(places[11], QPoint(1, 5));
        for (int label = 1; label <= 12; ++label) {
            QCOMPARE(layout.rightEdgeTwips(label), standardRightEdgeTwips(label));
            for (int line = 1; line <= 6; ++line)
                for (const int shift : {0, 200, 820})
                    for (const printing::OffsetsTwips offsets :
                         {printing::OffsetsTwips{}, {-550, 605}}) {
                        const labels::LinePlacement got =
                            layout.linePlacement(label, line, shift, offsets);
                        const labels::LinePlacement want =
                            standardPlacement(label, line, shift, offsets);
                        QCOMPARE(got.xTwips, want.xTwips);
                        QCOMPARE(got.yTwips, want.yTwips);
                        QCOMPARE(got.points, want.points);
                    }
        }
        // Across, then down: label 4 is the second row's right label.
        QCOMPARE(labels::standardSheet().labelRect(4), QRectF(105, 63.9, 86.4, 42.3));
    }

    void lengthsInEveryUnit_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("millimetres");
        QTest::newRow("mm") << u"66mm"_s << 66.0;
        QTest::newRow("inch") << u"0.5in"_s << 12.7;
        QTest::newRow("points, bare") << u"72"_s << 25.4;
        QTest::newRow("points") << u"36pt"_s << 12.7;
        QTest::newRow("cm") << u"1.2cm"_s << 12.0;
        QTest::newRow("leading dot") << u".5in"_s << 12.7;
    }

    void lengthsInEveryUnit() {
        QFETCH(QString, text);
        QFETCH(double, millimetres);
        double value = 0;
        QVERIFY(labels::parseLength(text, &value));
        QVERIFY2(qAbs(value - millimetres) < 1e-9, qPrintable(QString::number(value)));
    }

    // A bad number and a missing attribute leave their template out, named with
    // its line; other shapes and papers are skipped; the rest of the file stays.
    void faultyTemplatesAreLeftOutWithTheirLine() {
        const labels::SheetFileContents contents = labels::readSheetFile(Faulty);
        QVERIFY(contents.ok());
        QCOMPARE(contents.faultyTemplates.size(), 2);
        QVERIFY2(contents.faultyTemplates[0].startsWith(Faulty + u": line 11: "_s) &&
                     contents.faultyTemplates[0].contains(u"width=\"6x6mm\" is not a length"_s),
                 qPrintable(contents.faultyTemplates[0]));
        QVERIFY2(contents.faultyTemplates[1].startsWith(Faulty + u": line 16: "_s) &&
                     contents.faultyTemplates[1].contains(u"no width"_s),
                 qPrintable(contents.faultyTemplates[1]));
        QCOMPARE(contents.skipped.size(), 3);
        QCOMPARE(labels::skipReasonText(contents.skipped[0]), u"labels that are not rectangles"_s);
        QCOMPARE(labels::skipReasonText(contents.skipped[1]), u"CD labels"_s);
        QCOMPARE(contents.skipped[2].name, u"Test A3"_s);
        QCOMPARE(labels::skipReasonText(contents.skipped[2]), u"A3 paper, larger than A4"_s);
        QCOMPARE(contents.sheets.size(), 2);
        const labels::SheetTemplate& card = contents.sheets[1];
        QCOMPARE(card.paper, labels::SheetPaper::Postcard);
        QCOMPARE(card.labelCount(), 3);
        QCOMPARE(card.labelRect(2), QRectF(10 + 50.8, 10, 38.1, 12.7));
        QCOMPARE(card.labelRect(3).top(), 100.0);
        QCOMPARE(contents.equivalents.size(), 2);
    }

    void impossibleFiguresAreNamed_data() {
        QTest::addColumn<QString>("rectangle"); // attributes of Label-rectangle
        QTest::addColumn<QString>("layout");    // attributes of Layout
        QTest::addColumn<QString>("fault");
        const QString grid = u"nx=\"2\" ny=\"2\" x0=\"5mm\" y0=\"5mm\" dx=\"70mm\" dy=\"40mm\""_s;
        QTest::newRow("1e308 mm wide")
            << u"width=\"1e308mm\" height=\"30mm\""_s << grid
            << u"Label-rectangle width=\"1e+308 mm\" is larger than the A4 paper (210 mm)"_s;
        QTest::newRow("no height") << u"width=\"60mm\" height=\"0\""_s << grid
                                   << u"Label-rectangle height=\"0 mm\" must be more than 0"_s;
        QTest::newRow("no spacing")
            << u"width=\"60mm\" height=\"30mm\""_s
            << u"nx=\"2\" ny=\"2\" x0=\"5mm\" y0=\"5mm\" dx=\"0\" dy=\"40mm\""_s
            << u"Layout dx=\"0 mm\" must be more than 0 when nx=\"2\""_s;
        QTest::newRow("off the paper")
            << u"width=\"60mm\" height=\"30mm\""_s
            << u"nx=\"2\" ny=\"8\" x0=\"5mm\" y0=\"5mm\" dx=\"70mm\" dy=\"1e5mm\""_s
            << u"Layout y0 and dy put labels 700035 mm from the edge, far off the A4 paper (297 mm)"_s;
        QTest::newRow("1,200 labels")
            << u"width=\"1mm\" height=\"1mm\""_s
            << u"nx=\"40\" ny=\"30\" x0=\"5mm\" y0=\"5mm\" dx=\"2mm\" dy=\"2mm\""_s
            << u"Layout nx and ny give 1200 labels, more than 1000 on one sheet"_s;
    }

    // A sheet no paper can hold is left out, its figure named, not printed on 13 sheets.
    void impossibleFiguresAreNamed() {
        QFETCH(QString, rectangle);
        QFETCH(QString, layout);
        QFETCH(QString, fault);
        const QString xml =
            u"<Glabels-templates>\n<Template brand=\"T\" part=\"P\" size=\"A4\">\n"
            u"<Label-rectangle id=\"0\" %1>\n<Layout %2/>\n</Label-rectangle>\n</Template>\n"
            u"</Glabels-templates>\n"_s.arg(rectangle, layout);
        const labels::SheetFileContents contents =
            labels::parseSheetFile(xml.toUtf8(), u"mine.xml"_s);
        QVERIFY(contents.sheets.isEmpty());
        QCOMPARE(contents.faultyTemplates,
                 QStringList{u"mine.xml: line 2: Template T P: "_s + fault});
    }

    // XML that is not well-formed: the whole file is ignored, with its line.
    void brokenXmlIgnoresTheFile() {
        const labels::SheetFileContents contents =
            labels::parseSheetFile("<Glabels-templates>\n<Template brand=\"A\" part=\"B\" "
                                   "size=\"A4\">\n<Label-rectangle width=\"1mm\"\n",
                                   u"mine.xml"_s);
        QVERIFY(!contents.ok());
        QVERIFY2(contents.error.startsWith(u"mine.xml: line "_s), qPrintable(contents.error));
        QVERIFY(contents.sheets.isEmpty());
    }

    // No glabels-data: the standard sheet and the user's file; names are found
    // whatever their case, borrowed templates copy their original, and an unknown
    // name gets the nearest ones.
    void libraryWithoutGlabelsData() {
        QTemporaryDir empty;
        labels::SheetLibrary library(empty.path(), Faulty);
        QVERIFY(!library.libraryFound());
        const QList<labels::SheetTemplate>& sheets = library.sheets();
        QCOMPARE(sheets.size(), 4); // standard, GOOD24, CARD, SAME24
        QCOMPARE(sheets.first().name(), u"標準 12面"_s);
        QCOMPARE(library.skippedCount(), 4); // three shapes or papers, one orphan
        QCOMPARE(labels::skipReasonText(library.skippedSheets().last()),
                 u"same as MISSING, which is not there"_s);
        QCOMPARE(library.problems().size(), 2);
        const labels::SheetTemplate* same = library.find(u"test   same24"_s);
        QVERIFY(same);
        QCOMPARE(same->labelCount(), 24);
        QCOMPARE(same->summary(), u"Test SAME24 — A4, 24 labels of 66 × 33.9 mm"_s);
        labels::SheetTemplate converted = *same;
        converted.labelWidthMm = 69.9999;
        converted.labelHeightMm = 247.65;
        QVERIFY(converted.summary().endsWith(u"labels of 70 × 247.65 mm"_s));
        QVERIFY(!library.find(u"Test GOOD2"_s));
        QCOMPARE(library.nearestNames(u"Test GOOD2"_s, 1), QStringList{u"Test GOOD24"_s});
        QCOMPARE(library.search(u"66x33.9 24"_s).size(), 2);
        QCOMPARE(library.search(u"postcard"_s).size(), 1);
        QCOMPARE(library.search(QString()).size(), 4);
    }

    // The user's sheet of a name wins over the library's.
    void usersSheetWinsOverTheLibrary() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(Faulty, dir.filePath(u"test-templates.xml"_s)));
        writeFile(
            dir.filePath(u"Tagora-sheets.xml"_s),
            "<Glabels-templates><Template brand=\"Test\" part=\"GOOD24\" size=\"B5\">"
            "<Label-rectangle width=\"80mm\" height=\"40mm\"><Layout nx=\"2\" ny=\"5\" x0=\"8mm\" "
            "y0=\"25mm\" dx=\"80mm\" dy=\"40mm\"/></Label-rectangle></Template>"
            "<Template brand=\"Inch\" part=\"L1\" size=\"A4\"><Label-rectangle width=\"2.7559in\" "
            "height=\"33.3mm\"><Layout nx=\"1\" "
            "ny=\"1\"/></Label-rectangle></Template></Glabels-templates>");
        labels::SheetLibrary library(dir.path(), dir.filePath(u"Tagora-sheets.xml"_s));
        QVERIFY(library.libraryFound());
        const labels::SheetTemplate* mine = library.find(u"Test GOOD24"_s);
        QVERIFY(mine);
        QCOMPARE(mine->paper, labels::SheetPaper::B5);
        QCOMPARE(mine->labelCount(), 10);
        QVERIFY(named(library.sheets(), u"CARD"_s));
        // A size from inches is found as the summary shows it.
        const labels::SheetTemplate* inch = library.find(u"Inch L1"_s);
        QVERIFY(inch && inch->summary().endsWith(u"70 × 33.3 mm"_s));
        QCOMPARE(library.search(u"70x33.3"_s), QList<const labels::SheetTemplate*>{inch});
    }

    // What a package says, typed as an input method gives it, finds the sheet;
    // every sheet found answers every word.
    void searchReadsThePackage_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("part"); // among those found
        QTest::addColumn<int>("labels");   // of every sheet found, 0: any
        QTest::addColumn<bool>("hisagoOnly");
        QTest::newRow("maker in katakana, count")
            << u"ヒサゴ 12面"_s << u"FSCGB861"_s << 12 << true;
        QTest::newRow("in hiragana, spaced count")
            << u"ひさご 12 面"_s << u"FSCGB861"_s << 12 << true;
        QTest::newRow("half-width katakana") << u"ﾋｻｺﾞ ＥＬＭ０１２"_s << u"ELM012"_s << 24 << true;
        QTest::newRow("full-width everything")
            << u"ＨＩＳＡＧＯ　Ａ４　２４面"_s << u"ELM012"_s << 24 << true;
        QTest::newRow("size with ×") << u"86.4×42.3"_s << u"12面"_s << 12 << false;
        QTest::newRow("size with x and mm") << u"86.4 x 42.3mm"_s << u"12面"_s << 12 << false;
        QTest::newRow("bare count") << u"ヒサゴ 44"_s << QString() << 44 << true;
        QTest::newRow("postcard paper") << u"ヒサゴ はがき"_s << QString() << 0 << true;
        QTest::newRow("product number") << u"elm012"_s << u"ELM012"_s << 24 << true;
    }

    void searchReadsThePackage() {
        QFETCH(QString, typed);
        QFETCH(QString, part);
        QFETCH(int, labels);
        QFETCH(bool, hisagoOnly);
        if (!QFile::exists(HisagoFile))
            QSKIP("glabels-data is not installed");
        QTemporaryDir dir;
        QVERIFY(QFile::copy(HisagoFile, dir.filePath(u"hisago-templates.xml"_s)));
        labels::SheetLibrary library(dir.path(), dir.filePath(u"none.xml"_s));
        const QList<const labels::SheetTemplate*> found = library.search(typed);
        QVERIFY2(!found.isEmpty(), qPrintable(typed));
        bool hasPart = part.isEmpty();
        for (const labels::SheetTemplate* sheet : found) {
            hasPart = hasPart || sheet->part == part;
            if (labels)
                QCOMPARE(sheet->labelCount(), labels);
            if (hisagoOnly)
                QCOMPARE(sheet->brand, u"Hisago"_s);
            if (typed.contains(u"はがき"_s))
                QCOMPARE(sheet->paper, labels::SheetPaper::Postcard);
        }
        QVERIFY2(hasPart, qPrintable(part));
    }

    // Nothing found: the nearest sheets are offered, nearest first; sheets
    // with labels off the paper are faulty and say which figure and how many.
    void nearestAndFaultySheets() {
        if (!QFile::exists(HisagoFile))
            QSKIP("glabels-data is not installed");
        QTemporaryDir dir;
        QVERIFY(QFile::copy(HisagoFile, dir.filePath(u"hisago-templates.xml"_s)));
        labels::SheetLibrary library(dir.path(), dir.filePath(u"none.xml"_s));
        QVERIFY(library.search(u"ヒサゴ 86.4x42.5"_s).isEmpty());
        const QList<const labels::SheetTemplate*> near = library.nearest(u"ヒサゴ 86.4x42.5"_s, 3);
        QCOMPARE(near.size(), 3);
        QCOMPARE(near.first()->labelWidthMm, 86.4);
        QVERIFY(qAbs(near.first()->labelHeightMm - 42.3) < 0.01);
        QCOMPARE(library.find(u"Hisago ELM024"_s)->fault,
                 u"縦の間隔: 8 面のうち 4 面が A4 の用紙からはみ出します"_s);
        QCOMPARE(library.find(u"Hisago OP3005"_s)->fault,
                 u"上余白: 14 面のうち 2 面が A4 の用紙からはみ出します"_s);
        QVERIFY(library.find(u"Hisago ELM012"_s)->fault.isEmpty());
        QVERIFY(library.sheets().first().fault.isEmpty());
    }

    // Figures that make no sheet are refused, naming the field to mend.
    void impossibleFiguresNameTheField_data() {
        QTest::addColumn<int>("field"); // index into the draft's texts below
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("refused"); // labels::SheetField, -1: accepted
        const int none = -1;
        using F = labels::SheetField;
        QTest::newRow("full-width figures") << 5 << u"８６．４ｍｍ"_s << none;
        QTest::newRow("no name") << 1 << u" "_s << int(F::Part);
        QTest::newRow("zero width") << 5 << u"0"_s << int(F::LabelWidth);
        QTest::newRow("negative height") << 6 << u"-3"_s << int(F::LabelHeight);
        QTest::newRow("no columns") << 3 << u"0"_s << int(F::Columns);
        QTest::newRow("rows not a number") << 4 << u"六"_s << int(F::Rows);
        QTest::newRow("three columns of 86.4") << 3 << u"3"_s << int(F::Columns);
        QTest::newRow("left margin past the edge") << 8 << u"40"_s << int(F::LeftMargin);
        QTest::newRow("top margin past the edge") << 7 << u"60"_s << int(F::TopMargin);
        QTest::newRow("overlapping columns") << 9 << u"80"_s << int(F::ColumnPitch);
        QTest::newRow("rows spread past the paper") << 10 << u"55"_s << int(F::RowPitch);
        QTest::newRow("round past half") << 11 << u"30"_s << int(F::CornerRadius);
        QTest::newRow("negative margin") << 7 << u"-1"_s << int(F::TopMargin);
        QTest::newRow("empty pitch: touching") << 9 << QString() << none;
    }

    void impossibleFiguresNameTheField() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(int, refused);
        labels::SheetDraft draft = standardDraft();
        QString* texts[] = {&draft.maker,       &draft.part,      nullptr,
                            &draft.columns,     &draft.rows,      &draft.labelWidth,
                            &draft.labelHeight, &draft.topMargin, &draft.leftMargin,
                            &draft.columnPitch, &draft.rowPitch,  &draft.cornerRadius};
        *texts[field] = typed;
        const labels::SheetDraftResult result = labels::sheetFromDraft(draft);
        if (refused < 0) {
            QVERIFY2(result.ok(), qPrintable(result.fault ? result.fault->message : QString()));
            QCOMPARE(result.sheet->labelRects(), labels::standardSheet().labelRects());
            return;
        }
        QVERIFY(result.fault);
        QCOMPARE(int(result.fault->field), refused);
        // A sheet not named yet is still drawn as its figures stand.
        if (labels::SheetField(refused) == labels::SheetField::Part)
            QCOMPARE(result.sheet->labelRects(), labels::standardSheet().labelRects());
        const QString name = labels::sheetFieldName(labels::SheetField(refused));
        QVERIFY2(result.fault->message.startsWith(name + u": "_s),
                 qPrintable(result.fault->message));
    }
};

QTEST_GUILESS_MAIN(SheetsTest)
#include "SheetsTest.moc"
