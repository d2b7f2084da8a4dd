#include "e2e/WholeProgram.h"

using namespace e2e;

// Books typed, edited and reordered in the windows, and every window in Japanese.
class EditJourneysTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
        platform::registerFontSubstitutions();
    }

    void bookTypedFromNothing() {
        Program program;
        QWidget* editor =
            program.clickTo(program.windowNamed(u"frmStart"_s), u"cmdNew"_s, u"frmSet"_s);

        // The first card through the one-line address and its split.
        QCOMPARE(type(editor, {{u"txtName"_s, u"木村　拓也"_s},
                               {u"txtZip"_s, u"150-0001"_s},
                               {u"txtNewadd"_s, u"東京都渋谷区神宮前１－２－３"_s}}),
                 QString());
        QVERIFY(click(editor, u"Command1"_s));
        QCOMPARE(type(editor, {{u"txtAdd3"_s, u"青葉荘１０１"_s}, {u"txtCode"_s, u"友人"_s}}),
                 QString());
        QVERIFY(screenshot(editor, u"05-card-editor"_s) && click(editor, u"cmdAdd"_s));

        // The second on the address lines, with 御中 chosen from the list.
        QVERIFY(click(editor, u"cmdJump"_s) && click(editor, u"Command2"_s));
        QCOMPARE(type(editor, {{u"txtName"_s, u"有限会社　森田工房"_s},
                               {u"txtZip"_s, u"060-0001"_s},
                               {u"txtAdd1"_s, u"北海道札幌市中央区"_s},
                               {u"txtAdd2"_s, u"北一条西２－１"_s}}),
                 QString());
        QCOMPARE(chooseHonorific(editor, 2), u"御中"_s);
        QVERIFY(click(editor, u"cmdAdd"_s));

        program.dialogs.answer(program.path(u"friends.dat"_s));
        QVERIFY(screenshot(program.clickTo(editor, u"cmdRtn"_s, u"frmStart"_s),
                           u"06-start-window-new-book"_s));
        QCOMPARE(
            bookfiles::readBytes(program.path(u"friends.dat"_s)),
            book::encodeCp932(
                u"\"木村　拓也\",\"東京都渋谷区\",\"神宮前１－２－３\",\"青葉荘１０１\",\"150-"
                u"0001\",\"友人\",\"0\"\r\n"
                u"\"有限会社　森田工房\",\"北海道札幌市中央区\",\"北一条西２－１\",\"\",\"060-0001\",\"\",\"2\"\r\n"_s)
                .value_or("<unencodable>"));

        // Edited again from the start window, the book saved under its name gets the change.
        const QByteArray ini = bookfiles::readBytes(program.path(u"Tagora.ini"_s));
        QWidget* again =
            program.clickTo(program.windowNamed(u"frmStart"_s), u"cmdCard"_s, u"frmSet"_s);
        QVERIFY(again && again->windowTitle().contains(u"friends.dat"_s));
        QVERIFY(append(again, u"txtName"_s, u"様"_s));
        QVERIFY(
            program.clickTo(again, u"cmdList"_s, u"frmVew"_s)); // the save question answered Yes
        QVERIFY(
            book::loadBook(program.path(u"friends.dat"_s)).cards.value(0).name.endsWith(u"様"_s));
        QVERIFY(!QFile::exists(program.path(u"Tagora.dat"_s)));
        QVERIFY(bookfiles::readBytes(program.path(u"Tagora.ini"_s)) !=
                ini); // now names friends.dat
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

        QWidget* sheet = program.clickTo(program.clickTo(order, u"Command2"_s, u"frmStart"_s),
                                         u"cmdView"_s, u"frmVew"_s);
        auto* grid = control<QTableWidget>(sheet, u"fg1"_s);
        QVERIFY(grid);
        const QList<QTableWidgetItem*> moved =
            grid->findItems(program.sample[4].name, Qt::MatchExactly);
        QVERIFY2(moved.size() == 1 && moved[0]->row() == 1,
                 "the moved card is the sheet's second row");
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
        QVERIFY(book::writeBook(
                    program.path(u"Sender.dat"_s),
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

TAGORA_E2E_MAIN(EditJourneysTest)
#include "EditJourneysTest.moc"
