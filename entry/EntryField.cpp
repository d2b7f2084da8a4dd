#include "entry/EntryField.h"

#include "book/Cp932.h"
#include "book/LookAlikes.h"

namespace entry {

int fieldLimit(Field field) {
    switch (field) {
    case Field::Name:
        return 13;
    case Field::PostalCode:
        return 8;
    case Field::Code:
        return 20;
    case Field::Address1:
    case Field::Address2:
    case Field::Address3:
        break;
    }
    return 22;
}

int characterCount(const QString& text) {
    return int(text.toStdU32String().size());
}

QString withoutRefusedCharacters(const QString& typed) {
    const QString text = book::withCp932LookAlikes(typed);
    if (!text.contains(u'"') && !text.contains(QChar(0)) && !book::firstUnencodable(text))
        return text;
    QString kept;
    for (char32_t c : text.toStdU32String()) {
        if (c != U'"' && c != 0 && book::isCp932Encodable(c))
            kept += QString::fromUcs4(&c, 1);
    }
    return kept;
}

} // namespace entry
