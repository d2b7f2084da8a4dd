#include "exchange/VCardText.h"

#include "book/Cp932.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace exchange::vcard {

namespace {

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

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

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

} // namespace exchange::vcard
