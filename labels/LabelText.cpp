#include "labels/LabelText.h"

#include "book/Honorifics.h"
#include "printing/FullWidth.h"
#include "labels/LabelLayout.h"

using namespace Qt::StringLiterals;

namespace labels {

LabelText LabelText::forEntry(const book::AddressCard& entry) {
    LabelText text;
    text.nameLine = book::nameLine(entry);
    text.address1 = entry.address1;
    text.address2 = entry.address2;
    text.address3 = entry.address3;
    text.code = entry.code;
    text.zipLine = printing::zipLine(entry.postalCode);
    text.NameShift = qint16(nameShift(text.nameLine));
    text.empty = false;
    return text;
}

const QString& LabelText::line(int number) const {
    switch (number) {
    case PostalLine:
        return zipLine;
    case Address1Line:
        return address1;
    case Address2Line:
        return address2;
    case Address3Line:
        return address3;
    case NameLine:
        return nameLine;
    default:
        return code;
    }
}

} // namespace labels
