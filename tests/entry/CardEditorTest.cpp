#include "CardEditorFixture.h"

// Moving between cards and typing into them.
class CardEditorTest : public QObject, CardEditorFixture {
    Q_OBJECT

private slots:
    void init() { reset(); }

    // A typed new card is only discarded backwards, a changed card is kept on
    // Yes; nothing reaches the file until delete, list view or return.
    void leavingAnEditedCard_data() {
        QTest::addColumn<bool>("newCard");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("kept");
        QTest::newRow("new, ≪ discarded") << true << u"≪"_s << Answer::Yes << u"1/3"_s << false;
        QTest::newRow("new, ≫ kept") << true << u"≫"_s << Answer::No << u"4/新規"_s << true;
        QTest::newRow("new, ＞ refused") << true << u"＞"_s << Answer::Yes << u"4/新規"_s << true;
        QTest::newRow("changed, ＞ yes") << false << u"＞"_s << Answer::Yes << u"3/3"_s << true;
        QTest::newRow("changed, ＜ no") << false << u"＜"_s << Answer::No << u"1/3"_s << false;
    }

    void leavingAnEditedCard() {
        QFETCH(bool, newCard);
        QFETCH(QString, button);
        QFETCH(Answer, answer);
        CardEditor& editor = newCard ? openOnTypedNewCard(u"編集"_s) : openBook(3);
        if (!newCard) {
            editor.nextCard();
            editor.setFieldText(Field::Name, u"編集"_s);
        }
        this->answer(answer);
        press(editor, button);
        QCOMPARE(shownCount(), 1);
        QTEST(editor.recordLabel(), "label");
        const QString held = newCard ? editor.fieldText(Field::Name) : editor.cards()[1].name;
        QTEST(held == u"編集"_s, "kept");
        QCOMPARE(editor.cardCount(), 3);
        QCOMPARE(onDisk(), cards(3));
    }

    // The sheet opens the editor at the card clicked; out-of-range choices
    // land on the nearest end.
    void jumpsToTheSheetsCard() {
        CardEditor& editor = openBook(5);
        for (const auto& [chosen, label] : {std::pair{3, u"3/5"_s}, {0, u"1/5"_s}, {9, u"5/5"_s}}) {
            editor.showCard(chosen);
            QCOMPARE(editor.recordLabel(), label);
            QCOMPARE(editor.fieldText(Field::Name), card(label.front().digitValue()).name);
        }
    }

    void noCardBeyondCapacity() {
        CardEditor& editor = openBook(book::BookCapacity);
        editor.lastCard();
        editor.nextCard();
        editor.newCard();
        QCOMPARE(editor.recordLabel(), u"300/300"_s);
        QCOMPARE(editor.cardCount(), book::BookCapacity);
    }

    void lengthLimits_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("warns");
        QTest::newRow("name 13") << 13 << false;
        QTest::newRow("name 14") << 14 << true;
    }

    // Over the limit the text is kept with a warning, at every further change,
    // and counts as a change: leaving the card still asks to save it.
    void lengthLimits() {
        const Field field = Field::Name;
        QFETCH(int, length);
        QFETCH(bool, warns);
        CardEditor& editor = openBook(1);
        const QString text(length, u'字');
        QCOMPARE(editor.setFieldText(field, text), text);
        QVERIFY(editor.changed());
        QCOMPARE(shownCount(), warns ? 1 : 0);
        editor.setFieldText(field, text + u'あ');
        QCOMPARE(shownCount(), warns ? 2 : 1);
    }

    // Input methods' look-alikes are stored in their code page 932 forms, without a refusal.
    void lookAlikesAreMappedAsTyped() {
        CardEditor& editor = openBook(1);
        QCOMPARE(editor.setFieldText(Field::Address2, u"１〜３−５—‖¢£¬"_s),
                 u"１～３－５―∥￠￡￢"_s);
        QCOMPARE(shownCount(), 0);
        QCOMPARE(editor.setNewAddress(u"東京都〜😀"_s), u"東京都～"_s);
        QCOMPARE(m_h->messages(), QStringList{u"住所録に保存できない文字は入力できません。"_s});
        editor.registerCard();
        editor.returnToStart();
        QCOMPARE(onDisk().value(0).address2, u"１～３－５―∥￠￡￢"_s);
    }

    // A book that does not read (here the old six-field layout) is left as it is.
    void unreadableBookIsNotOpened() {
        const QByteArray bytes = QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"0\"\r\n").repeated(7);
        QFile file(m_h->bookPath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        m_h->state.book = session::CurrentBook::file(file.fileName());
        QVERIFY(!CardEditor(m_h->context).open());
        QCOMPARE(m_h->messages(), QStringList{u"住所録ファイルを読み込めません。"_s});
        QCOMPARE(m_h->navigator.calls(), QStringList{u"start"_s});
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }
};

QTEST_GUILESS_MAIN(CardEditorTest)
#include "CardEditorTest.moc"
