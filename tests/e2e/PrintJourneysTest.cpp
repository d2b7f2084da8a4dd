#include "e2e/WholeProgram.h"

using namespace e2e;

// Jobs printed from the windows into PDF files, read back where a ruler would measure.
class PrintJourneysTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
        platform::registerFontSubstitutions();
    }

    void labelsThenPostcardsFromTheSampleBook() {
        Program program;
        QVERIFY(screenshot(program.windowNamed(u"frmStart"_s), u"01-start-window"_s));
        QWidget* start = program.openSample();
        const QList<int> rows = {1, 3, 4, 7, 9, 10, 12, 15, 18, 20};
        QVERIFY(start && addToPrintList(start, rows) &&
                screenshot(start, u"02-start-window-print-list"_s));

        QWidget* labelsWindow = program.clickTo(start, u"cmdPrint"_s, u"frmPrint"_s);
        const int startLabel = 5;
        QVERIFY(click(labelsWindow, u"lblNo_%1"_s.arg(startLabel - 1)) &&
                click(labelsWindow, u"cmdOk"_s));
        QVERIFY(screenshot(labelsWindow, u"03-label-print-screen"_s));

        const pdftext::Document document = program.print(labelsWindow, u"labels.pdf"_s);
        // 10 entries from label 5: eight on the first sheet, two on a second.
        QCOMPARE(program.messages.lastText(), u"シート数は2枚です。"_s);
        QCOMPARE(document.pages, 2);
        for (int i = 0; i < rows.size(); ++i) {
            const book::AddressCard& card = program.sample[rows[i]];
            const LabelPlace place = placeOfEntry(i, startLabel);
            QVERIFY2(wordIn(document, u"〒"_s + card.postalCode, place.page, place.start),
                     qPrintable(card.postalCode));
            QVERIFY2(wordIn(document, card.name.section(u'　', 0, 0), place.page, place.cell),
                     qPrintable(card.name));
        }
        // Printing reads the book and never writes it.
        QCOMPARE(bookfiles::readBytes(program.samplePath()), bookfiles::readBytes(SampleBook));

        start = program.clickTo(labelsWindow, u"cmdCancel"_s, u"frmStart"_s);
        // The print list came back; クリアー empties it after asking.
        QCOMPARE(control<QLabel>(start, u"lblCount"_s)->text(), QString::number(rows.size()));
        program.messages.answer(platform::Answer::Ok);
        QVERIFY(click(start, u"cmdClear"_s));
        const QList<int> cardRows = {0, 3, 6};
        QVERIFY(start && addToPrintList(start, cardRows));
        QWidget* postcards = program.clickTo(start, u"cmdHagaki"_s, u"frmPrintH"_s);
        QVERIFY(screenshot(postcards, u"04-postcard-print-screen"_s));

        const pdftext::Document cards = program.print(postcards, u"postcards.pdf"_s);
        QCOMPARE(cards.pages, cardRows.size());
        // Postcard pages, 100 by 148 mm.
        QVERIFY(qAbs(cards.pageWidth - 100 * PointsPerMm) < 1.0 &&
                qAbs(cards.pageHeight - 148 * PointsPerMm) < 1.0);
        for (int i = 0; i < cardRows.size(); ++i) {
            const book::AddressCard& card = program.sample[cardRows[i]];
            QCOMPARE(boxDigits(cards, i + 1), QString(card.postalCode).remove(u'-'));
            QVERIFY2(wordIn(cards, card.name.section(u'　', 0, 0), i + 1, WholePage),
                     qPrintable(card.name));
        }
        QVERIFY(program.clickTo(postcards, u"cmdCancel"_s, u"frmStart"_s));
    }

    void singleAddressOnLabelAndPostcard() {
        Program program;
        // One typed address, kept nowhere; false when a step failed.
        auto fillForm = [&](QWidget* form) {
            return type(form, {{u"txtName"_s, u"青木　純"_s}}).isEmpty() &&
                   chooseHonorific(form, 3) == u"御中"_s &&
                   type(form, {{u"txtZip"_s, u"100-0005"_s},
                               {u"txtNewadd"_s, u"東京都千代田区丸の内１－１"_s}})
                       .isEmpty() &&
                   click(form, u"Command1"_s) &&
                   type(form, {{u"txtAdd3"_s, u"丸の内ビル"_s}}).isEmpty();
        };

        QWidget* form =
            program.clickTo(program.windowNamed(u"frmStart"_s), u"cmdAt"_s, u"frmSingle"_s);
        QVERIFY(form && fillForm(form) && screenshot(form, u"07-single-address"_s));
        QWidget* labelsWindow = program.clickTo(form, u"cmdPrint"_s, u"frmPrint"_s);
        QVERIFY(click(labelsWindow, u"cmdOk"_s));
        const pdftext::Document labelsDoc = program.print(labelsWindow, u"single-label.pdf"_s);
        QCOMPARE(labelsDoc.pages, 1);
        const LabelPlace first = placeOfEntry(0, 1);
        QVERIFY(wordIn(labelsDoc, u"〒100-0005"_s, 1, first.start));
        for (const QString& word :
             {u"青木"_s, u"御中"_s, u"東京都千代田区"_s, u"丸の内1-1"_s, u"丸の内ビル"_s})
            QVERIFY2(wordIn(labelsDoc, word, 1, first.cell), qPrintable(word));

        QWidget* start = program.clickTo(labelsWindow, u"cmdCancel"_s, u"frmStart"_s);
        form = program.clickTo(start, u"cmdAt"_s, u"frmSingle"_s);
        QVERIFY(form && fillForm(form));
        QWidget* postcards = program.clickTo(form, u"cmdHagaki"_s, u"frmPrintH"_s);
        QVERIFY(screenshot(postcards, u"08-postcard-single-address"_s));
        const pdftext::Document cardDoc = program.print(postcards, u"single-card.pdf"_s);
        QCOMPARE(cardDoc.pages, 1);
        QCOMPARE(boxDigits(cardDoc, 1), u"1000005"_s);
        for (const QString& word : {u"青木"_s, u"御中"_s, u"東京都千代田区"_s, u"丸の内ビル"_s})
            QVERIFY2(wordIn(cardDoc, word, 1, WholePage), qPrintable(word));

        QVERIFY(program.clickTo(postcards, u"cmdCancel"_s, u"frmStart"_s));
        // The typed address was written nowhere.
        QVERIFY(!QFile::exists(program.path(u"Tagora.dat"_s)));
    }
};

TAGORA_E2E_MAIN(PrintJourneysTest)
#include "PrintJourneysTest.moc"
