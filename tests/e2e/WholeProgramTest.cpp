// The whole program as a user drives it: the real windows on an X server, the
// real navigator and printer (into PDF files), the program folder in a
// temporary directory, and only the prompts answered by a script.

#include "app/WindowNavigator.h"
#include "book/AddressFile.h"
#include "book/BookFiles.h"
#include "session/SessionState.h"
#include "printing/OutputChoice.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessages.h"
#include "platform/QtPrinterProvider.h"
#include "platform/QtTranslations.h"
#include "platform/RecordingHelp.h"
#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedMessages.h"
#include "platform/ScriptedPrintDialog.h"
#include "support/JapaneseText.h"
#include "support/PdfText.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The sheet as a ruler measures it, in points from the paper's corner: the postal line of the
// top-left label starts 1500 twips right of and 1200 below the page origin, 240 twips inside
// the corner; the right column starts 6450 twips in and the rows are 2390 apart.
constexpr double LeftPt = 1740 / 20.0, RightPt = 6690 / 20.0, TopPt = 1440 / 20.0, PitchPt = 2390 / 20.0;
constexpr double PointsPerMm = 72.0 / 25.4;
const QString SampleBook = QStringLiteral(TAGORA_SOURCE_DIR "/examples/sample.dat");
const QRectF WholePage(0, 0, 1000, 1000);

// Where the postal line of the i-th entry (from 0) of a job from startLabel
// starts (a point box), its page, and its label's cell (a long name may start left of it).
struct LabelPlace {
    int page;
    QRectF start, cell;
};
LabelPlace placeOfEntry(int entry, int startLabel) {
    const int slot = startLabel - 1 + entry, label = slot % 12 + 1; // slot over all sheets
    const double x = label % 2 == 1 ? LeftPt : RightPt, y = TopPt + ((label + 1) / 2 - 1) * PitchPt;
    return {slot / 12 + 1, {x - 1, y - 1, 2, 2}, {x - 50, y - 1, RightPt - LeftPt + 50, PitchPt}};
}

template <typename T> T* control(QWidget* window, const QString& name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

// Clicks an enabled, visible button of the window; false when there is none.
bool click(QWidget* window, const QString& name) {
    auto* button = control<QAbstractButton>(window, name);
    if (!button || !button->isEnabled() || !button->isVisible())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

// Types into each visible line edit in turn, a key press per character (as an input method
// hands kana and kanji over); the first control that did not take its text, or empty.
QString type(QWidget* window, const QList<std::pair<QString, QString>>& fields) {
    for (const auto& [name, text] : fields) {
        auto* edit = control<QLineEdit>(window, name);
        for (QChar c : edit && edit->isVisible() && edit->isEnabled() ? text : QString()) {
            QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        if (!edit || edit->text() != text)
            return name;
    }
    return {};
}

// Types text at the end of what a line edit holds; false when it did not take it.
bool append(QWidget* window, const QString& name, const QString& text) {
    auto* edit = control<QLineEdit>(window, name);
    if (!edit || !edit->isVisible() || !edit->isEnabled())
        return false;
    const QString expected = edit->text() + text;
    edit->end(false);
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    return edit->text() == expected;
}

// Picks entry `index` of the honorific list with the arrow keys; its text.
QString chooseHonorific(QWidget* window, int index) {
    auto* honorific = control<QComboBox>(window, u"Combo1"_s);
    for (int i = 0; honorific && i < index; ++i)
        QTest::keyClick(honorific, Qt::Key_Down);
    return honorific ? honorific->currentText() : QString();
}

// Whether a word reading as text stands on page with its top-left corner in
// area. The PDF's text gives some kanji of the Mincho face as look-alike
// radicals that NFKC leaves alone (長 comes back as U+2ED1); they count as the kanji.
bool wordIn(const pdftext::Document& document, const QString& text, int page, const QRectF& area) {
    const auto folded = [](QString t) {
        static const QString radicals = u"⻑⻘⻄⻝⻩⻤⻫⻭⻯⻲"_s, kanji = u"長青西食黄鬼斉歯竜亀"_s;
        t = t.normalized(QString::NormalizationForm_KC);
        for (qsizetype i = 0; i < radicals.size(); ++i)
            t.replace(radicals[i], kanji[i]);
        return t;
    };
    return std::any_of(document.words.begin(), document.words.end(), [&](const pdftext::Word& w) {
        return w.page == page && area.contains(w.xMin, w.yMin) && folded(w.text) == folded(text);
    });
}

// The single-digit words of one page, left to right, in the top quarter of
// the card, where the code boxes sit.
QString boxDigits(const pdftext::Document& document, int page) {
    QMap<double, QString> digits; // by left edge
    for (const pdftext::Word& w : document.words)
        if (w.page == page && w.text.size() == 1 && w.text[0].isDigit() && w.yMin < 148 * PointsPerMm / 4)
            digits.insert(w.xMin, w.text);
    return QStringList(digits.values()).join(QString());
}

// Keeps a picture of the window in TAGORA_SCREENSHOT_DIR for people to look
// at; false when there is no window.
bool screenshot(QWidget* window, const QString& name) {
    QDir().mkpath(QStringLiteral(TAGORA_SCREENSHOT_DIR));
    QCoreApplication::processEvents();
    return window && window->grab().save(QStringLiteral(TAGORA_SCREENSHOT_DIR "/") + name + u".png"_s);
}

// Selects rows of the address list as a user does (a click on the first,
// Ctrl+click on the others) and adds them; false unless the count shows them.
bool addToPrintList(QWidget* start, const QList<int>& rows) {
    auto* list = control<QListWidget>(start, u"lstSet1"_s);
    for (int i = 0; i < rows.size(); ++i) {
        list->scrollToItem(list->item(rows[i]));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, i == 0 ? Qt::NoModifier : Qt::ControlModifier,
                          list->visualItemRect(list->item(rows[i])).center());
    }
    return click(start, u"cmdAdd"_s) && control<QLabel>(start, u"lblCount"_s)->text() == QString::number(rows.size());
}

// The program as `tagora --home TMP` builds it, the prompts answered by a script.
struct Program {
    QTemporaryDir home;
    platform::ScriptedMessages messages;
    platform::ScriptedFileDialogs dialogs;
    platform::RecordingHelpViewer help;
    platform::RecordingShell shell;
    platform::QtPrinterProvider printers;
    platform::ScriptedPrintDialog printDialog;
    platform::Platform services{messages, dialogs, help, shell, printers, printDialog};
    session::SessionState state;
    app::WindowNavigator navigator{state, services};

    Program() {
        home.setAutoRemove(!qEnvironmentVariableIsSet("TAGORA_KEEP_E2E")); // to look at the PDFs
        platform::ProgramFolder::choose(home.path());
        // With a system printer installed the job would go to it; these runs
        // always print to a file, as the 出力先 menu lets the user choose.
        printing::outputChoiceForThisRun() = {};
        if (!printers.defaultPrinterName().isEmpty())
            printing::outputChoiceForThisRun().mode = printing::OutputChoice::Mode::PdfFile;
        navigator.showStart();
    }
    ~Program() {
        delete navigator.current();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString path(const QString& name) const { return home.filePath(name); }
    QString samplePath() const { return path(u"sample.dat"_s); }

    // The window in use once the hand-over has settled, or null when it is not name.
    QWidget* windowNamed(const QString& name) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget* current = navigator.current();
        return current && current->objectName() == name && QTest::qWaitForWindowExposed(current) ? current : nullptr;
    }

    book::CardList sample; // the sample book's cards, once opened

    // The start window after its open button read a copy of the sample book.
    QWidget* openSample() {
        const book::LoadResult loaded =
            QFile::copy(SampleBook, samplePath()) ? book::loadBook(samplePath()) : book::LoadResult{};
        sample = loaded.cards;
        QWidget* start = windowNamed(u"frmStart"_s);
        dialogs.answer(samplePath());
        return loaded.ok() && click(start, u"cmdOpen"_s) ? start : nullptr;
    }

    // The print screen's job into the PDF file name, read back; not ok on a failure.
    pdftext::Document print(QWidget* screen, const QString& name) {
        dialogs.answer(path(name));
        const bool printed = click(screen, u"cmdPrint"_s) && messages.texts().filter(u"印刷できませんでした"_s).isEmpty();
        return printed ? pdftext::read(path(name)) : pdftext::Document{};
    }

    // Clicks button of from; the window name it hands over to, or null.
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
    }

    void labelsThenPostcardsFromTheSampleBook() {
        Program program;
        QVERIFY(screenshot(program.windowNamed(u"frmStart"_s), u"01-start-window"_s));
        QWidget* start = program.openSample();
        const QList<int> rows = {1, 3, 4, 7, 9, 10, 12, 15, 18, 20};
        QVERIFY(start && addToPrintList(start, rows) && screenshot(start, u"02-start-window-print-list"_s));

        QWidget* labelsWindow = program.clickTo(start, u"cmdPrint"_s, u"frmPrint"_s);
        const int startLabel = 5;
        QVERIFY(click(labelsWindow, u"lblNo_%1"_s.arg(startLabel - 1)) && click(labelsWindow, u"cmdOk"_s));
        QVERIFY(screenshot(labelsWindow, u"03-label-print-screen"_s));

        const pdftext::Document document = program.print(labelsWindow, u"labels.pdf"_s);
        // 10 entries from label 5: eight on the first sheet, two on a second.
        QCOMPARE(program.messages.lastText(), u"シート数は2枚です。"_s);
        QCOMPARE(document.pages, 2);
        for (int i = 0; i < rows.size(); ++i) {
            const book::AddressCard& card = program.sample[rows[i]];
            const LabelPlace place = placeOfEntry(i, startLabel);
            QVERIFY2(wordIn(document, u"〒"_s + card.postalCode, place.page, place.start), qPrintable(card.postalCode));
            QVERIFY2(wordIn(document, card.name.section(u'　', 0, 0), place.page, place.cell), qPrintable(card.name));
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
        QVERIFY(qAbs(cards.pageWidth - 100 * PointsPerMm) < 1.0 && qAbs(cards.pageHeight - 148 * PointsPerMm) < 1.0);
        for (int i = 0; i < cardRows.size(); ++i) {
            const book::AddressCard& card = program.sample[cardRows[i]];
            QCOMPARE(boxDigits(cards, i + 1), QString(card.postalCode).remove(u'-'));
            QVERIFY2(wordIn(cards, card.name.section(u'　', 0, 0), i + 1, WholePage), qPrintable(card.name));
        }
        QVERIFY(program.clickTo(postcards, u"cmdCancel"_s, u"frmStart"_s));
    }

    void bookTypedFromNothing() {
        Program program;
        QWidget* editor = program.clickTo(program.windowNamed(u"frmStart"_s), u"cmdNew"_s, u"frmSet"_s);

        // The first card through the one-line address and its split.
        QCOMPARE(type(editor, {{u"txtName"_s, u"木村　拓也"_s}, {u"txtZip"_s, u"150-0001"_s},
                               {u"txtNewadd"_s, u"東京都渋谷区神宮前１－２－３"_s}}), QString());
        QVERIFY(click(editor, u"Command1"_s));
        QCOMPARE(type(editor, {{u"txtAdd3"_s, u"青葉荘１０１"_s}, {u"txtCode"_s, u"友人"_s}}), QString());
        QVERIFY(screenshot(editor, u"05-card-editor"_s) && click(editor, u"cmdAdd"_s));

        // The second on the address lines, with 御中 chosen from the list.
        QVERIFY(click(editor, u"cmdJump"_s) && click(editor, u"Command2"_s));
        QCOMPARE(type(editor, {{u"txtName"_s, u"有限会社　森田工房"_s}, {u"txtZip"_s, u"060-0001"_s},
                               {u"txtAdd1"_s, u"北海道札幌市中央区"_s}, {u"txtAdd2"_s, u"北一条西２－１"_s}}),
                 QString());
        QCOMPARE(chooseHonorific(editor, 2), u"御中"_s);
        QVERIFY(click(editor, u"cmdAdd"_s));

        program.dialogs.answer(program.path(u"friends.dat"_s));
        QVERIFY(screenshot(program.clickTo(editor, u"cmdRtn"_s, u"frmStart"_s), u"06-start-window-new-book"_s));
        QCOMPARE(bookfiles::readBytes(program.path(u"friends.dat"_s)), book::encodeCp932(
            u"\"木村　拓也\",\"東京都渋谷区\",\"神宮前１－２－３\",\"青葉荘１０１\",\"150-0001\",\"友人\",\"0\"\r\n"
            u"\"有限会社　森田工房\",\"北海道札幌市中央区\",\"北一条西２－１\",\"\",\"060-0001\",\"\",\"2\"\r\n"_s)
                                          .value_or("<unencodable>"));

        // Edited again from the start window, the book saved under its name gets the change.
        const QByteArray ini = bookfiles::readBytes(program.path(u"Tagora.ini"_s));
        QWidget* again = program.clickTo(program.windowNamed(u"frmStart"_s), u"cmdCard"_s, u"frmSet"_s);
        QVERIFY(again && again->windowTitle().contains(u"friends.dat"_s));
        QVERIFY(append(again, u"txtName"_s, u"様"_s));
        QVERIFY(program.clickTo(again, u"cmdList"_s, u"frmVew"_s)); // the save question answered Yes
        QVERIFY(book::loadBook(program.path(u"friends.dat"_s)).cards.value(0).name.endsWith(u"様"_s));
        QVERIFY(!QFile::exists(program.path(u"Tagora.dat"_s)));
        QVERIFY(bookfiles::readBytes(program.path(u"Tagora.ini"_s)) != ini); // now names friends.dat
    }

    // A settings file that names an earlier run's book never picks the file written.
    void editAfterPrintingGoesToTheOpenBook() {
        Program program;
        const QString earlier = program.path(u"A.dat"_s), opened = program.path(u"B.dat"_s);
        QVERIFY(QFile::copy(SampleBook, earlier));
        QVERIFY(book::writeBook(opened, book::loadBook(SampleBook).cards.mid(0, 3)).ok());
        const QByteArray earlierBytes = bookfiles::readBytes(earlier);
        bookfiles::writeBytes(program.path(u"Tagora.ini"_s),
                              *book::encodeCp932(u"\"%1\",\"3\",\"\"\r\n"_s.arg(earlier)));
        delete program.navigator.current(); // a fresh run reads the settings
        program.navigator.showStart();

        QWidget* start = program.windowNamed(u"frmStart"_s);
        program.dialogs.answer(opened);
        QVERIFY(click(start, u"cmdOpen"_s) && addToPrintList(start, {0}));
        QWidget* labelsWindow = program.clickTo(start, u"cmdPrint"_s, u"frmPrint"_s);
        start = program.clickTo(labelsWindow, u"cmdCancel"_s, u"frmStart"_s);
        QWidget* editor = program.clickTo(start, u"cmdCard"_s, u"frmSet"_s);
        QVERIFY(editor && editor->windowTitle().contains(u"B.dat"_s));
        QVERIFY(append(editor, u"txtName"_s, u"改"_s));
        QVERIFY(program.clickTo(editor, u"cmdList"_s, u"frmVew"_s));
        QVERIFY(book::loadBook(opened).cards.value(0).name.endsWith(u"改"_s));
        QCOMPARE(bookfiles::readBytes(earlier), earlierBytes);
    }

    void cardMovedThenShownInTheSheet() {
        Program program;
        QWidget* order = program.clickTo(program.openSample(), u"cmdOrder"_s, u"frmOrder"_s);
        QList<QByteArray> lines = bookfiles::readBytes(program.samplePath()).split('\n');
        QCOMPARE(lines.takeLast(), QByteArray()); // the last line ends in CR LF too
        auto* cards = control<QListWidget>(order, u"lstName"_s);
        QVERIFY(cards);
        // Card 5 goes to position 2: 1, 5, 2, 3, 4, 6, ...
        QTest::mouseClick(cards->viewport(), Qt::LeftButton, Qt::NoModifier,
                          cards->visualItemRect(cards->item(4)).center());
        QCOMPARE(type(order, {{u"Text2"_s, u"2"_s}}), QString());
        QVERIFY(screenshot(order, u"09-reordering"_s) && click(order, u"Command1"_s));
        lines.move(4, 1);
        QCOMPARE(bookfiles::readBytes(program.samplePath()), lines.join('\n') + '\n');

        QWidget* sheet = program.clickTo(program.clickTo(order, u"Command2"_s, u"frmStart"_s), u"cmdView"_s, u"frmVew"_s);
        auto* grid = control<QTableWidget>(sheet, u"fg1"_s);
        QVERIFY(grid);
        const QList<QTableWidgetItem*> moved = grid->findItems(program.sample[4].name, Qt::MatchExactly);
        QVERIFY2(moved.size() == 1 && moved[0]->row() == 1, "the moved card is the sheet's second row");
        QVERIFY(screenshot(sheet, u"10-address-list-sheet"_s));
        sheet->close();
        QVERIFY(program.windowNamed(u"frmStart"_s));
    }

    // A double-click in the sheet opens the editor in front of it; the sheet
    // stays open behind, out of use, and the editor's 戻る closes both.
    void sheetStaysBehindTheEditorItOpened() {
        Program program;
        QWidget* sheet = program.clickTo(program.openSample(), u"cmdView"_s, u"frmVew"_s);
        QVERIFY(sheet);
        auto* grid = control<QTableWidget>(sheet, u"fg1"_s);
        const QRect third = grid->visualItemRect(grid->item(2, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, third.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, third.center());
        QWidget* editor = program.windowNamed(u"frmSet"_s);
        QVERIFY(editor);
        QPointer<QWidget> behind = sheet;
        QVERIFY(sheet->isVisible());
        QVERIFY(!sheet->isEnabled());
        sheet->close(); // its close box waits for the editor
        QVERIFY(sheet->isVisible());
        QCOMPARE(program.windowNamed(u"frmSet"_s), editor);
        QVERIFY(screenshot(editor, u"10b-editor-over-sheet"_s));

        QVERIFY(program.clickTo(editor, u"cmdRtn"_s, u"frmStart"_s));
        QVERIFY(!behind);
    }

    void singleAddressOnLabelAndPostcard() {
        Program program;
        // One typed address, kept nowhere; false when a step failed.
        auto fillForm = [&](QWidget* form) {
            return type(form, {{u"txtName"_s, u"青木　純"_s}}).isEmpty() && chooseHonorific(form, 3) == u"御中"_s
                   && type(form, {{u"txtZip"_s, u"100-0005"_s}, {u"txtNewadd"_s, u"東京都千代田区丸の内１－１"_s}}).isEmpty()
                   && click(form, u"Command1"_s) && type(form, {{u"txtAdd3"_s, u"丸の内ビル"_s}}).isEmpty();
        };

        QWidget* form = program.clickTo(program.windowNamed(u"frmStart"_s), u"cmdAt"_s, u"frmSingle"_s);
        QVERIFY(form && fillForm(form) && screenshot(form, u"07-single-address"_s));
        QWidget* labelsWindow = program.clickTo(form, u"cmdPrint"_s, u"frmPrint"_s);
        QVERIFY(click(labelsWindow, u"cmdOk"_s));
        const pdftext::Document labelsDoc = program.print(labelsWindow, u"single-label.pdf"_s);
        QCOMPARE(labelsDoc.pages, 1);
        const LabelPlace first = placeOfEntry(0, 1);
        QVERIFY(wordIn(labelsDoc, u"〒100-0005"_s, 1, first.start));
        for (const QString& word : {u"青木"_s, u"御中"_s, u"東京都千代田区"_s, u"丸の内1-1"_s, u"丸の内ビル"_s})
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

    // Every window and Qt's own dialogs, as a Japanese user sees them: kept as
    // screenshots, and no English outside the few words the windows keep.
    void everyWindowAndDialogSpeaksJapanese() {
        QVERIFY(platform::installQtTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan)));
        Program program;
        QStringList english;
        const auto look = [&](QWidget* window, const QString& name) {
            if (!window)
                return false;
            english << japanesetext::englishIn(japanesetext::visibleTexts(window));
            return screenshot(window, name);
        };
        QVERIFY(look(program.windowNamed(u"frmStart"_s), u"10-first-start"_s));
        QWidget* start = program.openSample();
        QVERIFY(start && addToPrintList(start, {0, 1, 2}) && look(start, u"11-start-with-book"_s));
        // A sender with a long address, as the postcard screen sums it up.
        QVERIFY(book::writeBook(program.path(u"Sender.dat"_s),
                                {{u"差出　太郎"_s, u"神奈川県足柄上郡中井町"_s, u"井ノ口１２３４－５６７８"_s,
                                  u"グランドメゾン中井１０１号室"_s, u"259-0151"_s, QString(), u"0"_s}})
                    .ok());
        for (const auto& [button, window] : {std::pair{u"cmdCard"_s, u"frmSet"_s},
                                             {u"cmdOrder"_s, u"frmOrder"_s},
                                             {u"cmdView"_s, u"frmVew"_s},
                                             {u"cmdAt"_s, u"frmSingle"_s},
                                             {u"cmdPrint"_s, u"frmPrint"_s},
                                             {u"cmdHagaki"_s, u"frmPrintH"_s}}) {
            QWidget* shown = program.clickTo(program.windowNamed(u"frmStart"_s), button, window);
            QVERIFY2(look(shown, u"12-"_s + window), qPrintable(window));
            shown->close();
            QVERIFY(program.windowNamed(u"frmStart"_s));
        }

        // Qt's own message box and file dialog, grabbed while they wait for the user.
        QWidget* dialogShown = nullptr;
        const auto grabThenClose = [&](const QString& name) {
            QTimer::singleShot(300, [&, name] {
                dialogShown = QApplication::activeModalWidget();
                if (look(dialogShown, name))
                    dialogShown->close();
            });
        };
        platform::QtMessages messages;
        grabThenClose(u"13-question"_s);
        messages.show(u"内容が変更されています、保存しますか…?"_s, platform::Buttons::YesNoCancel,
                      {});
        QVERIFY(dialogShown);
        platform::QtFileDialogs dialogs;
        platform::FileDialogRequest request{u"ファイルを開く"_s, u"データファイル(*.dat)|*.dat"_s,
                                            program.home.path()};
        dialogShown = nullptr;
        grabThenClose(u"14-open-dialog"_s);
        dialogs.openFile(request);
        QVERIFY(dialogShown);
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
    }
};

// Without an X server the run is reported to CTest as skipped, not passed.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet("TAGORA_NO_XVFB")) {
        std::puts("SKIP: xvfb-run is not installed: the windows need a real X server for this test");
        return 77;
    }
    QApplication app(argc, argv);
    WholeProgramTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "WholeProgramTest.moc"
