#include "zip/PostalCode.h"

#include "book/PostalCode.h"

using namespace Qt::StringLiterals;

namespace zip {

QString normalizedCode(const QString& typed) {
    return book::postalCodeOf(typed).digits;
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
