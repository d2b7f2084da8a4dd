#include "book/QuotedLine.h"

#include "book/Cp932.h"
#include "book/FileBytes.h"
#include "book/QuotedFields.h"

using namespace Qt::StringLiterals;

namespace book {

namespace {

WriteError refusal(WriteError::Kind kind, char32_t character, const QString& reason) {
    WriteError error;
    error.kind = kind;
    error.character = character;
    error.reason = reason;
    return error;
}

// The encoded field, or the error for its first character that cannot be stored.
std::optional<QByteArray> encodeField(const QString& text, WriteError* error) {
    EncodeError bad;
    std::optional<QByteArray> bytes = encodeCp932(text, &bad);
    const qsizetype quote = text.indexOf(u'"');
    const qsizetype nul = text.indexOf(QChar(0));
    if (bytes && quote < 0 && nul < 0)
        return bytes;

    // Report whichever refused character comes first in the field.
    qsizetype first = bytes ? text.size() : bad.index;
    WriteError refused =
        refusal(WriteError::Unencodable, bad.character,
                describeCharacter(bad.character) + u" cannot be written in code page 932"_s);
    if (nul >= 0 && nul < first) {
        first = nul;
        refused = refusal(WriteError::Unencodable, 0,
                          u"a NUL character (U+0000) cannot be stored in the file"_s);
    }
    if (quote >= 0 && quote < first) {
        refused = refusal(
            WriteError::Quote, U'"',
            u"a double quote cannot be stored: it would end the field when the file is read"_s);
    }
    if (error)
        *error = refused;
    return std::nullopt;
}

} // namespace

std::optional<QStringList> readQuotedLine(const QString& path) {
    const std::optional<QByteArray> bytes = readFileBytes(path, nullptr);
    if (!bytes)
        return std::nullopt;
    return parseQuotedLine(*bytes);
}

std::optional<QStringList> parseQuotedLine(const QByteArray& bytes) {
    const std::optional<QString> text = decodeCp932(bytes);
    if (!text)
        return std::nullopt;
    QStringList fields;
    QuotedFields reader(*text);
    if (reader.atEnd())
        return fields;
    while (const std::optional<QString> field = reader.next()) {
        fields.append(*field);
        if (reader.endedLine())
            break;
    }
    return fields;
}

std::optional<QByteArray> formatQuotedLine(const QStringList& fields, WriteError* error) {
    QByteArray line;
    for (int i = 0; i < fields.size(); ++i) {
        const std::optional<QByteArray> field = encodeField(fields.at(i), error);
        if (!field) {
            if (error)
                error->field = i + 1;
            return std::nullopt;
        }
        if (i > 0)
            line += ',';
        line += '"' + *field + '"';
    }
    return line + "\r\n";
}

WriteResult writeQuotedLine(const QString& path, const QStringList& fields) {
    WriteResult result;
    const std::optional<QByteArray> line = formatQuotedLine(fields, &result.error);
    if (!line) {
        result.error.path = path;
        return result;
    }
    return saveFileBytes(path, *line);
}

} // namespace book
