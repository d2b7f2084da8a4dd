#include "printing/FullWidth.h"

using namespace Qt::StringLiterals;

namespace printing {

namespace {

bool isHalfWidthKana(QChar c) {
    return c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F;
}

// A run of half-width katakana in full width. Compatibility normalisation maps
// each character and joins ﾞ and ﾟ onto the kana before them; a mark that has
// nothing to join stays a visible mark (゛ ゜), not a combining one.
QString kanaRunToFullWidth(const QString& run) {
    QString full = run.normalized(QString::NormalizationForm_KC);
    for (QChar& c : full) {
        if (c.unicode() == 0x3099)
            c = QChar(0x309B);
        else if (c.unicode() == 0x309A)
            c = QChar(0x309C);
    }
    return full;
}

} // namespace

QString toFullWidth(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (isHalfWidthKana(c)) {
            qsizetype end = i;
            while (end < text.size() && isHalfWidthKana(text[end]))
                ++end;
            result += kanaRunToFullWidth(text.mid(i, end - i));
            i = end;
            continue;
        }
        if (c.unicode() >= 0x21 && c.unicode() <= 0x7E)
            result += QChar(c.unicode() + 0xFEE0);
        else if (c == u' ')
            result += QChar(0x3000);
        else
            result += c;
        ++i;
    }
    return result;
}

QString fullWidthKana(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (!isHalfWidthKana(text[i])) {
            result += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && isHalfWidthKana(text[end]))
            ++end;
        result += kanaRunToFullWidth(text.mid(i, end - i));
        i = end;
    }
    return result;
}

QString fullWidthPostalCode(const QString& postalCode) {
    QString code = postalCode;
    // Before the width conversion, which would turn ｰ into ー.
    for (QChar& c : code)
        if (isHyphenLookAlike(c))
            c = u'－';
    return toFullWidth(code);
}

} // namespace printing
