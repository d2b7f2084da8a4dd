#include "EntryHarness.h"
#include "book/SettingsFile.h"
#include "entry/CardEditor.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using entry::CardEditor;
using entry::Field;
using platform::Answer;

namespace {

book::AddressCard card(int n) {
    return {u"宛名%1"_s.arg(n), u"東京都港区"_s, u"芝公園%1-1"_s.arg(n), {}, u"105-0011"_s,
            u"C%1"_s.arg(n), u"0"_s};
}

book::CardList cards(int count) {
    book::CardList list;
    for (int i = 1; i <= count; ++i)
        list << card(i);
    return list;
}

// The command behind a button, by its caption.
void press(CardEditor& editor, const QString& caption) {
    static const QHash<QString, void (CardEditor::*)()> commands{
        {u"≪"_s, &CardEditor::firstCard}, {u"＜"_s, &CardEditor::previousCard},
        {u"＞"_s, &CardEditor::nextCard},  {u"≫"_s, &CardEditor::lastCard},
        {u"∥"_s, &CardEditor::newCard},    {u"一覧表示"_s, &CardEditor::showList}};
    (editor.*commands.value(caption))();
}

} // namespace

class CardEditorTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void newBookOpensOnANewCard();
    void registeringANewCardKeepsIt();
    void newCardRefuses_data();
    void newCardRefuses();
    void discardPrompt_data();
    void discardPrompt();
    void savePromptDecidesWhatIsKept_data();
    void savePromptDecidesWhatIsKept();
    void emptyBookNavigationLeavesTheNewCard();
    void noCardBeyondCapacity();
    void lengthLimits_data();
    void lengthLimits();
    void longStoredFieldWarnsWhenShown();
    void refusedCharactersDoNotEnter();
    void splitFillsTheLines();
    void deleteWithOneCardDoesNothing();
    void deleteWritesTheChosenFile_data();
    void deleteWritesTheChosenFile();
    void honorificIsStoredAsItsPosition_data();
    void honorificIsStoredAsItsPosition();
    void listViewSavesAndShowsTheSheet();
    void returnWritesTheBook();
    void returnSavesANewBookUnderAName();
    void cancelledSaveAsStaysOpen();
    void failedWriteStaysOpenWithTheCards();
    void typedCardsAreNotDroppedWithoutAsking();
    void unreadableBookIsNotOpened_data();
    void unreadableBookIsNotOpened();

private:
    // An editor on a book of `count` cards opened from a file (settings state "3").
    CardEditor& openBook(int count, const QString& bookState = u"3"_s);
    CardEditor& openNewBook();
    CardEditor& openEditor();
    void writeSettings(const book::SettingsValues& values) {
        book::writeSettings(platform::ProgramFolder::file(u"Tagora.ini"_s), values);
    }
    book::CardList onDisk(const QString& path) const { return book::loadBook(path).cards; }
    const QList<platform::ScriptedMessages::Shown>& shown() const {
        return m_h->platform.messages.shown();
    }

    std::unique_ptr<EntryHarness> m_h;
    std::unique_ptr<CardEditor> m_editor;
};

void CardEditorTest::init() {
    m_editor.reset();
    m_h = std::make_unique<EntryHarness>();
    QVERIFY(m_h->dir.isValid());
}

CardEditor& CardEditorTest::openEditor() {
    m_editor = std::make_unique<CardEditor>(m_h->context);
    m_editor->open();
    return *m_editor;
}

CardEditor& CardEditorTest::openBook(int count, const QString& bookState) {
    m_h->openBook(cards(count));
    writeSettings({m_h->bookPath(), bookState, u"0"_s});
    return openEditor();
}

CardEditor& CardEditorTest::openNewBook() {
    writeSettings({QString(), u"2"_s, {}});
    m_h->state.BookOpen = false;
    m_h->state.ExistingBook = false;
    return openEditor();
}

void CardEditorTest::newBookOpensOnANewCard() {
    CardEditor& editor = openNewBook();
    QCOMPARE(editor.recordLabel(), u"1/新規"_s);
    QVERIFY(editor.entryMode());
    QVERIFY(!editor.deleteEnabled());
    QVERIFY(!editor.optionInputEnabled());
    QCOMPARE(editor.honorificPosition(), 0);
    QCOMPARE(m_h->state.BookPath, u"新規作成"_s);
    QVERIFY(!editor.changed());

    m_h->platform.messages.answer(Answer::No); // register?
    m_h->platform.messages.answer(Answer::No); // save under a name?
    editor.returnToStart();
    QCOMPARE(m_h->messages().value(0), u"新規カードを登録しますか？"_s);
    QCOMPARE(m_h->navigator.calls(), QStringList{u"start"_s});
}

void CardEditorTest::registeringANewCardKeepsIt() {
    CardEditor& editor = openBook(3);
    QCOMPARE(editor.recordLabel(), u"1/3"_s);
    editor.lastCard();
    editor.nextCard();
    QCOMPARE(editor.recordLabel(), u"4/新規"_s);
    editor.setFieldText(Field::Name, u"新しい人"_s);
    QSignalSpy focus(&editor, &CardEditor::focusRequested);
    editor.registerCard();
    QCOMPARE(editor.recordLabel(), u"4/4"_s);
    QCOMPARE(editor.cardCount(), 4);
    QCOMPARE(editor.cards().last().name, u"新しい人"_s);
    QVERIFY(!editor.changed());
    QCOMPARE(focus.last().first().toString(), u"cmdFow"_s);
    editor.nextCard();
    QCOMPARE(editor.recordLabel(), u"5/新規"_s);
    QVERIFY(editor.fieldText(Field::Name).isEmpty());
    QVERIFY(shown().isEmpty());
}

void CardEditorTest::newCardRefuses_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("＞") << u"＞"_s << u"登録されていません。"_s;
    QTest::newRow("一覧表示") << u"一覧表示"_s << u"表示するデータがありません。"_s;
}

// An unregistered card can neither be left forwards nor listed.
void CardEditorTest::newCardRefuses() {
    QFETCH(QString, button);
    QFETCH(QString, message);
    CardEditor& editor = openBook(3);
    QVERIFY(!editor.entryMode());
    editor.newCard();
    QCOMPARE(editor.recordLabel(), u"4/新規"_s);
    QVERIFY(editor.entryMode());
    QVERIFY(!editor.optionInputEnabled());
    press(editor, button);
    QCOMPARE(m_h->messages(), QStringList{message});
    QCOMPARE(editor.recordLabel(), u"4/新規"_s);
    QCOMPARE(editor.cardCount(), 3);
    QVERIFY(m_h->navigator.calls().isEmpty());
    QVERIFY(!editor.closed());
}

void CardEditorTest::discardPrompt_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("discard");
    QTest::addColumn<QString>("label");
    for (const bool discard : {false, true}) {
        const char* answer = discard ? " yes" : " no";
        QTest::addRow("≪%s", answer) << u"≪"_s << discard << (discard ? u"1/3"_s : u"4/新規"_s);
        QTest::addRow("＜%s", answer) << u"＜"_s << discard << (discard ? u"3/3"_s : u"4/新規"_s);
        QTest::addRow("≫%s", answer) << u"≫"_s << discard << (discard ? u"3/3"_s : u"4/新規"_s);
    }
}

void CardEditorTest::discardPrompt() {
    QFETCH(QString, button);
    QFETCH(bool, discard);
    QFETCH(QString, label);
    CardEditor& editor = openBook(3);
    editor.lastCard();
    editor.nextCard();
    editor.setFieldText(Field::Name, u"未登録"_s);
    m_h->platform.messages.answer(discard ? Answer::Yes : Answer::No);
    press(editor, button);
    QCOMPARE(shown().size(), 1);
    QCOMPARE(shown().first().text, u"このカードは未登録です。破棄して戻りますか?。"_s);
    QCOMPARE(shown().first().title, u"Book Database"_s);
    QCOMPARE(editor.recordLabel(), label);
    QCOMPARE(editor.fieldText(Field::Name), discard ? editor.cards()[editor.currentCard() - 1].name
                                                    : u"未登録"_s);
    QCOMPARE(editor.changed(), !discard);
    QCOMPARE(editor.cardCount(), 3);
}

void CardEditorTest::savePromptDecidesWhatIsKept_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("label");
    QTest::newRow("＞ yes") << u"＞"_s << true << u"3/3"_s;
    QTest::newRow("＞ no") << u"＞"_s << false << u"3/3"_s;
    QTest::newRow("＜ yes") << u"＜"_s << true << u"1/3"_s;
    QTest::newRow("∥ yes") << u"∥"_s << true << u"4/新規"_s;
    QTest::newRow("∥ no") << u"∥"_s << false << u"4/新規"_s;
}

void CardEditorTest::savePromptDecidesWhatIsKept() {
    QFETCH(QString, button);
    QFETCH(bool, save);
    QFETCH(QString, label);
    CardEditor& editor = openBook(3);
    editor.nextCard();
    editor.setFieldText(Field::Code, u"変更"_s);
    editor.chooseHonorific(2);
    m_h->platform.messages.answer(save ? Answer::Yes : Answer::No);
    press(editor, button);
    QCOMPARE(m_h->messages(), QStringList{u"内容が変更されています、保存しますか…?"_s});
    QCOMPARE(editor.recordLabel(), label);
    QVERIFY(!editor.changed());
    QCOMPARE(editor.cardCount(), 3);
    const book::AddressCard second = editor.cards()[1];
    QCOMPARE(second.code, save ? u"変更"_s : u"C2"_s);
    QCOMPARE(second.honorific, save ? u"2"_s : u"0"_s);
    // Nothing reaches the file until delete, list view or return.
    QCOMPARE(onDisk(m_h->bookPath()), cards(3));
}

void CardEditorTest::emptyBookNavigationLeavesTheNewCard() {
    CardEditor& editor = openNewBook();
    editor.setFieldText(Field::Name, u"入力中"_s);
    editor.firstCard();
    editor.lastCard();
    editor.previousCard();
    QCOMPARE(editor.recordLabel(), u"1/新規"_s);
    QCOMPARE(editor.fieldText(Field::Name), u"入力中"_s);
    QVERIFY(shown().isEmpty());
    editor.newCard();
    QCOMPARE(editor.recordLabel(), u"1/新規"_s);
}

void CardEditorTest::noCardBeyondCapacity() {
    CardEditor& editor = openBook(book::BookCapacity);
    editor.lastCard();
    QCOMPARE(editor.recordLabel(), u"300/300"_s);
    editor.nextCard();
    editor.newCard();
    QCOMPARE(editor.recordLabel(), u"300/300"_s);
    QCOMPARE(editor.cardCount(), book::BookCapacity);
    QVERIFY(shown().isEmpty());
}

void CardEditorTest::lengthLimits_data() {
    QTest::addColumn<Field>("field");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("warns");
    QTest::newRow("name 13") << Field::Name << 13 << false;
    QTest::newRow("name 14") << Field::Name << 14 << true;
    QTest::newRow("line 22") << Field::Address1 << 22 << false;
    QTest::newRow("line 23") << Field::Address2 << 23 << true;
    QTest::newRow("building 23") << Field::Address3 << 23 << true;
    QTest::newRow("postal code 8") << Field::PostalCode << 8 << false;
    QTest::newRow("postal code 9") << Field::PostalCode << 9 << true;
    QTest::newRow("code 20") << Field::Code << 20 << false;
    QTest::newRow("code 21") << Field::Code << 21 << true;
}

void CardEditorTest::lengthLimits() {
    QFETCH(Field, field);
    QFETCH(int, length);
    QFETCH(bool, warns);
    CardEditor& editor = openBook(1);
    const QString text(length, u'字');
    QCOMPARE(editor.setFieldText(field, text), text);
    QCOMPARE(editor.fieldText(field), text);
    QCOMPARE(editor.changed(), !warns);
    QCOMPARE(m_h->messages(), warns ? QStringList{u"文字数が範囲を超えています。"_s} : QStringList{});
    // Every further change over the limit warns again.
    editor.setFieldText(field, text + u'あ');
    QCOMPARE(shown().size(), warns ? 2 : 1);
}

void CardEditorTest::longStoredFieldWarnsWhenShown() {
    book::CardList list = cards(2);
    list[1].address1 = QString(23, u'長');
    m_h->openBook(list);
    CardEditor& editor = openEditor();
    QVERIFY(shown().isEmpty());
    editor.nextCard();
    QCOMPARE(m_h->messages(), QStringList{u"文字数が範囲を超えています。"_s});
    QCOMPARE(editor.fieldText(Field::Address1), list[1].address1);
    QVERIFY(!editor.changed());
}

void CardEditorTest::refusedCharactersDoNotEnter() {
    CardEditor& editor = openBook(1);
    QCOMPARE(editor.setFieldText(Field::Name, u"山\"田😀様"_s), u"山田様"_s);
    QCOMPARE(m_h->messages(), QStringList{u"住所録に保存できない文字は入力できません。"_s});
    QCOMPARE(editor.setNewAddress(u"東京都\"港区"_s), u"東京都港区"_s);
    QCOMPARE(editor.setFieldText(Field::Code, u"髙橋～①"_s), u"髙橋～①"_s);
    QCOMPARE(shown().size(), 2);
    editor.registerCard();
    m_h->platform.messages.answer(Answer::No);
    editor.returnToStart();
    QCOMPARE(onDisk(m_h->bookPath()).first().name, u"山田様"_s);
}

void CardEditorTest::splitFillsTheLines() {
    CardEditor& editor = openNewBook();
    editor.splitNewAddress();
    QCOMPARE(m_h->messages(), QStringList{u"入力データがありません！"_s});
    QVERIFY(editor.entryMode());
    QVERIFY(!editor.changed());

    editor.setNewAddress(u"神奈川県横浜市中区山下町"_s);
    QVERIFY(editor.changed());
    editor.setKeepPrefecture(false);
    editor.splitNewAddress();
    QCOMPARE(editor.fieldText(Field::Address1), u"横浜市中区"_s);
    QCOMPARE(editor.fieldText(Field::Address2), u"山下町"_s);
    QVERIFY(!editor.entryMode());
    QVERIFY(!editor.optionInputEnabled());
    QCOMPARE(editor.newAddress(), u"神奈川県横浜市中区山下町"_s);

    // The split lines go through the length check like typing.
    editor.useEntryPanel();
    editor.setNewAddress(u"北海道"_s + QString(20, u'長') + u"郡本町"_s);
    editor.setKeepPrefecture(true);
    editor.splitNewAddress();
    QCOMPARE(m_h->platform.messages.lastText(), u"文字数が範囲を超えています。"_s);
    QCOMPARE(entry::characterCount(editor.fieldText(Field::Address1)), 24);
}

void CardEditorTest::deleteWithOneCardDoesNothing() {
    CardEditor& editor = openBook(1);
    editor.setFieldText(Field::Name, u"変更"_s);
    editor.deleteCard();
    QVERIFY(shown().isEmpty());
    QVERIFY(!editor.changed());
    QCOMPARE(editor.cardCount(), 1);
    QCOMPARE(onDisk(m_h->bookPath()), cards(1));
}

void CardEditorTest::deleteWritesTheChosenFile_data() {
    QTest::addColumn<QString>("bookState");
    QTest::addColumn<bool>("intoBook");
    QTest::newRow("book opened from a file") << u"3"_s << true;
    QTest::newRow("new book") << u"2"_s << false;
    QTest::newRow("state read leniently") << u"3.0"_s << true;
}

void CardEditorTest::deleteWritesTheChosenFile() {
    QFETCH(QString, bookState);
    QFETCH(bool, intoBook);
    CardEditor& editor = openBook(3, bookState);
    editor.nextCard();
    editor.deleteCard();
    QCOMPARE(shown().size(), 1);
    QCOMPARE(shown().first().text, u"このカードを削除します。"_s);
    QCOMPARE(shown().first().title, u"Tagora Ver.3.1"_s);
    const book::CardList expected{card(1), card(3)};
    const QString fallback = platform::ProgramFolder::file(u"Tagora.dat"_s);
    QCOMPARE(onDisk(intoBook ? m_h->bookPath() : fallback), expected);
    QCOMPARE(QFile::exists(fallback), !intoBook);
    QCOMPARE(editor.recordLabel(), u"1/2"_s);
    QCOMPARE(editor.cards(), expected);
}

void CardEditorTest::honorificIsStoredAsItsPosition_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("stored");
    QTest::newRow(" 差出") << 3 << u"3"_s;
    QTest::newRow("empty entry") << 5 << u"5"_s;
    QTest::newRow("none selected") << -1 << u"-1"_s;
}

void CardEditorTest::honorificIsStoredAsItsPosition() {
    QFETCH(int, position);
    QFETCH(QString, stored);
    CardEditor& editor = openBook(2);
    editor.chooseHonorific(position);
    QVERIFY(editor.changed());
    m_h->platform.messages.answer(Answer::Yes);
    editor.returnToStart();
    QCOMPARE(onDisk(m_h->bookPath()).first().honorific, stored);
    QCOMPARE(onDisk(m_h->bookPath())[1].honorific, u"0"_s);
}

void CardEditorTest::listViewSavesAndShowsTheSheet() {
    CardEditor& editor = openBook(2);
    editor.setFieldText(Field::Name, u"一覧前"_s);
    m_h->platform.messages.answer(Answer::Yes);
    editor.showList();
    QCOMPARE(m_h->messages(), QStringList{u"変更した内容を保存しますか…?"_s});
    QCOMPARE(onDisk(m_h->bookPath()).first().name, u"一覧前"_s);
    QCOMPARE(m_h->state.CardTable, onDisk(m_h->bookPath()));
    QCOMPARE(m_h->navigator.calls(), QStringList{u"sheet menu"_s});
    QCOMPARE(m_h->state.Reentry, 1);
    QVERIFY(editor.closed());
}

void CardEditorTest::returnWritesTheBook() {
    CardEditor& editor = openBook(3);
    editor.lastCard();
    editor.nextCard();
    editor.setFieldText(Field::Name, u"追加"_s);
    m_h->platform.messages.answer(Answer::Yes); // register the new card
    editor.returnToStart();
    QCOMPARE(m_h->messages(), QStringList{u"新規カードを登録しますか？"_s});
    const book::AddressCard added{u"追加"_s, {}, {}, {}, {}, {}, u"0"_s};
    QCOMPARE(onDisk(m_h->bookPath()), cards(3) << added);
    QCOMPARE(m_h->navigator.calls(), QStringList{u"start"_s});
    QCOMPARE(m_h->state.Reentry, 1);
}

void CardEditorTest::returnSavesANewBookUnderAName() {
    CardEditor& editor = openNewBook();
    editor.setFieldText(Field::Name, u"一人目"_s);
    editor.setFieldText(Field::Code, u"友人"_s);
    editor.registerCard();
    editor.nextCard();
    editor.setFieldText(Field::Name, u"二人目"_s);
    editor.setFieldText(Field::Code, u"仕事"_s);
    const QString path = m_h->dir.filePath(u"新しい住所録.dat"_s);
    m_h->platform.messages.answer(Answer::Yes); // register the new card
    m_h->platform.messages.answer(Answer::Yes); // save under a name
    m_h->platform.dialogs.answer(path);
    editor.returnToStart();
    QCOMPARE(m_h->messages().last(), u"ファイル名をつけて保存しますか…?"_s);
    const auto& request = m_h->platform.dialogs.requests().first();
    QCOMPARE(request.kind, platform::ScriptedFileDialogs::Kind::Save);
    QVERIFY(request.request.overwritePrompt);
    const book::CardList saved = onDisk(path);
    QCOMPARE(saved.size(), 2);
    QCOMPARE(saved[0].code, u"友人"_s);
    QCOMPARE(saved[1].code, u"仕事"_s);
    QCOMPARE(saved[1].name, u"二人目"_s);
    QVERIFY(m_h->state.BookOpen);
    QCOMPARE(m_h->state.BookPath, path);
    QCOMPARE(m_h->navigator.calls(), QStringList{u"start"_s});
}

void CardEditorTest::cancelledSaveAsStaysOpen() {
    CardEditor& editor = openNewBook();
    editor.setFieldText(Field::Name, u"一人目"_s);
    editor.registerCard();
    m_h->platform.messages.answer(Answer::Yes);
    editor.returnToStart(); // the dialog is cancelled
    QCOMPARE(m_h->platform.dialogs.requests().size(), 1);
    QVERIFY(m_h->navigator.calls().isEmpty());
    QVERIFY(!editor.closed());
    QVERIFY(!m_h->state.BookOpen);
    QCOMPARE(m_h->state.BookPath, u"新規作成"_s);
    QCOMPARE(editor.cardCount(), 1);
}

void CardEditorTest::failedWriteStaysOpenWithTheCards() {
    CardEditor& editor = openBook(2);
    QVERIFY(QFile::remove(m_h->bookPath()));
    QVERIFY(QDir(m_h->dir.path()).mkdir(u"book.dat"_s)); // a folder cannot be written over
    editor.setFieldText(Field::Name, u"変更"_s);
    m_h->platform.messages.answer(Answer::Yes);
    editor.returnToStart();
    QCOMPARE(m_h->platform.messages.lastText(), u"住所録ファイルに保存できませんでした。"_s);
    QVERIFY(m_h->navigator.calls().isEmpty());
    QVERIFY(!editor.closed());
    QCOMPARE(editor.cards().first().name, u"変更"_s);
    QCOMPARE(editor.fieldText(Field::Name), u"変更"_s);
}

void CardEditorTest::typedCardsAreNotDroppedWithoutAsking() {
    CardEditor& editor = openNewBook();
    m_h->state.ExistingBook = true;
    editor.setFieldText(Field::Name, u"一人目"_s);
    editor.registerCard();
    m_h->platform.messages.answer(Answer::No);
    editor.returnToStart();
    QCOMPARE(m_h->messages(), QStringList{u"ファイル名をつけて保存しますか…?"_s});
    QCOMPARE(m_h->navigator.calls(), QStringList{u"start"_s});
}

void CardEditorTest::unreadableBookIsNotOpened_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("cut in the middle of a card") << QByteArray("\"a\",\"b\",\"c\"\r\n");
    QTest::newRow("old six-field layout")
        << QByteArray("\"a\",\"b\",\"c\",\"d\",\"e\",\"0\"\r\n").repeated(7);
    QTest::newRow("301 cards")
        << QByteArray("\"n\",\"\",\"\",\"\",\"\",\"\",\"0\"\r\n").repeated(book::BookCapacity + 1);
}

void CardEditorTest::unreadableBookIsNotOpened() {
    QFETCH(QByteArray, bytes);
    QFile file(m_h->bookPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    m_h->state.BookOpen = true;
    m_h->state.BookPath = m_h->bookPath();
    m_editor = std::make_unique<CardEditor>(m_h->context);
    QVERIFY(!m_editor->open());
    QCOMPARE(m_h->messages(), QStringList{u"住所録ファイルを読み込めません。"_s});
    QCOMPARE(m_h->navigator.calls(), QStringList{u"start"_s});
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

QTEST_GUILESS_MAIN(CardEditorTest)
#include "CardEditorTest.moc"
