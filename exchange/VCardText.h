#pragma once

#include "exchange/TextEncoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// The text format of a vCard file: lines, properties and values.
namespace exchange::vcard {

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
QList<LogicalLine> logicalLines(QByteArrayView bytes);

// A line's property name as parseProperty gives it, without parsing the rest.
QByteArray propertyName(QByteArrayView line);

// A logical line as a property; nullopt when it has no colon or no name.
std::optional<Property> parseProperty(QByteArrayView line);

// A quoted-printable value's bytes; a broken escape is kept as written.
QByteArray decodeQuotedPrintable(QByteArrayView text);

// A value's text in its CHARSET, else in the file's encoding; nullopt when
// the bytes do not decode.
std::optional<QString> decodeValue(const QByteArray& bytes, const QByteArray& charset,
                                   TextEncoding fileEncoding);

// The components of a structured value (N, ADR, ORG), split at unescaped
// semicolons, each with \n \, \; \\ undone.
QStringList components(const QString& value);

// The component at index, empty when there are fewer.
QString component(const QStringList& parts, int index);

// The parts that are not blank, joined by separator.
QString joined(const QStringList& parts, const QString& separator);

} // namespace exchange::vcard
