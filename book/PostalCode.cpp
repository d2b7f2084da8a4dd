#include "book/PostalCode.h"

namespace book {

namespace {

bool isSpace(QChar c) {
    return c.isSpace() || c == u'　';
}

} // namespace

QString PostalCode::written() const {
    return isValid() ? digits.left(3) + u'-' + digits.mid(3) : typed;
}

bool isHyphenLookAlike(QChar c) {
    switch (c.unicode()) {
    case u'-':
    case u'－':
    case u'ー':
    case u'ｰ':
    case u'−':
    case u'─':
        return true;
    default:
        return c.unicode() >= 0x2010 && c.unicode() <= 0x2015;
    }
}

PostalCode postalCodeOf(const QString& text) {
    PostalCode code;
    code.typed = text;
    while (!code.typed.isEmpty() && (code.typed.front() == u'〒' || isSpace(code.typed.front())))
        code.typed.remove(0, 1);
    while (!code.typed.isEmpty() && isSpace(code.typed.back()))
        code.typed.chop(1);
    QString digits;
    bool dashSeen = false;
    for (QChar c : code.typed) {
        if (isSpace(c))
            continue;
        if (c >= u'０' && c <= u'９')
            c = QChar(u'0' + (c.unicode() - u'０'));
        if (c >= u'0' && c <= u'9')
            digits += c;
        else if (isHyphenLookAlike(c) && !dashSeen && digits.size() == 3)
            dashSeen = true;
        else
            return code;
    }
    if (digits.size() == 7)
        code.digits = digits;
    return code;
}

} // namespace book
