#include "printing/PostalCode.h"

#include "printing/FullWidth.h"

using namespace Qt::StringLiterals;

namespace printing {

namespace {

bool isSpace(QChar c) {
    return c == u' ' || c == u'　' || c == u'\t';
}

QString withoutPostMark(QString text) {
    text = text.trimmed();
    while (!text.isEmpty() && (text.front() == u'〒' || isSpace(text.front())))
        text.remove(0, 1);
    while (!text.isEmpty() && isSpace(text.back()))
        text.chop(1);
    return text;
}

} // namespace

QString PostalCode::fullWidth() const {
    if (isValid())
        return toFullWidth(digits.left(3) + u'-' + digits.mid(3));
    return fullWidthPostalCode(typed);
}

QString PostalCode::line() const {
    return u"〒"_s + fullWidth();
}

PostalCode postalCodeOf(const QString& typed) {
    PostalCode code;
    code.typed = withoutPostMark(typed);
    QString digits;
    for (QChar c : code.typed) {
        if (isSpace(c) || isHyphenLookAlike(c))
            continue;
        if (c >= u'０' && c <= u'９')
            c = QChar(u'0' + (c.unicode() - u'０'));
        if (c < u'0' || c > u'9')
            return code;
        digits += c;
    }
    if (digits.size() == 7)
        code.digits = digits;
    return code;
}

QString zipLine(const QString& typed) {
    return postalCodeOf(typed).line();
}

} // namespace printing
