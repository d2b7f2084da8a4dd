#include "book/FileName.h"

namespace book {

namespace {

constexpr char16_t KeptByteBase = 0xDC00;

// The length of the valid UTF-8 sequence at bytes[i] and its code point, or 0.
int utf8Sequence(const QByteArray& bytes, qsizetype i, char32_t* point) {
    const uchar lead = uchar(bytes[i]);
    int length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead < 0x80)
        return *point = lead, 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, value = lead & 0x1F, least = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, value = lead & 0x0F, least = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, value = lead & 0x07, least = 0x10000;
    else
        return 0;
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const uchar next = uchar(bytes[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and points past Unicode are not UTF-8.
    if (value < least || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
        return 0;
    *point = value;
    return length;
}

} // namespace

QString fileNameText(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t point = 0;
        const int length = utf8Sequence(bytes, i, &point);
        if (length == 0) {
            text += QChar(char16_t(KeptByteBase + uchar(bytes[i])));
            ++i;
            continue;
        }
        text += QString::fromUcs4(&point, 1);
        i += length;
    }
    return text;
}

QByteArray fileNameBytes(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size() * 3);
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name.at(i).unicode();
        const bool pair = QChar::isHighSurrogate(unit) && i + 1 < name.size() &&
                          QChar::isLowSurrogate(name.at(i + 1).unicode());
        if (unit >= KeptByteBase + 0x80 && unit <= KeptByteBase + 0xFF) {
            bytes += char(unit - KeptByteBase);
        } else if (pair) {
            bytes += name.mid(i, 2).toUtf8();
            ++i;
        } else {
            bytes += QString(QChar(unit)).toUtf8();
        }
    }
    return bytes;
}

} // namespace book
