#include "entry/CardEditor.h"

#include "book/FieldLabel.h"
#include "book/LenientNumber.h"
#include "book/LookAlikes.h"
#include "entry/CardEditorTexts.h"
#include "season/SeasonRecord.h"
#include "session/OpenBook.h"
#include "session/SessionState.h"

#include <utility>

using namespace Qt::StringLiterals;
using platform::Answer;
using platform::Buttons;
using namespace entry::editortexts;

namespace entry {

namespace {

constexpr int HonorificCount = 6;

const Field ScreenFields[] = {Field::Name,       Field::Address1, Field::Address2,
                              Field::PostalCode, Field::Code,     Field::Address3};

} // namespace

CardEditor::CardEditor(ui::AppContext& context, QObject* parent)
    : QObject(parent), m_context(context), m_cards(book::BookCapacity) {
}

bool CardEditor::open() {
    session::SessionState& state = m_context.state;
    m_changed = false;
    if (state.book.hasFile()) {
        m_caption = u"住所録　"_s + state.book.path();
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
        m_countOnDisk = m_count;
        for (int i = 0; i < m_count; ++i)
            m_cards[i] = loaded[i];
        m_written = loaded;
        m_current = 1;
        if (m_count == 0)
            showNew();
        else
            showRegistered();
    } else {
        m_caption = u"住所録　　"_s + QString::fromUtf16(session::NewBookName);
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

void CardEditor::showCard(int card) {
    if (m_count == 0)
        return;
    m_current = qBound(1, card, m_count);
    showRegistered();
    emit screenChanged();
}

void CardEditor::showCardOnScreen() {
    const book::AddressCard& card = m_cards[m_current - 1];
    for (Field field :
         {Field::Name, Field::Address1, Field::Address2, Field::PostalCode, Field::Code})
        setFieldText(field, card.field(int(field)));
    // A stored index outside the list leaves nothing selected.
    const int position = book::leadingInteger(card.honorific);
    m_honorific = position >= 0 && position < HonorificCount ? position : -1;
    setFieldText(Field::Address3, card.address3);
    m_changed = false;
}

void CardEditor::storeScreenInCard() {
    book::AddressCard& card = m_cards[m_current - 1];
    for (Field field : ScreenFields)
        card.field(int(field)) = m_screen.field(int(field));
    card.honorific = QString::number(m_honorific);
}

void CardEditor::clearScreenForNewCard() {
    for (Field field : ScreenFields)
        setFieldText(field, QString());
    setNewAddress(QString());
    m_entryMode = true;
    m_optionInputEnabled = false;
    m_changed = false;
}

QString CardEditor::setFieldText(Field field, const QString& text) {
    const QString kept = withoutRefusedCharacters(text);
    refuseDropped(text, kept);
    QString& value = m_screen.field(int(field));
    if (kept == value)
        return value;
    value = kept;
    // Text over the limit is kept and counts as a change, so that leaving
    // the card still asks to save it; the message says which field and by how much.
    m_changed = true;
    if (characterCount(kept) > fieldLimit(field))
        m_context.platform.messages.show(QString::fromUtf16(TooLongText) + u"\n"_s +
                                             QString::fromUtf16(TooLongDetailText)
                                                 .arg(book::fieldLabel(int(field)))
                                                 .arg(fieldLimit(field))
                                                 .arg(characterCount(kept)),
                                         Buttons::Ok);
    emit screenChanged();
    return value;
}

QString CardEditor::setNewAddress(const QString& text) {
    const QString kept = withoutRefusedCharacters(text);
    refuseDropped(text, kept);
    if (kept != m_newAddress) {
        m_newAddress = kept;
        m_changed = true;
        emit screenChanged();
    }
    return m_newAddress;
}

void CardEditor::refuseDropped(const QString& typed, const QString& kept) {
    // A look-alike turned into its stored form is not a refusal.
    if (kept != book::withCp932LookAlikes(typed))
        m_context.platform.messages.show(QString::fromUtf16(RefusedCharacterText), Buttons::Ok);
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
    m_entryMode = false;
    showRegistered();
    emit focusRequested(Field::PostalCode);
}

void CardEditor::previousCard() {
    if (m_current == 1 || !discardPrompt())
        return;
    savePrompt();
    --m_current;
    m_entryMode = false;
    m_optionInputEnabled = true;
    showRegistered();
    emit focusRequested(Field::PostalCode);
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
        m_entryMode = false;
    }
    emit focusRequested(Field::PostalCode);
}

void CardEditor::lastCard() {
    if (m_current == book::BookCapacity || m_count == 0 || !discardPrompt())
        return;
    savePrompt();
    m_current = m_count;
    showRegistered();
    emit focusRequested(Field::PostalCode);
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
    emit focusRequested(Field::PostalCode);
}

void CardEditor::registerCard() {
    storeScreenInCard();
    registerIfNew();
    m_changed = false;
    emit screenChanged();
    emit nextCardFocusRequested();
}

void CardEditor::useEntryPanel() {
    m_entryMode = true;
    m_optionInputEnabled = false;
    emit screenChanged();
}

void CardEditor::useAddressLines() {
    m_entryMode = false;
    m_optionInputEnabled = true;
    emit screenChanged();
    emit focusRequested(Field::PostalCode);
}

void CardEditor::splitNewAddress() {
    if (splitTypedAddress(*this, m_context.platform.messages))
        m_entryMode = false;
    emit screenChanged();
    emit focusRequested(m_entryMode ? Field::PostalCode : Field::Address3);
}

void CardEditor::addressLinesFilled() {
    if (std::exchange(m_entryMode, false))
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
        storeScreenInCard();
    m_changed = false;
}

bool CardEditor::askYes(const QString& text, const QString& title) {
    return m_context.platform.messages.show(text, Buttons::YesNo, title) == Answer::Yes;
}

platform::Answer CardEditor::askYesNoCancel(const QString& text) {
    return m_context.platform.messages.show(text, Buttons::YesNoCancel);
}

void CardEditor::showRegistered() {
    showCardOnScreen();
    m_recordLabel = u"%1/%2"_s.arg(m_current).arg(m_count);
    m_changed = false;
    emit screenChanged();
}

void CardEditor::showNew() {
    clearScreenForNewCard();
    m_recordLabel = u"%1/"_s.arg(m_current) + NewSuffix;
    m_changed = false;
    emit screenChanged();
}

QString CardEditor::seasonHistory() const {
    const session::SessionState& state = m_context.state;
    if (!state.book.hasFile() || m_current > m_countOnDisk)
        return {};
    const season::SeasonRecord record(state.book.path());
    return season::yearsText(record.recordOf(m_current));
}

void CardEditor::registerIfNew() {
    if (m_count < m_current) {
        m_count = m_current;
        m_recordLabel = u"%1/%2"_s.arg(m_current).arg(m_count);
    }
}

} // namespace entry
