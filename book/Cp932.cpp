#include "book/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace book {

namespace {

// ICU knows code page 932 under several names, and builds differ in which
// ones they map to the Microsoft table; take the first that keeps the
// characters the Japanese books rely on (～ is 0x8160 only in Windows-31J).
const char* codecName() {
    static const char* const name = [] {
        const QString probe = u"～①㈱№髙ｶﾞ\\~"_s;
        for (const char* candidate : {"windows-31j", "CP932", "Shift_JIS"}) {
            QStringEncoder encoder(candidate, QStringConverter::Flag::Stateless);
            QStringDecoder decoder(candidate, QStringConverter::Flag::Stateless);
            if (!encoder.isValid() || !decoder.isValid())
                continue;
            const QByteArray bytes = encoder(probe);
            if (encoder.hasError())
                continue;
            const QString back = decoder(bytes);
            if (!decoder.hasError() && back == probe)
                return candidate;
        }
        return "windows-31j";
    }();
    return name;
}

bool isLeadByte(uchar byte) {
    return (byte >= 0x81 && byte <= 0x9f) || (byte >= 0xe0 && byte <= 0xfc);
}

bool isSurrogate(char32_t c) {
    return c >= 0xd800 && c <= 0xdfff;
}

QString hexByte(uchar byte) {
    return u"0x"_s + QString::number(byte, 16).toUpper().rightJustified(2, u'0');
}

// The first character of text that does not survive encoding and decoding.
std::optional<EncodeError> findUnencodable(const QString& text) {
    const int n = int(text.size());
    for (int i = 0; i < n;) {
        char32_t c = text[i].unicode();
        int length = 1;
        if (text[i].isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            length = 2;
        }
        if (!isCp932Encodable(c))
            return EncodeError{i, c};
        i += length;
    }
    return std::nullopt;
}

// The first byte sequence in bytes[from, to) that does not decode, walking
// character by character; to may cut the last character.
std::optional<DecodeError> firstUndecodableIn(const QByteArray& bytes, int from, int to) {
    const int n = int(bytes.size());
    for (int i = from; i < to;) {
        const uchar byte = uchar(bytes[i]);
        if (byte == 0)
            return DecodeError{i, u"NUL byte at byte offset %1"_s.arg(i)};
        const int length = isLeadByte(byte) ? 2 : 1;
        if (i + length > n)
            return DecodeError{i,
                               u"lead byte %1 at byte offset %2 is cut off by the end of the data"_s
                                   .arg(hexByte(byte))
                                   .arg(i)};
        QStringDecoder decoder(codecName(), QStringConverter::Flag::Stateless);
        const QString decoded = decoder(QByteArrayView(bytes).sliced(i, length));
        if (decoder.hasError()) {
            QString shown = hexByte(byte);
            if (length == 2)
                shown += u' ' + hexByte(uchar(bytes[i + 1]));
            return DecodeError{i,
                               u"invalid byte sequence %1 at byte offset %2"_s.arg(shown).arg(i)};
        }
        i += length;
    }
    return std::nullopt;
}

// The first byte sequence that does not decode. A decoder for each character
// costs a microsecond, too much for megabytes, so blocks of about 4 KB, cut
// between characters, are decoded whole and only the first bad block is
// walked character by character.
DecodeError findUndecodable(const QByteArray& bytes) {
    constexpr int BlockBytes = 4096;
    const int n = int(bytes.size());
    for (int start = 0; start < n;) {
        int end = start;
        while (end < n && end - start < BlockBytes)
            end += isLeadByte(uchar(bytes[end])) ? 2 : 1;
        const int stop = std::min(end, n);
        const QByteArrayView block = QByteArrayView(bytes).sliced(start, stop - start);
        QStringDecoder decoder(codecName(), QStringConverter::Flag::Stateless);
        const QString decoded = decoder(block);
        if (end > n || decoder.hasError() || block.contains('\0')) {
            if (const std::optional<DecodeError> bad = firstUndecodableIn(bytes, start, stop))
                return *bad;
        }
        start = stop;
    }
    return {-1, u"invalid code page 932 data"_s};
}

} // namespace

std::optional<QByteArray> encodeCp932(const QString& text, EncodeError* error) {
    QStringEncoder encoder(codecName(), QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder(text);
    // The encoder flags an error but still writes a substitute byte; a
    // character that maps one way only (a best fit) shows in the read-back.
    if (!encoder.hasError()) {
        QStringDecoder decoder(codecName(), QStringConverter::Flag::Stateless);
        if (QString(decoder(bytes)) == text)
            return bytes;
    }
    const std::optional<EncodeError> bad = findUnencodable(text);
    if (!bad)
        return bytes;
    if (error)
        *error = *bad;
    return std::nullopt;
}

bool isCp932Encodable(char32_t character) {
    if (isSurrogate(character) || character > 0x10ffff)
        return false;
    const QString text = QString::fromUcs4(&character, 1);
    QStringEncoder encoder(codecName(), QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder(text);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder(codecName(), QStringConverter::Flag::Stateless);
    const QString back = decoder(bytes);
    return !decoder.hasError() && back == text;
}

std::optional<char32_t> firstUnencodable(const QString& text) {
    EncodeError error;
    if (encodeCp932(text, &error))
        return std::nullopt;
    return error.character;
}

std::optional<QString> decodeCp932(const QByteArray& bytes, DecodeError* error) {
    QStringDecoder decoder(codecName(), QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (!decoder.hasError() && !bytes.contains('\0'))
        return text;
    if (error)
        *error = findUndecodable(bytes);
    return std::nullopt;
}

std::optional<QString> decodeCp932(const QByteArray& bytes, QString* reason) {
    DecodeError error;
    std::optional<QString> text = decodeCp932(bytes, &error);
    if (!text && reason)
        *reason = error.reason;
    return text;
}

QString describeCharacter(char32_t character) {
    QString code = QString::number(uint(character), 16).toUpper();
    if (code.size() < 4)
        code = code.rightJustified(4, u'0');
    QString shown;
    if (!isSurrogate(character) && character <= 0x10ffff && character >= 0x20)
        shown = u" 「"_s + QString::fromUcs4(&character, 1) + u"」"_s;
    return u"U+"_s + code + shown;
}

} // namespace book
