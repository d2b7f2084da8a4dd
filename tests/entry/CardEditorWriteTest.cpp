#include "CardEditorFixture.h"

// What the editor writes to the book, and what it asks first.
class CardEditorWriteTest : public QObject, CardEditorFixture {
    Q_OBJECT

private slots:
    void init() { reset(); }

    void deleteWritesTheOpenBook_data() {
        QTest::addColumn<QString>("bookState");
        QTest::addColumn<bool>("settingsNameAnother");
        QTest::newRow("settings name the book") << u"3"_s << false;
        QTest::newRow("settings say new book") << u"2"_s << false;
        QTest::newRow("settings name an earlier run's book") << u"3"_s << true;
    }

    // The settings file remembers a book for the next run; it never picks the file written.
    void deleteWritesTheOpenBook() {
        QFETCH(QString, bookState);
        QFETCH(bool, settingsNameAnother);
        const QString other = m_h->dir.filePath(u"other.dat"_s);
        QVERIFY(book::writeBook(other, cards(5)).ok());
        const QByteArray otherBytes = *book::formatBook(cards(5));
        CardEditor& editor = openBook(3, bookState);
        if (settingsNameAnother)
            book::writeSettings(platform::ProgramFolder::file(u"Tagora.ini"_s),
                                {other, u"3"_s, {}});
        editor.nextCard();
        editor.deleteCard();
        QCOMPARE(shownCount(), 1);
        QCOMPARE(onDisk(), (book::CardList{card(1), card(3)}));
        QVERIFY(!QFile::exists(platform::ProgramFolder::file(u"Tagora.dat"_s)));
        QFile file(other);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), otherBytes);
        QCOMPARE(editor.recordLabel(), u"1/2"_s);
    }

    void changedOnDiskAsks_data() {
        QTest::addColumn<Answer>("choice");
        QTest::addColumn<bool>("overwritten");
        QTest::addColumn<bool>("savedElsewhere");
        QTest::newRow("overwrite") << Answer::Yes << true << false;
        QTest::newRow("another name") << Answer::No << false << true;
        QTest::newRow("cancel") << Answer::Cancel << false << false;
    }

    // Another window or program rewrote the book after the editor read it.
    void changedOnDiskAsks() {
        QFETCH(Answer, choice);
        QFETCH(bool, overwritten);
        QFETCH(bool, savedElsewhere);
        CardEditor& editor = openBook(3);
        QVERIFY(book::writeBook(m_h->bookPath(), cards(4)).ok());
        const QString elsewhere = m_h->dir.filePath(u"mine"_s);
        answer(Answer::Ok); // delete this card
        answer(choice);
        m_h->platform.dialogs.answer(elsewhere);
        editor.deleteCard();
        QCOMPARE(m_h->platform.messages.shown().at(1).buttons, platform::Buttons::YesNoCancel);
        QVERIFY(m_h->messages().at(1).contains(m_h->bookPath()));
        const book::CardList mine{card(2), card(3)};
        QCOMPARE(onDisk(), overwritten ? mine : cards(4));
        // The name typed without an extension is saved as a .dat file.
        QCOMPARE(onDisk(elsewhere + u".dat"_s), savedElsewhere ? mine : book::CardList{});
        QCOMPARE(m_h->state.book.path(), savedElsewhere ? elsewhere + u".dat"_s : m_h->bookPath());
        QCOMPARE(editor.cardCount(), choice == Answer::Cancel ? 3 : 2);
        if (savedElsewhere)
            QCOMPARE(m_h->state.settings.lastBook, elsewhere + u".dat"_s);
    }

    void newBookListGoesToProgramFolder_data() {
        QTest::addColumn<bool>("existed");
        QTest::addColumn<Answer>("choice");
        QTest::addColumn<bool>("written");
        QTest::newRow("no file there") << false << Answer::Yes << true;
        QTest::newRow("another book there, replaced") << true << Answer::Yes << true;
        QTest::newRow("another book there, cancelled") << true << Answer::Cancel << false;
    }

    // A book that never had a file lists through "Tagora.dat", never over another book unasked.
    void newBookListGoesToProgramFolder() {
        QFETCH(bool, existed);
        QFETCH(Answer, choice);
        QFETCH(bool, written);
        const QString fallback = platform::ProgramFolder::file(u"Tagora.dat"_s);
        if (existed)
            QVERIFY(book::writeBook(fallback, cards(4)).ok());
        CardEditor& editor = openNewBook();
        editor.setFieldText(Field::Name, u"一人目"_s);
        editor.registerCard();
        answer(choice);
        editor.showList();
        QCOMPARE(shownCount(), existed ? 1 : 0);
        QCOMPARE(onDisk(fallback), written   ? book::CardList{nameOnly(u"一人目"_s)}
                                   : existed ? cards(4)
                                             : book::CardList{});
        QCOMPARE(m_h->navigator.calls(), written ? QStringList{u"sheet menu"_s} : QStringList{});
        if (written) {
            QCOMPARE(m_h->state.book.path(), fallback);
            QCOMPARE(m_h->state.settings.lastBook, fallback);
        }
    }

    // A quote read from an unquoted field is named, shown, and never written.
    void quoteInBookIsShownToMend() {
        QByteArray bytes = *book::formatBook(cards(2));
        bytes += "\"x\",\"y\",\"z\",\"\",\"100-0001\",C\"3,\"0\"\r\n";
        QFile file(m_h->bookPath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        m_h->state.book = session::CurrentBook::file(m_h->bookPath());
        CardEditor& editor = openEditor();
        editor.returnToStart();
        const QString message = m_h->messages().value(0);
        QVERIFY(message.startsWith(u"住所録ファイルに保存できませんでした。"_s));
        QVERIFY(message.contains(u"3件目"_s) && message.contains(u"コード"_s));
        QCOMPARE(editor.currentCard(), 3);
        QVERIFY(!editor.closed());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        file.close();
        // On screen the quote is gone; registering the card mends the book.
        QCOMPARE(editor.fieldText(Field::Code), u"C3"_s);
        editor.registerCard();
        editor.returnToStart();
        QCOMPARE(onDisk().value(2).code, u"C3"_s);
        QVERIFY(editor.closed());
    }

    // The honorific is stored as its position; no selection as -1.
    void listViewSavesAndShowsTheSheet() {
        CardEditor& editor = openBook(2);
        editor.setFieldText(Field::Name, u"一覧前"_s);
        editor.chooseHonorific(-1);
        answer(Answer::Yes);
        editor.showList();
        QCOMPARE(m_h->messages(), QStringList{u"変更した内容を保存しますか…?"_s});
        book::CardList expected = cards(2);
        expected[0].name = u"一覧前"_s;
        expected[0].honorific = u"-1"_s;
        QCOMPARE(onDisk(), expected);
        QCOMPARE(m_h->state.cards, expected);
        QCOMPARE(m_h->navigator.calls(), QStringList{u"sheet menu"_s});
        QVERIFY(m_h->state.startWindowAway);
    }

    // What code page 932 cannot hold never enters; its NEC and IBM characters do.
    // The season's record follows its card through the editor's delete,
    // an edit of name and address, and a new card; the editor shows it.
    void seasonRecordFollowsEdits() {
        CardEditor& editor = openBook(4);
        {
            season::SeasonRecord record(m_h->bookPath());
            for (int n : {2, 3, 4})
                QVERIFY(
                    record.setMarks(n, card(n), 2027, {true, false, false, {}, u"印%1"_s.arg(n)})
                        .ok());
        }
        editor.nextCard();
        editor.deleteCard();
        editor.nextCard();
        QCOMPARE(editor.seasonHistory(), u"2027 送 印3"_s);
        editor.lastCard();
        editor.setFieldText(Field::Name, u"改名"_s);
        editor.setFieldText(Field::Address1, u"新住所"_s);
        editor.nextCard(); // Yes: keep the change; then a new card
        editor.setFieldText(Field::Name, u"新しい人"_s);
        editor.returnToStart(); // Yes: register it
        QCOMPARE(onDisk().size(), 4);
        QCOMPARE(onDisk().at(2).name, u"改名"_s);
        const season::SeasonRecord record(m_h->bookPath());
        QCOMPARE(record.records().size(), 2);
        QCOMPARE(record.marks(2, 2027).note, u"印3"_s);
        QCOMPARE(record.marks(3, 2027).note, u"印4"_s);
        QCOMPARE(record.recordOf(3)->name, u"改名"_s);
        QVERIFY(!record.recordOf(1) && !record.recordOf(4));
    }

    void returnWritesTheBook() {
        CardEditor& editor = openOnTypedNewCard(u"追\"加😀"_s);
        QCOMPARE(editor.fieldText(Field::Name), u"追加"_s);
        QCOMPARE(editor.setNewAddress(u"東京都\"港区"_s), u"東京都港区"_s);
        QCOMPARE(editor.setFieldText(Field::Code, u"髙橋～①"_s), u"髙橋～①"_s);
        editor.chooseHonorific(5);
        answer(Answer::Yes); // register the new card
        editor.returnToStart();
        const QString refused = u"住所録に保存できない文字は入力できません。"_s;
        QCOMPARE(m_h->messages(), (QStringList{refused, refused, u"新規カードを登録しますか？"_s}));
        book::AddressCard added{u"追加"_s, {}, {}, {}, {}, u"髙橋～①"_s, u"5"_s};
        QCOMPARE(onDisk(), cards(3) << added);
        QCOMPARE(m_h->navigator.calls(), QStringList{u"start"_s});
    }

    // Navigation in an empty book leaves the typed new card as it is.
    void newBookIsSavedUnderAName() {
        CardEditor& editor = openNewBook();
        QVERIFY(!editor.deleteEnabled());
        editor.setFieldText(Field::Name, u"一人目"_s);
        editor.firstCard();
        editor.lastCard();
        editor.previousCard();
        editor.newCard();
        QCOMPARE(editor.recordLabel(), u"1/新規"_s);
        QCOMPARE(shownCount(), 0);
        editor.registerCard();
        editor.nextCard();
        editor.setFieldText(Field::Name, u"二人目"_s);
        const QString path = m_h->dir.filePath(u"新しい住所録.dat"_s);
        m_h->platform.dialogs.answer(path); // the two questions are answered Yes
        editor.returnToStart();
        QVERIFY(m_h->platform.dialogs.requests().first().request.overwritePrompt);
        QCOMPARE(onDisk(path), (book::CardList{nameOnly(u"一人目"_s), nameOnly(u"二人目"_s)}));
        QCOMPARE(m_h->state.book, session::CurrentBook::file(path));
        QCOMPARE(m_h->navigator.calls(), QStringList{u"start"_s});
    }

    void newBookReturnAsks_data() {
        QTest::addColumn<bool>("existingBook");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<Answer>("saveAs");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<bool>("closes");
        const QString reg = u"新規カードを登録しますか？"_s,
                      saveAs = u"ファイル名をつけて保存しますか…?"_s;
        QTest::newRow("nothing typed")
            << false << false << Answer::No << QStringList{reg, saveAs} << true;
        QTest::newRow("nothing typed, existing book")
            << true << false << Answer::No << QStringList{reg} << true;
        QTest::newRow("typed, existing book")
            << true << true << Answer::No << QStringList{saveAs} << true;
        QTest::newRow("dialog cancelled")
            << false << true << Answer::Yes << QStringList{saveAs} << false;
    }

    // Cards typed into a book without a file are never dropped without asking.
    void newBookReturnAsks() {
        QFETCH(bool, existingBook);
        QFETCH(bool, typed);
        QFETCH(Answer, saveAs);
        QFETCH(bool, closes);
        CardEditor& editor = openNewBook();
        m_h->state.book = existingBook ? session::CurrentBook() : session::CurrentBook::starting();
        if (typed) {
            editor.setFieldText(Field::Name, u"一人目"_s);
            editor.registerCard();
        } else {
            answer(Answer::No); // register the new card?
        }
        answer(saveAs); // a dialog, if shown, is cancelled
        editor.returnToStart();
        QTEST(m_h->messages(), "questions");
        QCOMPARE(m_h->navigator.calls(), closes ? QStringList{u"start"_s} : QStringList{});
        if (!closes)
            QVERIFY(!m_h->state.book.isOpen());
    }

    void failedWriteStaysOpenWithTheCards() {
        CardEditor& editor = openBook(2);
        QVERIFY(QFile::remove(m_h->bookPath()));
        QVERIFY(QDir(m_h->dir.path()).mkdir(u"book.dat"_s)); // a folder cannot be written over
        editor.setFieldText(Field::Name, u"変更"_s);
        editor.returnToStart();
        QCOMPARE(m_h->platform.messages.lastText(), u"住所録ファイルに保存できませんでした。"_s);
        QVERIFY(m_h->navigator.calls().isEmpty());
        QVERIFY(!editor.closed());
        QCOMPARE(editor.cards().first().name, u"変更"_s);
    }
};

QTEST_GUILESS_MAIN(CardEditorWriteTest)
#include "CardEditorWriteTest.moc"
