#pragma once

#include "EntryHarness.h"
#include "book/SettingsFile.h"
#include "entry/CardEditor.h"
#include "season/SeasonRecord.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using entry::CardEditor;
using entry::Field;
using platform::Answer;

inline book::AddressCard card(int n) {
    return {u"宛名%1"_s.arg(n), u"東京都港区"_s, u"芝公園%1-1"_s.arg(n), {}, u"105-0011"_s,
            u"C%1"_s.arg(n),    u"0"_s};
}

inline book::CardList cards(int count) {
    book::CardList list;
    for (int i = 1; i <= count; ++i)
        list << card(i);
    return list;
}

inline book::AddressCard nameOnly(const QString& name) {
    return {name, {}, {}, {}, {}, {}, u"0"_s};
}

// The command behind a button, by its caption.
inline void press(CardEditor& editor, const QString& caption) {
    static const QHash<QString, void (CardEditor::*)()> commands{
        {u"≪"_s, &CardEditor::firstCard},
        {u"＜"_s, &CardEditor::previousCard},
        {u"＞"_s, &CardEditor::nextCard},
        {u"≫"_s, &CardEditor::lastCard},
        {u"∥"_s, &CardEditor::newCard}};
    (editor.*commands.value(caption))();
}

// The card editor of a fresh world per test, on a book it opens or a new one.
class CardEditorFixture {
protected:
    std::unique_ptr<EntryHarness> m_h;
    std::unique_ptr<CardEditor> m_editor;

    void reset() {
        m_editor.reset();
        m_h = std::make_unique<EntryHarness>();
    }

    CardEditor& openEditor() {
        (m_editor = std::make_unique<CardEditor>(m_h->context))->open();
        return *m_editor;
    }
    // An editor on a book of `count` cards opened from a file (settings state "3").
    CardEditor& openBook(int count, const QString& bookState = u"3"_s) {
        m_h->openBook(cards(count));
        book::writeSettings(platform::ProgramFolder::file(u"Tagora.ini"_s),
                            {m_h->bookPath(), bookState, u"0"_s});
        return openEditor();
    }
    CardEditor& openNewBook() {
        book::writeSettings(platform::ProgramFolder::file(u"Tagora.ini"_s),
                            {QString(), u"2"_s, {}});
        m_h->state.book = session::CurrentBook::starting();
        return openEditor();
    }
    // An editor on its new card after the 3 cards of a book, with a name typed.
    CardEditor& openOnTypedNewCard(const QString& name) {
        CardEditor& editor = openBook(3);
        editor.lastCard();
        editor.nextCard();
        editor.setFieldText(Field::Name, name);
        return editor;
    }
    book::CardList onDisk(const QString& path) const { return book::loadBook(path).cards; }
    book::CardList onDisk() const { return onDisk(m_h->bookPath()); }
    void answer(Answer a) { m_h->platform.messages.answer(a); }
    int shownCount() const { return int(m_h->platform.messages.shown().size()); }
};
