#include "entry/CardEditor.h"

#include "book/AddressFile.h"
#include "book/LenientNumber.h"
#include "book/SharedState.h"
#include "entry/AddressSplit.h"
#include "platform/ProgramFolder.h"
#include "session/BookSaver.h"
#include "session/OpenBook.h"

using namespace Qt::StringLiterals;
using platform::Answer;
using platform::Buttons;

namespace entry {

namespace {

const QString NewSuffix = u"新規"_s;
const QString SavePromptText = u"内容が変更されています、保存しますか…?"_s;
const QString DiscardPromptText = u"このカードは未登録です。破棄して戻りますか?。"_s;
const QString DiscardTitle = u"Book Database"_s;
const QString NotRegisteredText = u"登録されていません。"_s;
const QString DeletePromptText = u"このカードを削除します。"_s;
const QString DeleteTitle = u"Tagora Ver.3.1"_s;
const QString NothingToListText = u"表示するデータがありません。"_s;
const QString SaveChangesText = u"変更した内容を保存しますか…?"_s;
const QString RegisterNewText = u"新規カードを登録しますか？"_s;
const QString SaveAsPromptText = u"ファイル名をつけて保存しますか…?"_s;
const QString UnreadableBookText = u"住所録ファイルを読み込めません。"_s;
const QString WriteFailedText = u"住所録ファイルに保存できませんでした。"_s;

constexpr int HonorificCount = 6;

const Field ScreenFields[] = {Field::Name, Field::Address1, Field::Address2,
                              Field::PostalCode, Field::Code, Field::Address3};

} // namespace

CardEditor::CardEditor(ui::AppContext& context, QObject* parent)
    : QObject(parent), m_context(context), m_cards(book::BookCapacity) {}

bool CardEditor::open() {
    book::SharedState& state = m_context.state;
    m_changed = false;
    m_info = book::readSettings(platform::ProgramFolder::file(u"Tagora.ini"_s));
    if (state.BookOpen && state.BookPath != book::NewBookPath) {
        m_caption = u"住所録　"_s + state.BookPath;
        // Only a book read whole in the current layout is edited: writing back
        // part of a book, or one read across an old layout, would lose cards.
        const book::BookRead read = session::rereadOpenBook(state);
        if (!read.isBook()) {
            m_context.platform.messages.show(UnreadableBookText, Buttons::Ok);
            closeTo(false);
            return false;
        }
        const book::CardList& loaded = read.loaded.cards;
        m_count = int(loaded.size());
        for (int i = 0; i < m_count; ++i)
            m_cards[i] = loaded[i];
        m_current = 1;
        if (m_count == 0)
            showNew();
        else
            showRegistered();
    } else {
        state.BookPath = QString::fromUtf16(book::NewBookPath);
        m_caption = u"住所録　　"_s + state.BookPath;
        m_cards.fill(book::AddressCard());
        m_count = 0;
        m_current = 1;
        showNew();
        m_deleteEnabled = false;
        m_honorific = 0;
    }
    m_keepPrefecture = true;
    m_changed = false;
    emit screenChanged();
    return true;
}

void CardEditor::jumpGet(int card) {
    if (m_count == 0)
        return;
    m_current = qBound(1, card, m_count);
    showRegistered();
    emit screenChanged();
}

void CardEditor::getData() {
    const book::AddressCard& card = m_cards[m_current - 1];
    for (Field field : {Field::Name, Field::Address1, Field::Address2, Field::PostalCode,
                        Field::Code})
        setFieldText(field, card.field(int(field)));
    // A stored index outside the list leaves nothing selected.
    const int position = book::leadingInteger(card.honorific);
    m_honorific = position >= 0 && position < HonorificCount ? position : -1;
    setFieldText(Field::Address3, card.address3);
    m_changed = false;
}

void CardEditor::setData() {
    book::AddressCard& card = m_cards[m_current - 1];
    for (Field field : ScreenFields)
        card.field(int(field)) = m_screen.field(int(field));
    card.honorific = QString::number(m_honorific);
}

void CardEditor::newData() {
    for (Field field : ScreenFields)
        setFieldText(field, QString());
    setNewAddress(QString());
    m_entryMode = true;
    m_optionInputEnabled = false;
    m_changed = false;
}

QString CardEditor::setFieldText(Field field, const QString& text) {
    const QString kept = withoutRefusedCharacters(text);
    if (kept != text)
        m_context.platform.messages.show(QString::fromUtf16(RefusedCharacterText), Buttons::Ok);
    QString& value = m_screen.field(int(field));
    if (kept == value)
        return value;
    value = kept;
    if (characterCount(kept) <= fieldLimit(field))
        m_changed = true;
    else
        m_context.platform.messages.show(QString::fromUtf16(TooLongText), Buttons::Ok);
    emit screenChanged();
    return value;
}

QString CardEditor::setNewAddress(const QString& text) {
    const QString kept = withoutRefusedCharacters(text);
    if (kept != text)
        m_context.platform.messages.show(QString::fromUtf16(RefusedCharacterText), Buttons::Ok);
    if (kept != m_newAddress) {
        m_newAddress = kept;
        m_changed = true;
        emit screenChanged();
    }
    return m_newAddress;
}

void CardEditor::chooseHonorific(int position) {
    m_honorific = position >= 0 && position < HonorificCount ? position : -1;
    m_changed = true;
    emit screenChanged();
}

void CardEditor::setKeepPrefecture(bool keep) {
    m_keepPrefecture = keep;
    emit screenChanged();
}

bool CardEditor::isNewCard() const {
    return m_recordLabel.endsWith(NewSuffix);
}

void CardEditor::firstCard() {
    // A book without cards has no card 1 to show.
    if (m_count == 0 || !discardPrompt())
        return;
    savePrompt();
    m_current = 1;
    setLineMode();
    showRegistered();
    focus(u"txtZip"_s);
}

void CardEditor::previousCard() {
    if (m_current == 1 || !discardPrompt())
        return;
    savePrompt();
    --m_current;
    setLineMode();
    m_optionInputEnabled = true;
    showRegistered();
    focus(u"txtZip"_s);
}

void CardEditor::nextCard() {
    if (m_current == book::BookCapacity)
        return;
    if (isNewCard()) {
        m_context.platform.messages.show(NotRegisteredText, Buttons::Ok);
        return;
    }
    savePrompt();
    if (m_current == m_count) {
        m_current = m_count + 1;
        showNew();
    } else if (m_current < m_count) {
        ++m_current;
        showRegistered();
        setLineMode();
    }
    focus(u"txtZip"_s);
}

void CardEditor::lastCard() {
    if (m_current == book::BookCapacity || m_count == 0 || !discardPrompt())
        return;
    savePrompt();
    m_current = m_count;
    showRegistered();
    focus(u"txtZip"_s);
}

void CardEditor::newCard() {
    if (isNewCard())
        return;
    savePrompt();
    if (m_count >= book::BookCapacity) {
        emit screenChanged();
        return;
    }
    m_current = m_count + 1;
    showNew();
    focus(u"txtZip"_s);
}

void CardEditor::registerCard() {
    setData();
    registerIfNew();
    m_changed = false;
    emit screenChanged();
    focus(u"cmdFow"_s);
}

void CardEditor::deleteCard() {
    if (m_count <= 1) {
        m_changed = false;
        emit screenChanged();
        return;
    }
    if (m_context.platform.messages.show(DeletePromptText, Buttons::OkCancel, DeleteTitle) ==
        Answer::Cancel)
        return;
    book::CardList kept = cards();
    if (m_current <= m_count)
        kept.removeAt(m_current - 1);
    if (!writeCards(kept))
        return;
    m_cards.fill(book::AddressCard());
    for (int i = 0; i < kept.size(); ++i)
        m_cards[i] = kept[i];
    m_count = int(kept.size());
    m_current = 1;
    showRegistered();
    emit screenChanged();
}

void CardEditor::showList() {
    if (isNewCard()) {
        m_context.platform.messages.show(NothingToListText, Buttons::Ok);
        return;
    }
    if (m_changed && askYes(SaveChangesText)) {
        setData();
        registerIfNew();
    }
    if (!writeCards(cards()))
        return;
    m_changed = false;
    // The sheet shows the book as it now stands in the file.
    m_context.state.CardTable = cards();
    closeTo(true);
}

void CardEditor::returnToStart() {
    book::SharedState& state = m_context.state;
    if (isNewCard()) {
        const bool keep = askYes(RegisterNewText);
        m_changed = false;
        if (keep) {
            setData();
            registerIfNew();
        }
    }
    if (state.BookOpen && state.BookPath != book::NewBookPath) {
        if (m_changed && askYes(SaveChangesText)) {
            setData();
            registerIfNew();
        }
        if (!writeCards(cards()))
            return;
        m_changed = false;
        closeTo(false);
        return;
    }
    // A book without a file: cards typed into it are only kept by saving under
    // a name, so they are never dropped here without asking.
    if (state.ExistingBook && m_count == 0) {
        if (state.SaveName.isEmpty())
            state.BookOpen = true;
        closeTo(false);
        return;
    }
    if (!askYes(SaveAsPromptText)) {
        closeTo(false);
        return;
    }
    const session::BookSaver::Result saved =
        session::BookSaver(state, m_context.platform).saveUnderNewName(cards());
    if (!saved.written()) {
        showWriteFailure(saved);
        return;
    }
    session::rememberBook(state.SettingsValues, saved.path);
    closeTo(false);
}

void CardEditor::cancel() {
    if (!m_closed)
        closeTo(false);
}

void CardEditor::useEntryPanel() {
    m_entryMode = true;
    m_optionInputEnabled = false;
    emit screenChanged();
}

void CardEditor::useAddressLines() {
    setLineMode();
    m_optionInputEnabled = true;
    emit screenChanged();
    focus(u"txtZip"_s);
}

void CardEditor::splitNewAddress() {
    if (m_newAddress.isEmpty()) {
        m_context.platform.messages.show(QString::fromUtf16(NoAddressText), Buttons::Ok);
        focus(u"txtZip"_s);
        return;
    }
    const SplitLines lines = splitAddress(m_newAddress, m_keepPrefecture);
    setFieldText(Field::Address1, lines.line1);
    setFieldText(Field::Address2, lines.line2);
    setLineMode();
    emit screenChanged();
    focus(u"txtAdd3"_s);
}

void CardEditor::addressLinesFilled() {
    if (!m_entryMode)
        return;
    setLineMode();
    emit screenChanged();
}

bool CardEditor::discardPrompt() {
    if (!isNewCard())
        return true;
    if (!askYes(DiscardPromptText, DiscardTitle))
        return false;
    m_changed = false;
    return true;
}

void CardEditor::savePrompt() {
    if (!m_changed)
        return;
    if (askYes(SavePromptText))
        setData();
    m_changed = false;
}

bool CardEditor::askYes(const QString& text, const QString& title) {
    return m_context.platform.messages.show(text, Buttons::YesNo, title) == Answer::Yes;
}

void CardEditor::showRegistered() {
    getData();
    m_recordLabel = u"%1/%2"_s.arg(m_current).arg(m_count);
    m_changed = false;
    emit screenChanged();
}

void CardEditor::showNew() {
    newData();
    m_recordLabel = u"%1/"_s.arg(m_current) + NewSuffix;
    m_changed = false;
    emit screenChanged();
}

void CardEditor::registerIfNew() {
    if (m_count < m_current) {
        m_count = m_current;
        m_recordLabel = u"%1/%2"_s.arg(m_current).arg(m_count);
    }
}

void CardEditor::setLineMode() {
    m_entryMode = false;
}

void CardEditor::focus(const QString& control) {
    emit focusRequested(control);
}

bool CardEditor::writeCards(const book::CardList& cards) {
    book::SharedState& state = m_context.state;
    const QString before = state.BookOpen ? state.BookPath : QString();
    const session::BookSaver::Result saved =
        session::BookSaver(state, m_context.platform).saveOpenBook(cards);
    if (!saved.written()) {
        showWriteFailure(saved);
        return false;
    }
    // A book without a file now has one ("Tagora.dat", or the name the
    // user gave instead): the start window and the next run take that one.
    if (saved.path != before)
        session::rememberBook(state.SettingsValues, saved.path);
    return true;
}

void CardEditor::showWriteFailure(const session::BookSaver::Result& failed) {
    if (failed.outcome == session::BookSaver::Outcome::Cancelled)
        return;
    const QString detail = session::fieldFailure(failed.error, cards());
    m_context.platform.messages.show(detail.isEmpty() ? WriteFailedText
                                                      : WriteFailedText + u"\n"_s + detail,
                                     Buttons::Ok);
    // The card that cannot be stored is shown, to be mended.
    if (!detail.isEmpty() && failed.error.card >= 1 && failed.error.card <= m_count) {
        m_current = failed.error.card;
        showRegistered();
    }
    emit screenChanged();
}

void CardEditor::closeTo(bool sheet) {
    m_closed = true;
    m_context.state.Reentry = 1;
    if (sheet)
        m_context.navigator.openSheet(true);
    else
        m_context.navigator.showStart();
}

} // namespace entry
