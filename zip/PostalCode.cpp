#include "zip/PostalCode.h"

using namespace Qt::StringLiterals;

namespace zip {

namespace {

bool isDash(QChar c) {
    switch (c.unicode()) {
    case u'-':
    case 0x2010: // hyphen
    case 0x2011: // non-breaking hyphen
    case 0x2012: // figure dash
    case 0x2013: // en dash
    case 0x2014: // em dash
    case 0x2015: // horizontal bar
    case 0x2212: // minus sign
    case 0x30FC: // long vowel mark, what a Japanese input method often gives for "-"
    case 0xFF0D: // full-width hyphen-minus
    case 0xFF70: // half-width long vowel mark
        return true;
    default:
        return false;
    }
}

} // namespace

QString normalizedCode(const QString& typed) {
    QString digits;
    bool dashSeen = false;
    const QString trimmed = typed.trimmed();
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (c.isSpace())
            continue;
        if (c == u'〒' && digits.isEmpty() && !dashSeen)
            continue;
        if (c >= u'0' && c <= u'9') {
            digits += c;
        } else if (c >= u'０' && c <= u'９') {
            digits += QChar(u'0' + (c.unicode() - u'０'));
        } else if (isDash(c) && !dashSeen && digits.size() == 3) {
            dashSeen = true;
        } else {
            return {};
        }
    }
    return digits.size() == 7 ? digits : QString();
}

QString formattedCode(const QString& digits) {
    if (digits.size() != 7)
        return digits;
    return digits.left(3) + u'-' + digits.mid(3);
}

QString comparableAddress(const QString& text) {
    const QString unified = text.normalized(QString::NormalizationForm_KC);
    QString result;
    result.reserve(unified.size());
    for (QChar c : unified) {
        if (c.isSpace())
            continue;
        result += (c == u'ヶ') ? u'ケ' : c;
    }
    return result;
}

} // namespace zip
