#include "exchange/VCardImport.h"

#include "book/Cp932.h"

#include <QFileInfo>
#include <QStringDecoder>

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
        return parameter("ENCODING").toUpper() == "QUOTED-PRINTABLE" ||
               hasType("quoted-printable");
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

// The physical lines joined into logical ones: a line starting with a space
// or tab continues the one before (folding), and so does the line after a
// quoted-printable value that ends in "=" (a soft line break).
QList<QByteArray> logicalLines(QByteArrayView bytes) {
    QList<QByteArray> lines;
    bool softBreak = false;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        qsizetype end = i;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const QByteArrayView line = bytes.sliced(i, end - i);
        if (end < n && bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n')
            ++end;
        i = end + 1;
        if (softBreak && !lines.isEmpty()) {
            lines.last().chop(1);
            lines.last() += line;
        } else if (!lines.isEmpty() && !line.isEmpty() && (line[0] == ' ' || line[0] == '\t')) {
            lines.last() += line.sliced(1);
        } else {
            lines << line.toByteArray();
        }
        const QByteArray& last = lines.last();
        softBreak = false;
        if (last.endsWith('=')) {
            const qsizetype colon = valueColon(last);
            softBreak = colon >= 0 && last.left(colon).toUpper().contains("QUOTED-PRINTABLE");
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

struct Address {
    QStringList parts; // post office box, extended, street, locality, region, postal code, country
    bool preferred = false;
    bool home = false;
};

// What one contact said, as far as a book holds it.
struct Contact {
    int number = 0;
    QStringList n;
    QString fn;
    QString org;
    QList<Address> addresses;
    std::optional<QString> ownCode;
    std::optional<QString> ownHonorific;
    QString failure; // a value that could not be decoded
};

void finishContact(const Contact& contact, const QString& source, ImportResult& result) {
    LeftOut leftOut;
    leftOut.source = source;
    leftOut.place = u"%1件目"_s.arg(contact.number);
    if (!contact.failure.isEmpty()) {
        leftOut.reason = contact.failure;
        result.leftOut << leftOut;
        return;
    }
    book::AddressCard card;
    QString person = joined({component(contact.n, 0), component(contact.n, 1)}, u"　"_s);
    if (person.isEmpty())
        person = contact.fn;
    card.name = person.isEmpty() ? contact.org : person;
    if (contact.ownCode)
        card.code = *contact.ownCode;
    else if (!person.isEmpty())
        card.code = contact.org;

    const bool own = contact.ownHonorific.has_value();
    const Address* chosen = nullptr;
    for (const Address& address : contact.addresses)
        if (address.preferred && !chosen)
            chosen = &address;
    for (const Address& address : contact.addresses)
        if (address.home && !chosen)
            chosen = &address;
    if (!chosen && !contact.addresses.isEmpty())
        chosen = &contact.addresses.first();
    if (!chosen && !own) {
        leftOut.reason = card.name.isEmpty() ? u"住所がありません"_s
                                             : u"住所がありません（%1）"_s.arg(card.name);
        result.leftOut << leftOut;
        return;
    }
    if (chosen) {
        card.address1 = component(chosen->parts, 4) + component(chosen->parts, 3);
        card.address2 = component(chosen->parts, 2);
        card.address3 = component(chosen->parts, 1);
        const QString postal = component(chosen->parts, 5);
        card.postalCode = own ? postal : normalisedPostalCode(postal);
    }
    card.honorific = own ? *contact.ownHonorific : u"0"_s;
    const std::optional<book::AddressCard> stored = storableCard(card, &leftOut);
    if (!stored) {
        result.leftOut << leftOut;
        return;
    }
    result.cards << *stored;
}

} // namespace

bool looksLikeVCard(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    return view.trimmed().first(std::min<qsizetype>(11, view.trimmed().size())).toByteArray().toUpper() ==
           "BEGIN:VCARD";
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
    if (encoding == TextEncoding::Detect)
        encoding = isUtf8(view) ? TextEncoding::Utf8 : TextEncoding::Cp932;

    int depth = 0;
    int count = 0;
    Contact contact;
    for (const QByteArray& line : logicalLines(view)) {
        const std::optional<Property> property = parseProperty(line);
        if (!property)
            continue;
        if (property->name == "BEGIN" && property->value.trimmed().toUpper() == "VCARD") {
            if (++depth == 1) {
                contact = Contact();
                contact.number = ++count;
            }
            continue;
        }
        if (property->name == "END" && property->value.trimmed().toUpper() == "VCARD") {
            if (depth > 0 && --depth == 0)
                finishContact(contact, source, result);
            continue;
        }
        if (depth != 1)
            continue;
        const QByteArray& name = property->name;
        const bool wanted = name == "N" || name == "FN" || name == "ORG" || name == "ADR" ||
                            name == "X-TAGORA-CODE" || name == "X-TAGORA-HONORIFIC";
        if (!wanted)
            continue;
        const QByteArray raw = property->isQuotedPrintable() ? decodeQuotedPrintable(property->value)
                                                             : property->value;
        const std::optional<QString> value = decodeValue(raw, property->parameter("CHARSET"), encoding);
        if (!value) {
            if (contact.failure.isEmpty())
                contact.failure = u"%1 の値が %2 の文字として読めません"_s.arg(
                    QString::fromLatin1(name),
                    property->parameter("CHARSET").isEmpty()
                        ? (encoding == TextEncoding::Cp932 ? u"code page 932"_s : u"UTF-8"_s)
                        : QString::fromLatin1(property->parameter("CHARSET")));
            continue;
        }
        if (name == "N") {
            contact.n = components(*value);
        } else if (name == "FN") {
            contact.fn = components(*value).join(u';');
        } else if (name == "ORG") {
            contact.org = joined(components(*value), u"　"_s);
        } else if (name == "X-TAGORA-CODE") {
            contact.ownCode = components(*value).join(u';');
        } else if (name == "X-TAGORA-HONORIFIC") {
            contact.ownHonorific = components(*value).join(u';');
        } else {
            Address address;
            address.parts = components(*value);
            if (joined(address.parts.mid(0, 6), QString()).isEmpty())
                continue;
            address.preferred = property->hasType("pref") || property->parameter("PREF") == "1";
            address.home = property->hasType("home");
            contact.addresses << address;
        }
    }
    if (depth > 0)
        finishContact(contact, source, result);
    if (count == 0)
        result.error = source + u": no vCard (BEGIN:VCARD) in the file"_s;
    return result;
}

} // namespace exchange
