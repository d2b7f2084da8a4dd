#include "exchange/TextEncoding.h"

#include "book/Cp932.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

// Byte offset of the first sequence that is not UTF-8 (overlong forms and
// surrogates included), or the size when there is none.
qsizetype firstBadUtf8(QByteArrayView bytes) {
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar lead = uchar(bytes[i]);
        int length = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xc2 && lead <= 0xdf) {
            length = 2;
            least = 0x80;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            length = 3;
            least = 0x800;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            length = 4;
            least = 0x10000;
        } else {
            return i;
        }
        if (i + length > n)
            return i;
        char32_t c = lead & (0x7f >> length);
        for (int k = 1; k < length; ++k) {
            const uchar next = uchar(bytes[i + k]);
            if ((next & 0xc0) != 0x80)
                return i;
            c = (c << 6) | (next & 0x3f);
        }
        if (c < least || c > 0x10ffff || (c >= 0xd800 && c <= 0xdfff))
            return i;
        i += length;
    }
    return n;
}

} // namespace

std::optional<TextEncoding> parseTextEncoding(const QString& name) {
    const QString lower = name.toLower();
    if (lower == u"utf-8"_s || lower == u"utf8"_s)
        return TextEncoding::Utf8;
    if (lower == u"cp932"_s || lower == u"windows-31j"_s || lower == u"shift_jis"_s ||
        lower == u"sjis"_s)
        return TextEncoding::Cp932;
    return std::nullopt;
}

bool isUtf8(QByteArrayView bytes) {
    return firstBadUtf8(bytes) == bytes.size();
}

std::optional<QString> decodeText(const QByteArray& bytes, TextEncoding encoding, QString* reason) {
    // A contacts service's older CSV is UTF-16 with its byte-order mark.
    const bool little = bytes.startsWith("\xFF\xFE");
    if (encoding == TextEncoding::Detect && (little || bytes.startsWith("\xFE\xFF"))) {
        QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Stateless);
        QString text = decoder(QByteArrayView(bytes).sliced(2));
        if (!decoder.hasError())
            return text;
        if (reason)
            *reason = u"not valid UTF-16 text"_s;
        return std::nullopt;
    }
    QByteArrayView body(bytes);
    const bool bom = body.startsWith("\xEF\xBB\xBF");
    if (bom)
        body = body.sliced(3);
    if (encoding == TextEncoding::Detect)
        encoding = (bom || isUtf8(body)) ? TextEncoding::Utf8 : TextEncoding::Cp932;
    if (encoding == TextEncoding::Cp932)
        return book::decodeCp932(body.toByteArray(), reason);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder(body);
    if (!decoder.hasError())
        return text;
    if (reason)
        *reason = u"not valid UTF-8 at byte offset %1"_s.arg(firstBadUtf8(body) + (bom ? 3 : 0));
    return std::nullopt;
}

} // namespace exchange
