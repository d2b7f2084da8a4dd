#include "entry/SingleEntry.h"

#include "session/SessionState.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace entry {

SingleEntry::SingleEntry(ui::AppContext& context, QObject* parent)
    : QObject(parent), m_context(context) {
}

QString SingleEntry::setFieldText(Field field, const QString& text) {
    QString& value = m_address.field(int(field));
    if (value != text) {
        value = text;
        emit screenChanged();
    }
    return text;
}

void SingleEntry::chooseHonorific(int position) {
    m_honorific = position;
    m_address.honorific = QString::number(position);
    emit screenChanged();
}

void SingleEntry::splitNewAddress() {
    if (splitTypedAddress(*this, m_context.platform.messages))
        m_entryMode = false;
    emit screenChanged();
    emit focusRequested(m_entryMode ? Field::PostalCode : Field::Address3);
}

void SingleEntry::useAddressLines() {
    m_entryMode = false;
    emit screenChanged();
    emit focusRequested(Field::PostalCode);
}

void SingleEntry::addressLinesFilled() {
    if (std::exchange(m_entryMode, false))
        emit screenChanged();
}

bool SingleEntry::readyToPrint() {
    if (m_address.name.isEmpty()) {
        m_context.platform.messages.show(u"宛名が入力されていません。"_s, platform::Buttons::Ok);
        emit focusRequested(Field::Name);
        return false;
    }
    m_address.honorific = QString::number(m_honorific);
    m_context.state.printFromList = false;
    m_closed = true;
    return true;
}

bool SingleEntry::printLabels() {
    if (!readyToPrint())
        return false;
    m_context.navigator.openLabelPrint(book::CardList{m_address});
    return true;
}

bool SingleEntry::printPostcards() {
    if (!readyToPrint())
        return false;
    m_context.navigator.openPostcardPrint(book::CardList{m_address});
    return true;
}

void SingleEntry::back() {
    if (m_closed)
        return;
    m_closed = true;
    m_context.state.startWindowAway = true;
    m_context.navigator.showStart();
}

} // namespace entry
