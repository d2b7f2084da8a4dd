#include "exchange/VCardImport.h"

#include "book/Cp932.h"
#include "exchange/Contact.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

// One property line after unfolding: its name (group dropped, upper case),
// its parameters (upper-case names, values as written) and its value bytes.
struct Property {
    QByteArray name;
    QList<std::pair<QByteArray, QByteArray>> parameters;
    QByteArray value;

    QByteArray parameter(const QByteArray& key) const {
        for (const auto& [name, value] : parameters)
            if (name == key)
                return value;
        return QByteArray();
    }

    // TYPE values, in 2.1's bare form (ADR;HOME;PREF) too, lower case.
    bool hasType(const QByteArray& type) const {
        for (const auto& [name, value] : parameters) {
            if (name == "TYPE" || (value.isNull() && name.isEmpty() == false)) {
                const QByteArray values = value.isNull() ? name : value;
                for (const QByteArray& one : values.toLower().split(','))
                    if (one.trimmed() == type)
                        return true;
            }
        }
        return false;
    }

    bool isQuotedPrintable() const {
        return parameter("ENCODING").toUpper() == "QUOTED-PRINTABLE" || hasType("quoted-printable");
    }
};

// Splits at separator outside double quotes.
QList<QByteArray> splitOutsideQuotes(QByteArrayView text, char separator) {
    QList<QByteArray> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == separator && !quoted) {
            parts << text.sliced(start, i - start).toByteArray();
            start = i + 1;
        }
    }
    parts << text.sliced(start).toByteArray();
    return parts;
}

// Index of the colon that ends the name and parameters, -1 when there is none.
qsizetype valueColon(QByteArrayView line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return -1;
}

// A line's property name as parseProperty gives it, without parsing the rest.
QByteArray propertyName(QByteArrayView line) {
    qsizetype end = 0;
    while (end < line.size() && line[end] != ':' && line[end] != ';')
        ++end;
    QByteArray name = line.first(end).trimmed().toByteArray().toUpper();
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name = name.mid(dot + 1);
    return name;
}

std::optional<Property> parseProperty(QByteArrayView line) {
    const qsizetype colon = valueColon(line);
    if (colon < 0)
        return std::nullopt;
    QList<QByteArray> head = splitOutsideQuotes(line.first(colon), ';');
    Property property;
    QByteArray name = head.takeFirst().trimmed().toUpper();
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name = name.mid(dot + 1);
    property.name = name;
    for (const QByteArray& parameter : head) {
        const qsizetype equals = parameter.indexOf('=');
        if (equals < 0) {
            property.parameters.append({parameter.trimmed().toUpper(), QByteArray()});
        } else {
            QByteArray value = parameter.mid(equals + 1).trimmed();
            if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
                value = value.mid(1, value.size() - 2);
            if (value.isNull())
                value = QByteArray("");
            property.parameters.append({parameter.left(equals).trimmed().toUpper(), value});
        }
    }
    property.value = line.sliced(colon + 1).toByteArray();
    return property;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray decodeQuotedPrintable(QByteArrayView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size() + 0 && hexDigit(text[i + 1]) >= 0 &&
            hexDigit(text[i + 2]) >= 0) {
            bytes += char(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

// A logical line and the 1-based physical line it starts on: a view of the
// file's bytes, or the joined bytes of a folded line.
struct LogicalLine {
    QByteArrayView view;
    QByteArray joined;
    int number = 0;

    QByteArrayView bytes() const { return joined.isNull() ? view : QByteArrayView(joined); }
    void append(QByteArrayView more) {
        if (joined.isNull())
            joined = view.toByteArray();
        joined += more;
    }
};

// The physical lines joined into logical ones: a line starting with a space
// or tab continues the one before (folding), and so does the line after a
// quoted-printable value that ends in "=" (a soft line break). A fold may
// fall inside a character: the bytes are joined before any is decoded.
QList<LogicalLine> logicalLines(QByteArrayView bytes) {
    QList<LogicalLine> lines;
    lines.reserve(bytes.size() / 32);
    bool softBreak = false;
    qsizetype i = 0;
    int number = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        qsizetype end = i;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const QByteArrayView line = bytes.sliced(i, end - i);
        if (end < n && bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n')
            ++end;
        i = end + 1;
        ++number;
        if (softBreak && !lines.isEmpty()) {
            LogicalLine& last = lines.last();
            last.append(QByteArrayView());
            last.joined.chop(1);
            last.joined += line;
        } else if (!lines.isEmpty() && !line.isEmpty() && (line[0] == ' ' || line[0] == '\t')) {
            lines.last().append(line.sliced(1));
        } else {
            lines.append(LogicalLine{line, QByteArray(), number});
        }
        const QByteArrayView last = lines.last().bytes();
        softBreak = false;
        if (last.endsWith('=')) {
            const qsizetype colon = valueColon(last);
            softBreak = colon >= 0 &&
                        last.first(colon).toByteArray().toUpper().contains("QUOTED-PRINTABLE");
        }
    }
    return lines;
}

std::optional<QString> decodeValue(const QByteArray& bytes, const QByteArray& charset,
                                   TextEncoding fileEncoding) {
    const QByteArray name = charset.toLower();
    TextEncoding encoding = fileEncoding;
    if (name == "utf-8" || name == "utf8")
        encoding = TextEncoding::Utf8;
    else if (name == "shift_jis" || name == "shift-jis" || name == "sjis" || name == "cp932" ||
             name == "windows-31j" || name == "ms_kanji" || name == "x-sjis")
        encoding = TextEncoding::Cp932;
    else if (!name.isEmpty()) {
        QStringDecoder decoder(charset.constData(), QStringConverter::Flag::Stateless);
        if (!decoder.isValid())
            return std::nullopt;
        QString text = decoder(bytes);
        if (decoder.hasError())
            return std::nullopt;
        return text;
    }
    if (encoding == TextEncoding::Cp932)
        return book::decodeCp932(bytes);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The components of a structured value (N, ADR, ORG), split at unescaped
// semicolons, each with \n \, \; \\ undone.
QStringList components(const QString& value) {
    QStringList parts;
    QString part;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            if (next == u'n' || next == u'N')
                part += u'\n';
            else if (next == u',' || next == u';' || next == u'\\' || next == u':')
                part += next;
            else
                part += c + QString(next);
        } else if (c == u';') {
            parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part;
    return parts;
}

QString component(const QStringList& parts, int index) {
    return index < parts.size() ? parts.at(index) : QString();
}

QString joined(const QStringList& parts, const QString& separator) {
    QStringList present;
    for (const QString& part : parts)
        if (!part.trimmed().isEmpty())
            present << part;
    return present.join(separator);
}

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
