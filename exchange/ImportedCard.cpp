#include "exchange/ImportedCard.h"

#include "book/Cp932.h"
#include "book/FieldLabel.h"
#include "book/Honorifics.h"
#include "book/LookAlikes.h"
#include "book/PostalCode.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace exchange {

QString LeftOut::describe() const {
    QString line = source + u": "_s + place;
    if (field > 0)
        line += u"、"_s + book::fieldLabel(field);
    line += u": "_s;
    if (character != 0)
        line += book::describeCharacter(character) + u" は住所録に保存できません"_s;
    else
        line += reason;
    return line;
}

namespace {

QString storableField(const QString& text) {
    QString field = book::withCp932LookAlikes(text);
    field.replace(u'"', u'＂');
    if (field.contains(u'\n') || field.contains(u'\r')) {
        field.replace(u"\r\n"_s, u"\n"_s);
        field.replace(u'\r', u'\n');
        field.replace(u'\n', u'　');
    }
    return field;
}

} // namespace

std::optional<book::AddressCard> storableCard(const book::AddressCard& card, LeftOut* leftOut) {
    book::AddressCard stored;
    QString all;
    for (int field = 1; field <= book::AddressCard::FieldCount; ++field) {
        stored.field(field) = storableField(card.field(field));
        all += stored.field(field);
    }
    // One encoding of the whole card is the common case; fields are looked
    // at one by one only when it fails.
    if (!all.contains(QChar(0)) && book::encodeCp932(all))
        return stored;
    for (int field = 1; field <= book::AddressCard::FieldCount; ++field) {
        const QString& text = stored.field(field);
        if (text.contains(QChar(0))) {
            if (leftOut) {
                leftOut->field = field;
                leftOut->reason = u"NUL 文字を含んでいます"_s;
            }
            return std::nullopt;
        }
        if (const std::optional<char32_t> bad = book::firstUnencodable(text)) {
            if (leftOut) {
                leftOut->field = field;
                leftOut->character = *bad;
            }
            return std::nullopt;
        }
    }
    return stored;
}

QString normalisedPostalCode(const QString& text) {
    const book::PostalCode code = book::postalCodeOf(text);
    return code.isValid() ? code.written() : text;
}

std::optional<QString> honorificIndexFor(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == u"なし"_s)
        return u"5"_s;
    const QStringList& table = book::honorifics();
    for (int i = 0; i < table.size(); ++i) {
        if (!table.at(i).isEmpty() && table.at(i).trimmed() == trimmed)
            return QString::number(i);
    }
    static const QRegularExpression number(u"^-?[0-9]+$"_s);
    if (number.match(trimmed).hasMatch())
        return text;
    return std::nullopt;
}

QString honorificTextForExport(const QString& storedIndex) {
    const QStringList& table = book::honorifics();
    for (int i = 0; i < table.size(); ++i) {
        if (storedIndex == QString::number(i))
            return table.at(i).trimmed();
    }
    return storedIndex;
}

} // namespace exchange
