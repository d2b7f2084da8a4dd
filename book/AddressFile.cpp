#include "book/AddressFile.h"

#include "book/Cp932.h"
#include "book/FileBytes.h"
#include "book/QuotedFields.h"
#include "book/QuotedLine.h"

#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace book {

namespace {

constexpr int LegacyFieldCount = 6;

ReadError readFailure(ReadError::Kind kind, int line, int card, const QString& reason) {
    ReadError error;
    error.kind = kind;
    error.line = line;
    error.card = card;
    error.reason = reason;
    return error;
}

// Old field 1 to 6 in the current card: the third address line did not exist yet.
QString& legacyField(AddressCard& card, int number) {
    return card.field(number <= 3 ? number : number + 1);
}

// Cards of fieldsPerCard fields each from decoded text.
LoadResult parseCards(QStringView text, int fieldsPerCard) {
    LoadResult result;
    QuotedFields reader(text);
    while (!reader.atEnd()) {
        const int number = int(result.cards.size()) + 1;
        const int startLine = reader.line();
        if (number > BookCapacity) {
            result.error = readFailure(ReadError::TooManyCards, startLine, number,
                                       u"a book holds at most %1 cards"_s.arg(BookCapacity));
            return result;
        }
        AddressCard card;
        for (int field = 1; field <= fieldsPerCard; ++field) {
            const std::optional<QString> value = reader.next();
            if (!value) {
                const QString reason = u"%1 after field %2 of %3"_s.arg(reader.failure())
                                           .arg(field - 1)
                                           .arg(fieldsPerCard);
                result.error = readFailure(ReadError::Truncated, startLine, number, reason);
                return result;
            }
            if (fieldsPerCard == LegacyFieldCount)
                legacyField(card, field) = *value;
            else
                card.field(field) = *value;
        }
        result.cards.append(card);
    }
    return result;
}

// 1-based line of the byte at offset; CR LF, LF and CR each end a line.
int lineOfOffset(const QByteArray& bytes, int offset) {
    int line = 1;
    for (int i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

LoadResult parseBytes(const QByteArray& bytes, int fieldsPerCard) {
    DecodeError bad;
    const std::optional<QString> text = decodeCp932(bytes, &bad);
    if (text)
        return parseCards(*text, fieldsPerCard);
    // Keep the cards before the bad byte: the start window's test looks at them.
    const int offset = bad.offset < 0 ? 0 : bad.offset;
    LoadResult result =
        parseCards(decodeCp932(bytes.left(offset)).value_or(QString()), fieldsPerCard);
    if (result.error.kind != ReadError::TooManyCards)
        result.error = readFailure(ReadError::BadEncoding, lineOfOffset(bytes, offset),
                                   int(result.cards.size()) + 1, bad.reason);
    return result;
}

bool isNumber(const QString& text) {
    static const QRegularExpression number(u"^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"_s);
    return number.match(text.trimmed()).hasMatch();
}

} // namespace

LoadResult loadBook(const QString& path) {
    LoadResult result;
    const std::optional<QByteArray> bytes = readFileBytes(path, &result.error);
    if (bytes)
        result = parseBytes(*bytes, AddressCard::FieldCount);
    result.error.path = path;
    return result;
}

LoadResult parseBook(const QByteArray& bytes) {
    return parseBytes(bytes, AddressCard::FieldCount);
}

FileLayout detectLayout(const QByteArray& bytes) {
    const std::optional<QString> text = decodeCp932(bytes);
    if (!text)
        return FileLayout::Other;
    // Records are counted as the reader sees them: a quoted field may hold a
    // line break, and a line with nothing on it is no record.
    QuotedFields reader(*text);
    int layout = 0;
    int count = 0;
    while (!reader.atEnd()) {
        const std::optional<QString> value = reader.next();
        if (!value)
            return FileLayout::Other;
        ++count;
        if (!reader.endedLine())
            continue;
        const bool blank = count == 1 && value->trimmed().isEmpty();
        if (!blank) {
            if (layout == 0)
                layout = count;
            if (count != layout || (count != LegacyFieldCount && count != AddressCard::FieldCount))
                return FileLayout::Other;
        }
        count = 0;
    }
    if (layout == 0)
        return FileLayout::Empty;
    return layout == LegacyFieldCount ? FileLayout::SixFields : FileLayout::SevenFields;
}

FileLayout detectLayout(const QString& path) {
    const std::optional<QByteArray> bytes = readFileBytes(path, nullptr);
    if (!bytes)
        return FileLayout::Other;
    return detectLayout(*bytes);
}

int firstCardWithoutHonorificIndex(const CardList& cards) {
    for (int i = 0; i < cards.size(); ++i) {
        const QString& honorific = cards.at(i).honorific;
        if (!honorific.trimmed().isEmpty() && !isNumber(honorific))
            return i + 1;
    }
    return 0;
}

bool isConvertibleLegacyBook(const QByteArray& bytes) {
    const std::optional<QString> text = decodeCp932(bytes);
    if (!text)
        return false;
    // A quoted field, or a bare number for the honorific; text after a
    // closing quote ("a""b") fails the pattern, so nothing is cut off.
    static const QRegularExpression line(
        uR"(^[ \t]*("[^"]*"[ \t]*,[ \t]*){5}("[ \t]*[+-]?\d+[ \t]*"|[+-]?\d+)[ \t]*$)"_s);
    static const QRegularExpression lineEnd(u"\r\n|\n|\r"_s);
    bool any = false;
    for (const QStringView row : QStringView(*text).split(lineEnd)) {
        if (row.trimmed().isEmpty())
            continue;
        if (!line.match(row).hasMatch())
            return false;
        any = true;
    }
    return any;
}

QString backupPathFor(const QString& path) {
    QString candidate = path + u".bak"_s;
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = path + u".bak"_s + QString::number(n);
    return candidate;
}

std::optional<QByteArray> formatBook(const CardList& cards, WriteError* error) {
    if (cards.size() > BookCapacity) {
        if (error) {
            *error = WriteError();
            error->kind = WriteError::TooManyCards;
            error->card = BookCapacity + 1;
            error->reason = u"a book holds at most %1 cards"_s.arg(BookCapacity);
        }
        return std::nullopt;
    }
    // The whole book in one encoding when no field holds what a book cannot
    // store: a converter for each field costs more than the rest of a save.
    // Otherwise card by card below, which names the card and field at fault.
    QString text;
    bool storable = true;
    for (const AddressCard& card : cards) {
        for (int field = 1; field <= AddressCard::FieldCount && storable; ++field) {
            const QString& value = card.field(field);
            storable = !value.contains(u'"') && !value.contains(QChar(0));
            text += u'"' + value + (field < AddressCard::FieldCount ? u"\","_s : u"\"\r\n"_s);
        }
    }
    if (storable) {
        if (std::optional<QByteArray> whole = encodeCp932(text))
            return whole;
    }
    QByteArray bytes;
    for (int i = 0; i < cards.size(); ++i) {
        const AddressCard& card = cards.at(i);
        QStringList fields;
        for (int field = 1; field <= AddressCard::FieldCount; ++field)
            fields.append(card.field(field));
        const std::optional<QByteArray> line = formatQuotedLine(fields, error);
        if (!line) {
            if (error)
                error->card = i + 1;
            return std::nullopt;
        }
        bytes += *line;
    }
    return bytes;
}

WriteResult writeBook(const QString& path, const CardList& cards) {
    WriteResult result;
    const std::optional<QByteArray> bytes = formatBook(cards, &result.error);
    if (!bytes) {
        result.error.path = path;
        return result;
    }
    return saveFileBytes(path, *bytes);
}

QString ConvertResult::describe() const {
    if (readError.kind != ReadError::None)
        return readError.describe();
    if (writeError.kind != WriteError::None)
        return writeError.describe();
    return QString();
}

ConvertResult convertLegacyBook(const QString& path) {
    ConvertResult result;
    const std::optional<QByteArray> bytes = readFileBytes(path, &result.readError);
    if (!bytes)
        return result;
    // Reading seven-field cards six at a time would shift every field, and a
    // header row or a doubled quote would be cut up: convert only what the
    // old program wrote.
    if (!isConvertibleLegacyBook(*bytes)) {
        const LoadResult decoded = parseBytes(*bytes, LegacyFieldCount);
        result.readError =
            decoded.error.kind == ReadError::BadEncoding
                ? decoded.error
                : readFailure(ReadError::WrongLayout, 0, 0,
                              u"not every line holds the six quoted fields of the old layout"_s);
        result.readError.path = path;
        return result;
    }
    LoadResult legacy = parseBytes(*bytes, LegacyFieldCount);
    if (!legacy.ok()) {
        result.readError = legacy.error;
        result.readError.path = path;
        return result;
    }
    const QString backup = backupPathFor(path);
    const WriteResult kept = saveFileBytes(backup, *bytes);
    if (!kept.ok()) {
        result.writeError = kept.error;
        return result;
    }
    const WriteResult written = writeBook(path, legacy.cards);
    if (!written.ok()) {
        result.writeError = written.error;
        return result;
    }
    result.backupPath = backup;
    result.cards = legacy.cards;
    return result;
}

} // namespace book
