// The whole program as a user drives it: the real windows on an X server, the
// real navigator and printer (into PDF files), the program folder in a
// temporary directory, and only the prompts answered by a script.

#include "about/QtHelpViewer.h"
#include "app/WindowNavigator.h"
#include "book/AddressFile.h"
#include "book/Cp932.h"
#include "book/SharedState.h"
#include "labels/OutputChoice.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/QtPrinterProvider.h"
#include "platform/RecordingHelp.h"
#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedMessages.h"
#include "support/PdfText.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The sheet as a ruler measures it: the postal line of the top-left label
// starts 1500 twips right of and 1200 twips below the page origin, which lies
// 240 twips inside the paper's corner; the right column starts 6450 twips
// in and the rows are 2390 twips apart. Points from the paper's corner.
constexpr double LabelLeftPt = (1500 + 240) / 20.0;
constexpr double LabelRightPt = (6450 + 240) / 20.0;
constexpr double LabelTopPt = (1200 + 240) / 20.0;
constexpr double RowPitchPt = 2390 / 20.0;
constexpr double ColumnWidthPt = (6450 - 1500) / 20.0;
constexpr double PointsPerMm = 72.0 / 25.4;
const QString SampleBook = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");

struct LabelPlace {
    int page;
    double xPt, yPt;
};

// Where the postal line of the i-th entry (from 0) goes in a job from startLabel.
LabelPlace placeOfEntry(int entry, int startLabel) {
    const int slot = startLabel - 1 + entry; // counted over all sheets
    const int label = slot % 12 + 1;
    return {slot / 12 + 1, label % 2 == 1 ? LabelLeftPt : LabelRightPt,
            LabelTopPt + ((label + 1) / 2 - 1) * RowPitchPt};
}

template <typename T> T* control(QWidget* window, const QString& name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

// Clicks an enabled button of the window; false when there is none.
bool click(QWidget* window, const QString& name) {
    auto* button = control<QAbstractButton>(window, name);
    if (!button || !button->isEnabled() || !button->isVisible())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

// Types text into a visible line edit, one key press per character (the
// kana and kanji as an input method hands them over); false when there is none.
bool type(QWidget* window, const QString& name, const QString& text) {
    auto* edit = control<QLineEdit>(window, name);
    if (!edit || !edit->isVisible() || !edit->isEnabled())
        return false;
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    return edit->text() == text;
}

// Types into each (control, text) in turn; the first control that did not
// take its text, or empty when all did.
QString typeAll(QWidget* window, const QList<std::pair<QString, QString>>& fields) {
    for (const auto& [name, text] : fields)
        if (!type(window, name, text))
            return name;
    return {};
}

// The PDF's text maps some kanji of the Mincho face to look-alike radicals that
// NFKC leaves alone (長 comes back as U+2ED1); they count as the kanji here.
QString foldRadicals(QString text) {
    static const QList<std::pair<char16_t, char16_t>> lookAlikes = {
        {u'⻑', u'長'}, {u'⻘', u'青'}, {u'⻄', u'西'}, {u'⻝', u'食'}, {u'⻩', u'黄'},
        {u'⻤', u'鬼'}, {u'⻫', u'斉'}, {u'⻭', u'歯'}, {u'⻯', u'竜'}, {u'⻲', u'亀'}};
    text = text.normalized(QString::NormalizationForm_KC);
    for (const auto& [radical, kanji] : lookAlikes)
        text.replace(QChar(radical), QChar(kanji));
    return text;
}

// The words of the document that read as text.
QList<pdftext::Word> findWords(const pdftext::Document& document, const QString& text) {
    QList<pdftext::Word> found;
    for (const pdftext::Word& word : document.words)
        if (foldRadicals(word.text) == foldRadicals(text))
            found << word;
    return found;
}

QString screenshotFolder() {
    return QStringLiteral(TAGORA_SCREENSHOT_DIR);
}

// Keeps a picture of the window for people to look at.
bool screenshot(QWidget* window, const QString& name) {
    QDir().mkpath(screenshotFolder());
    QCoreApplication::processEvents();
    return window->grab().save(screenshotFolder() + u'/' + name + u".png"_s);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString familyName(const QString& name) {
    return name.section(u'　', 0, 0);
}

// The seven digits of a postal code as the boxes show them.
QString digitsOf(const QString& postalCode) {
    QString digits;
    for (QChar c : postalCode.normalized(QString::NormalizationForm_KC))
        if (c.isDigit())
            digits += c;
    return digits;
}

// The single-digit words of one page, left to right, in the top quarter of
// the card, where the code boxes sit.
QString boxDigits(const pdftext::Document& document, int page) {
    QList<pdftext::Word> digits;
    for (const pdftext::Word& word : document.words)
        if (word.page == page && word.text.size() == 1 && word.text[0].isDigit()
            && word.yMin < 148 * PointsPerMm / 4)
            digits << word;
    std::sort(digits.begin(), digits.end(), [](auto& a, auto& b) { return a.xMin < b.xMin; });
    QString text;
    for (const auto& word : digits)
        text += word.text;
    return text;
}

// Whether a word that reads as text stands where where(word) says.
template <typename Where> bool wordWhere(const pdftext::Document& document, const QString& text, Where where) {
    const QList<pdftext::Word> words = findWords(document, text);
    return std::any_of(words.begin(), words.end(), where);
}

bool onPage(const pdftext::Document& document, int page, const QString& text) {
    return wordWhere(document, text, [&](const pdftext::Word& w) { return w.page == page; });
}

// A word whose centre lies in the label cell whose postal line starts at place.
bool inCell(const pdftext::Document& document, const LabelPlace& place, const QString& text) {
    return wordWhere(document, text, [&](const pdftext::Word& w) {
        const double x = (w.xMin + w.xMax) / 2, y = (w.yMin + w.yMax) / 2;
        return w.page == place.page && x > place.xPt - 50 && x < place.xPt + ColumnWidthPt
               && y > place.yPt && y < place.yPt + RowPitchPt;
    });
}

// A word starting (to a point) where the postal line of place starts.
bool startsAt(const pdftext::Document& document, const LabelPlace& place, const QString& text) {
    return wordWhere(document, text, [&](const pdftext::Word& w) {
        return w.page == place.page && qAbs(w.xMin - place.xPt) < 1.0 && qAbs(w.yMin - place.yPt) < 1.0;
    });
}

// Pages of a postcard, 100 by 148 mm.
bool postcardPages(const pdftext::Document& document) {
    return qAbs(document.pageWidth - 100 * PointsPerMm) < 1.0
           && qAbs(document.pageHeight - 148 * PointsPerMm) < 1.0;
}

// Selects rows of the address list as a user does (a click on the first,
// Ctrl+click on the others) and adds them; false unless the count shows them.
bool addToPrintList(QWidget* start, const QList<int>& rows) {
    auto* list = control<QListWidget>(start, u"lstSet1"_s);
    for (int i = 0; i < rows.size(); ++i) {
        QListWidgetItem* item = list->item(rows[i]);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, i == 0 ? Qt::NoModifier : Qt::ControlModifier,
                          list->visualItemRect(item).center());
    }
    return click(start, u"cmdAdd"_s)
           && control<QLabel>(start, u"lblCount"_s)->text() == QString::number(rows.size());
}

// The program's surroundings as `tagora --home TMP` builds them, except for
// the prompts, which a script answers.
struct Program {
    QTemporaryDir home;
    platform::ScriptedMessages messages;
    platform::ScriptedFileDialogs dialogs;
    platform::RecordingHelpViewer help;
    platform::RecordingShell shell;
    platform::QtPrinterProvider printers;
    platform::Platform services{messages, dialogs, help, shell, printers};
    book::SharedState state;
    app::WindowNavigator navigator{state, services};

    Program() {
        // TAGORA_KEEP_E2E=1 keeps the folder with its books and PDFs to look at.
        if (qEnvironmentVariableIsSet("TAGORA_KEEP_E2E"))
            home.setAutoRemove(false);
        platform::ProgramFolder::choose(home.path());
        // With a system printer installed the job would go to it; these runs
        // always print to a file, as the 出力先 menu lets the user choose.
        labels::outputChoiceForThisRun() = {};
        if (!printers.defaultPrinterName().isEmpty())
            labels::outputChoiceForThisRun().mode = labels::OutputChoice::Mode::PdfFile;
        navigator.showStart();
    }

    ~Program() {
        delete navigator.current();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString path(const QString& name) const { return home.filePath(name); }

    // The window in use once the hand-over has settled, or null when it is not name.
    QWidget* windowNamed(const QString& name) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget* current = navigator.current();
        if (!current || current->objectName() != name)
            return nullptr;
        if (!QTest::qWaitForWindowExposed(current))
            return nullptr;
        return current;
    }

    // The sample book copied into the program folder; false when it cannot be read.
    bool copySample(book::CardList& cards) {
        if (!QFile::copy(SampleBook, samplePath()))
            return false;
        const book::LoadResult loaded = book::loadBook(samplePath());
        cards = loaded.cards;
        return loaded.ok();
    }
    QString samplePath() const { return path(u"sample.dat"_s); }

    // The start window after its open button read file; null when that failed.
    QWidget* openInStart(const QString& file) {
        QWidget* start = windowNamed(u"frmStart"_s);
        dialogs.answer(file);
        return click(start, u"cmdOpen"_s) ? start : nullptr;
    }

    // The print screen's job into the PDF file name, read back; not ok when
    // the print button was unusable or a failure was shown.
    pdftext::Document print(QWidget* screen, const QString& name) {
        dialogs.answer(path(name));
        if (!click(screen, u"cmdPrint"_s) || !messages.texts().filter(u"印刷できませんでした"_s).isEmpty())
            return {};
        return pdftext::read(path(name));
    }

    // Clicks button of from and waits for the window name it hands over to; null when it does not.
    QWidget* clickTo(QWidget* from, const QString& button, const QString& name) {
        return click(from, button) ? windowNamed(name) : nullptr;
    }
};

} // namespace

class WholeProgramTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsSet("TAGORA_NO_XVFB"))
            QSKIP("xvfb-run is not installed: the windows need a real X server for this test");
        QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
        platform::registerFontSubstitutions();
        m_clock.start();
    }

    void cleanupTestCase() {
        if (!m_clock.isValid())
            return;
        qInfo("screenshots in %s; whole run %lld ms", qPrintable(screenshotFolder()),
              qint64(m_clock.elapsed()));
    }

    void labelJobFromTheSampleBook() {
        Program program;
        book::CardList sample;
        QVERIFY(program.copySample(sample));
        QWidget* start = program.windowNamed(u"frmStart"_s);
        QVERIFY(start);
        screenshot(start, u"01-start-window"_s);
        QVERIFY(program.openInStart(program.samplePath()));
        auto* names = control<QListWidget>(start, u"lstSet1"_s);
        QCOMPARE(names->count(), sample.size());
        for (int row = 0; row < names->count(); ++row)
            QVERIFY2(names->item(row)->text().contains(sample[row].name),
                     qPrintable(names->item(row)->text()));

        const QList<int> rows = {1, 3, 4, 7, 9, 10, 12, 15, 18, 20};
        QVERIFY(addToPrintList(start, rows));
        QCOMPARE(control<QListWidget>(start, u"lstSet2"_s)->count(), rows.size());
        screenshot(start, u"02-start-window-print-list"_s);

        QWidget* labelsWindow = program.clickTo(start, u"cmdPrint"_s, u"frmPrint"_s);
        QVERIFY(labelsWindow);
        const int startLabel = 5;
        QVERIFY(click(labelsWindow, u"lblNo_%1"_s.arg(startLabel - 1)));
        QVERIFY(click(labelsWindow, u"cmdOk"_s));
        screenshot(labelsWindow, u"03-label-print-screen"_s);

        const int shownBefore = program.messages.texts().size();
        const pdftext::Document document = program.print(labelsWindow, u"labels.pdf"_s);
        QVERIFY(document.ok);
        QCOMPARE(program.messages.texts().size(), shownBefore + 1);
        // 10 entries from label 5: eight on the first sheet, two on a second.
        const int sheets = (startLabel - 1 + int(rows.size()) + 11) / 12;
        QCOMPARE(program.messages.lastText(), u"シート数は%1枚です。"_s.arg(sheets));
        QCOMPARE(document.pages, sheets);
        for (int i = 0; i < rows.size(); ++i) {
            const book::AddressCard& card = sample[rows[i]];
            const LabelPlace place = placeOfEntry(i, startLabel);
            QVERIFY2(startsAt(document, place, u"〒"_s + card.postalCode),
                     qPrintable(u"entry %1 (%2) not at %3,%4 on page %5"_s.arg(i).arg(card.postalCode)
                                    .arg(place.xPt).arg(place.yPt).arg(place.page)));
            QVERIFY2(inCell(document, place, familyName(card.name)), qPrintable(card.name));
        }
        // Labels 1 to 4 of the first sheet stay blank.
        for (const pdftext::Word& word : document.words)
            QVERIFY2(word.page > 1 || word.yMin > LabelTopPt + 2 * RowPitchPt - 1, qPrintable(word.text));

        start = program.clickTo(labelsWindow, u"cmdCancel"_s, u"frmStart"_s);
        QVERIFY(start);
        QCOMPARE(control<QLabel>(start, u"lblCount"_s)->text(), u"0"_s);
        QCOMPARE(control<QListWidget>(start, u"lstSet2"_s)->count(), 0);
        QCOMPARE(control<QListWidget>(start, u"lstSet1"_s)->count(), sample.size());
        // Printing reads the book and never writes it.
        QCOMPARE(fileBytes(program.samplePath()), fileBytes(SampleBook));
    }

    void postcardJobFromTheSampleBook() {
        Program program;
        book::CardList sample;
        QVERIFY(program.copySample(sample));
        QWidget* start = program.openInStart(program.samplePath());
        QVERIFY(start);
        const QList<int> rows = {0, 3, 6};
        QVERIFY(addToPrintList(start, rows));

        QWidget* postcards = program.clickTo(start, u"cmdHagaki"_s, u"frmPrintH"_s);
        QVERIFY(postcards);
        screenshot(postcards, u"04-postcard-print-screen"_s);

        const pdftext::Document document = program.print(postcards, u"postcards.pdf"_s);
        QVERIFY(document.ok);
        QCOMPARE(document.pages, rows.size());
        QVERIFY(postcardPages(document));
        for (int i = 0; i < rows.size(); ++i) {
            const book::AddressCard& card = sample[rows[i]];
            QCOMPARE(boxDigits(document, i + 1), digitsOf(card.postalCode));
            QVERIFY2(onPage(document, i + 1, familyName(card.name)), qPrintable(card.name));
        }

        start = program.clickTo(postcards, u"cmdCancel"_s, u"frmStart"_s);
        QVERIFY(start);
        QCOMPARE(control<QLabel>(start, u"lblCount"_s)->text(), u"0"_s);
    }

    void bookTypedFromNothing() {
        Program program;
        QWidget* start = program.windowNamed(u"frmStart"_s);
        QVERIFY(start);
        QWidget* editor = program.clickTo(start, u"cmdNew"_s, u"frmSet"_s);
        QVERIFY(editor);

        // The first card through the one-line address and its split.
        QCOMPARE(typeAll(editor, {{u"txtName"_s, u"木村　拓也"_s}, {u"txtZip"_s, u"150-0001"_s},
                                  {u"txtNewadd"_s, u"東京都渋谷区神宮前１－２－３"_s}}), QString());
        QVERIFY(click(editor, u"Command1"_s));
        QCOMPARE(control<QLineEdit>(editor, u"txtAdd1"_s)->text(), u"東京都渋谷区"_s);
        QCOMPARE(control<QLineEdit>(editor, u"txtAdd2"_s)->text(), u"神宮前１－２－３"_s);
        QCOMPARE(typeAll(editor, {{u"txtAdd3"_s, u"青葉荘１０１"_s}, {u"txtCode"_s, u"友人"_s}}), QString());
        screenshot(editor, u"05-card-editor"_s);
        QVERIFY(click(editor, u"cmdAdd"_s));

        // The second on the address lines, with 御中 chosen from the list.
        QVERIFY(click(editor, u"cmdJump"_s));
        QVERIFY(click(editor, u"Command2"_s));
        QCOMPARE(typeAll(editor, {{u"txtName"_s, u"有限会社　森田工房"_s}, {u"txtZip"_s, u"060-0001"_s},
                                  {u"txtAdd1"_s, u"北海道札幌市中央区"_s}, {u"txtAdd2"_s, u"北一条西２－１"_s}}),
                 QString());
        auto* honorific = control<QComboBox>(editor, u"Combo1"_s);
        QVERIFY(honorific);
        QTest::keyClick(honorific, Qt::Key_Down);
        QTest::keyClick(honorific, Qt::Key_Down);
        QCOMPARE(honorific->currentText(), u"御中"_s);
        QVERIFY(click(editor, u"cmdAdd"_s));
        QCOMPARE(control<QLabel>(editor, u"lblRec"_s)->text(), u"2/2"_s);

        const QString bookPath = program.path(u"friends.dat"_s);
        program.dialogs.answer(bookPath);
        start = program.clickTo(editor, u"cmdRtn"_s, u"frmStart"_s);
        QVERIFY(start);

        const QByteArray expected = book::encodeCp932(
            u"\"木村　拓也\",\"東京都渋谷区\",\"神宮前１－２－３\",\"青葉荘１０１\",\"150-0001\",\"友人\",\"0\"\r\n"
            u"\"有限会社　森田工房\",\"北海道札幌市中央区\",\"北一条西２－１\",\"\",\"060-0001\",\"\",\"2\"\r\n"_s)
                                        .value_or(QByteArray());
        QVERIFY(!expected.isEmpty());
        QCOMPARE(fileBytes(bookPath), expected);

        // The start window shows the saved book, and opening it again reads the same cards.
        auto* names = control<QListWidget>(start, u"lstSet1"_s);
        QCOMPARE(names->count(), 2);
        program.dialogs.answer(bookPath);
        QVERIFY(click(start, u"cmdOpen"_s));
        QCOMPARE(names->count(), 2);
        QVERIFY(names->item(0)->text().contains(u"木村　拓也"_s));
        QVERIFY(names->item(1)->text().contains(u"有限会社　森田工房"_s));
        QVERIFY(program.messages.texts().filter(u"できません"_s).isEmpty());
        screenshot(start, u"06-start-window-new-book"_s);
    }

    void cardMovedThenShownInTheSheet() {
        Program program;
        book::CardList sample;
        QVERIFY(program.copySample(sample));
        QList<QByteArray> lines = fileBytes(program.samplePath()).split('\n');
        QCOMPARE(lines.takeLast(), QByteArray()); // the last line ends in CR LF too

        QWidget* start = program.openInStart(program.samplePath());
        QVERIFY(start);
        QWidget* order = program.clickTo(start, u"cmdOrder"_s, u"frmOrder"_s);
        QVERIFY(order);
        auto* cards = control<QListWidget>(order, u"lstName"_s);
        QVERIFY(cards);
        QCOMPARE(cards->count(), sample.size());
        // Card 5 goes to position 2: 1, 5, 2, 3, 4, 6, ...
        QTest::mouseClick(cards->viewport(), Qt::LeftButton, Qt::NoModifier,
                          cards->visualItemRect(cards->item(4)).center());
        QVERIFY(type(order, u"Text2"_s, u"2"_s));
        screenshot(order, u"09-reordering"_s);
        QVERIFY(click(order, u"Command1"_s));
        lines.move(4, 1);
        QCOMPARE(fileBytes(program.samplePath()), lines.join('\n') + '\n');

        start = program.clickTo(order, u"Command2"_s, u"frmStart"_s);
        QVERIFY(start);
        auto* names = control<QListWidget>(start, u"lstSet1"_s);
        QVERIFY(names->item(1)->text().contains(sample[4].name));
        QVERIFY(names->item(4)->text().contains(sample[3].name));

        QWidget* sheet = program.clickTo(start, u"cmdView"_s, u"frmVew"_s);
        QVERIFY(sheet);
        auto* grid = control<QTableWidget>(sheet, u"fg1"_s);
        QVERIFY(grid);
        bool shown = false;
        for (int c = 0; c < grid->columnCount(); ++c)
            shown = shown || (grid->item(1, c) && grid->item(1, c)->text() == sample[4].name);
        QVERIFY2(shown, "the moved card is the sheet's second row");
        screenshot(sheet, u"10-address-list-sheet"_s);
        sheet->close();
        QVERIFY(program.windowNamed(u"frmStart"_s));
    }

    void singleAddressOnLabelAndPostcard() {
        Program program;
        QWidget* start = program.windowNamed(u"frmStart"_s);
        QVERIFY(start);

        // One typed address, kept nowhere.
        auto fillForm = [&](QWidget* form) {
            QVERIFY(type(form, u"txtName"_s, u"青木　純"_s));
            auto* honorific = control<QComboBox>(form, u"Combo1"_s);
            QVERIFY(honorific);
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(honorific, Qt::Key_Down);
            QCOMPARE(honorific->currentText(), u"御中"_s);
            QCOMPARE(typeAll(form, {{u"txtZip"_s, u"100-0005"_s}, {u"txtNewadd"_s, u"東京都千代田区丸の内１－１"_s}}),
                     QString());
            QVERIFY(click(form, u"Command1"_s));
            QVERIFY(type(form, u"txtAdd3"_s, u"丸の内ビル"_s));
        };

        QWidget* form = program.clickTo(start, u"cmdAt"_s, u"frmSingle"_s);
        QVERIFY(form);
        fillForm(form);
        if (QTest::currentTestFailed())
            return;
        screenshot(form, u"07-single-address"_s);
        QWidget* labelsWindow = program.clickTo(form, u"cmdPrint"_s, u"frmPrint"_s);
        QVERIFY(labelsWindow);
        QVERIFY(click(labelsWindow, u"cmdOk"_s));
        const pdftext::Document labelsDoc = program.print(labelsWindow, u"single-label.pdf"_s);
        QVERIFY(labelsDoc.ok);
        QCOMPARE(labelsDoc.pages, 1);
        const LabelPlace first = placeOfEntry(0, 1);
        QCOMPARE(findWords(labelsDoc, u"〒100-0005"_s).size(), 1);
        QVERIFY(startsAt(labelsDoc, first, u"〒100-0005"_s));
        for (const QString& word : {u"青木"_s, u"純"_s, u"御中"_s, u"東京都千代田区"_s, u"丸の内1-1"_s, u"丸の内ビル"_s})
            QVERIFY2(inCell(labelsDoc, first, word), qPrintable(word));

        start = program.clickTo(labelsWindow, u"cmdCancel"_s, u"frmStart"_s);
        form = program.clickTo(start, u"cmdAt"_s, u"frmSingle"_s);
        QVERIFY(form);
        // Nothing of the last address stays in a fresh form.
        QCOMPARE(control<QLineEdit>(form, u"txtName"_s)->text(), QString());
        fillForm(form);
        if (QTest::currentTestFailed())
            return;
        QWidget* postcards = program.clickTo(form, u"cmdHagaki"_s, u"frmPrintH"_s);
        QVERIFY(postcards);
        screenshot(postcards, u"08-postcard-single-address"_s);
        const pdftext::Document cardDoc = program.print(postcards, u"single-card.pdf"_s);
        QVERIFY(cardDoc.ok);
        QCOMPARE(cardDoc.pages, 1);
        QVERIFY(postcardPages(cardDoc));
        QCOMPARE(boxDigits(cardDoc, 1), u"1000005"_s);
        for (const QString& word : {u"青木"_s, u"御中"_s, u"東京都千代田区"_s, u"丸の内ビル"_s})
            QVERIFY2(onPage(cardDoc, 1, word), qPrintable(word));

        QVERIFY(program.clickTo(postcards, u"cmdCancel"_s, u"frmStart"_s));
        // The typed address was written nowhere.
        QVERIFY(!QFile::exists(program.path(u"Tagora.dat"_s)));
    }

private:
    QElapsedTimer m_clock;
};

QTEST_MAIN(WholeProgramTest)
#include "WholeProgramTest.moc"
