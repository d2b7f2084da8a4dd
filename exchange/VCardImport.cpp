#include "exchange/VCardImport.h"

#include "exchange/Contact.h"
#include "exchange/VCardText.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace exchange {

using namespace vcard;

namespace {

// A property that a card is made of, its value's bytes after
// quoted-printable, and the line it starts on.
struct RawProperty {
    Property property;
    QByteArray value;
    int line = 0;
};

// One BEGIN:VCARD … END:VCARD, its properties not yet decoded.
struct RawContact {
    int number = 0;
    QList<RawProperty> properties;
};

bool isWanted(const QByteArray& name) {
    return name == "N" || name == "FN" || name == "ORG" || name == "TITLE" || name == "ADR" ||
           name == "KIND" || name == "X-ABSHOWAS" || name == "X-TAGORA-CODE" ||
           name == "X-TAGORA-HONORIFIC";
}

// How the values without a CHARSET of a contact read: none outside ASCII,
// all UTF-8, or some not.
enum class ValueBytes { Ascii, Utf8, Other };

ValueBytes valueBytesOf(const RawContact& contact) {
    ValueBytes found = ValueBytes::Ascii;
    for (const RawProperty& raw : contact.properties) {
        if (!raw.property.parameter("CHARSET").isEmpty())
            continue;
        const bool ascii = std::all_of(raw.value.cbegin(), raw.value.cend(),
                                       [](char c) { return uchar(c) < 0x80; });
        if (ascii)
            continue;
        if (!isUtf8(raw.value))
            return ValueBytes::Other;
        found = ValueBytes::Utf8;
    }
    return found;
}

// A street of several lines (as phones write a building under the street)
// keeps its first line as the street; the others go before the extended address.
ContactAddress withBuildingBelowStreet(ContactAddress address) {
    if (!address.line2.contains(u'\n'))
        return address;
    QStringList lines = address.line2.split(u'\n');
    address.line2 = lines.takeFirst();
    lines << address.line3;
    QStringList below;
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty())
            below << line.trimmed();
    address.line3 = below.join(u'　');
    return address;
}

// The contact a card's properties describe, or the reason (a value that
// does not decode) it cannot be read.
std::optional<Contact> contactOf(const RawContact& raw, TextEncoding encoding, QString* failure) {
    Contact contact;
    QStringList n;
    QString fn;
    bool own = false;
    for (const RawProperty& one : raw.properties) {
        const Property& property = one.property;
        const QByteArray& name = property.name;
        const std::optional<QString> value =
            decodeValue(one.value, property.parameter("CHARSET"), encoding);
        if (!value) {
            const QByteArray charset = property.parameter("CHARSET");
            *failure = u"%1行目の %2 が %3 の文字として読めません。"_s.arg(
                QString::number(one.line), QString::fromLatin1(name),
                charset.isEmpty() ? (encoding == TextEncoding::Cp932 ? u"シフトJIS"_s : u"UTF-8"_s)
                                  : QString::fromLatin1(charset));
            return std::nullopt;
        }
        if (name == "N") {
            n = components(*value);
        } else if (name == "FN") {
            fn = components(*value).join(u';');
        } else if (name == "ORG") {
            const QStringList parts = components(*value);
            contact.company = parts.value(0);
            contact.department = joined(parts.mid(1), u"　"_s);
        } else if (name == "TITLE") {
            contact.title = components(*value).join(u';');
        } else if (name == "KIND" || name == "X-ABSHOWAS") {
            const QString kind = value->trimmed().toLower();
            contact.isCompany = contact.isCompany || kind == u"org"_s || kind == u"company"_s;
        } else if (name == "X-TAGORA-CODE") {
            contact.code = components(*value).join(u';');
        } else if (name == "X-TAGORA-HONORIFIC") {
            contact.honorific = components(*value).join(u';');
            own = true;
        } else if (name == "ADR") {
            const QStringList parts = components(*value);
            if (joined(parts.mid(0, 6), QString()).isEmpty())
                continue;
            ContactAddress address;
            address.line1 = component(parts, 4) + component(parts, 3);
            address.line2 = component(parts, 2);
            address.line3 = component(parts, 1);
            address.postalCode = component(parts, 5);
            address.preferred = property.hasType("pref") || property.parameter("PREF") == "1";
            address.kind = property.hasType("home")   ? AddressKind::Home
                           : property.hasType("work") ? AddressKind::Work
                                                      : AddressKind::Unlabelled;
            contact.addresses << address;
        }
    }
    if (!own)
        for (ContactAddress& address : contact.addresses)
            address = withBuildingBelowStreet(address);
    contact.person = joined({component(n, 0), component(n, 1)}, u"　"_s);
    // N's honorific suffix (先生, 殿, なし) where the file has no own honorific.
    if (!own && !component(n, 4).trimmed().isEmpty())
        contact.honorific = component(n, 4);
    // An organisation's FN is its own name, a person's the person's.
    if (contact.isCompany && contact.company.isEmpty())
        contact.company = fn;
    else if (contact.person.isEmpty() && !contact.isCompany)
        contact.person = fn;
    contact.ownExport = own;
    return contact;
}

} // namespace

bool looksLikeVCard(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    return view.trimmed()
               .first(std::min<qsizetype>(11, view.trimmed().size()))
               .toByteArray()
               .toUpper() == "BEGIN:VCARD";
}

bool isVCardFile(const QString& path, const QByteArray& bytes) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"vcf"_s || suffix == u"vcard"_s)
        return true;
    if (suffix == u"csv"_s || suffix == u"txt"_s)
        return false;
    return looksLikeVCard(bytes);
}

ImportResult readVCards(const QByteArray& bytes, const QString& source, TextEncoding encoding) {
    ImportResult result;
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF")) {
        view = view.sliced(3);
        encoding = TextEncoding::Utf8;
    }

    QList<RawContact> contacts;
    int depth = 0;
    for (const LogicalLine& line : logicalLines(view)) {
        // Most lines (TEL, EMAIL, PHOTO …) are passed over by name alone.
        const QByteArray name = propertyName(line.bytes());
        if (name != "BEGIN" && name != "END" && (depth != 1 || !isWanted(name)))
            continue;
        std::optional<Property> property = parseProperty(line.bytes());
        if (!property)
            continue;
        if (property->name == "BEGIN" && property->value.trimmed().toUpper() == "VCARD") {
            if (++depth == 1)
                contacts << RawContact{int(contacts.size()) + 1, {}};
            continue;
        }
        if (property->name == "END" && property->value.trimmed().toUpper() == "VCARD") {
            if (depth > 0)
                --depth;
            continue;
        }
        if (depth != 1 || !isWanted(property->name))
            continue;
        RawProperty raw;
        raw.value = property->isQuotedPrintable() ? decodeQuotedPrintable(property->value)
                                                  : property->value;
        raw.property = std::move(*property);
        raw.line = line.number;
        contacts.last().properties << std::move(raw);
    }
    if (contacts.isEmpty()) {
        result.error = source + u": no vCard (BEGIN:VCARD) in the file"_s;
        return result;
    }

    // Without a named encoding the file is UTF-8 when most of its cards
    // that hold more than ASCII read as UTF-8, else code page 932; a card
    // that does not read in it is left out alone.
    if (encoding == TextEncoding::Detect) {
        int utf8 = 0;
        int other = 0;
        for (const RawContact& contact : contacts) {
            const ValueBytes kind = valueBytesOf(contact);
            utf8 += kind == ValueBytes::Utf8;
            other += kind == ValueBytes::Other;
        }
        encoding = utf8 >= other ? TextEncoding::Utf8 : TextEncoding::Cp932;
    }
    for (const RawContact& raw : contacts) {
        LeftOut leftOut;
        leftOut.source = source;
        leftOut.place = u"%1件目"_s.arg(raw.number);
        QString failure;
        std::optional<Contact> contact = contactOf(raw, encoding, &failure);
        if (!contact) {
            leftOut.reason = failure;
            result.leftOut << leftOut;
            continue;
        }
        contact->source = leftOut.source;
        contact->place = leftOut.place;
        if (const std::optional<book::AddressCard> card =
                cardOfContact(*contact, &leftOut, &result.remarks))
            result.cards << *card;
        else
            result.leftOut << leftOut;
    }
    return result;
}

} // namespace exchange
