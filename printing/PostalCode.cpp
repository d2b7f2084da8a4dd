#include "printing/PostalCode.h"

#include "printing/FullWidth.h"

using namespace Qt::StringLiterals;

namespace printing {

QString fullWidthCode(const book::PostalCode& code) {
    return code.isValid() ? toFullWidth(code.written()) : fullWidthPostalCode(code.typed);
}

QString postalLine(const book::PostalCode& code) {
    return u"〒"_s + fullWidthCode(code);
}

QString zipLine(const QString& typed) {
    return postalLine(book::postalCodeOf(typed));
}

} // namespace printing
