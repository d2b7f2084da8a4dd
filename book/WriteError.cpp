#include "book/WriteError.h"

#include "book/FieldLabel.h"

using namespace Qt::StringLiterals;

namespace book {

QString WriteError::describe() const {
    QString where;
    if (card > 0)
        where += u"card %1"_s.arg(card);
    if (field > 0) {
        where += (where.isEmpty() ? u""_s : u", "_s) + u"field %1"_s.arg(field);
        // Only a card's fields have labels; a settings line's fields are plain numbers.
        if (card > 0)
            where += u" ("_s + fieldLabel(field) + u')';
    }
    QString text = path;
    if (!where.isEmpty())
        text += (text.isEmpty() ? u""_s : u": "_s) + where;
    return text + (text.isEmpty() ? u""_s : u": "_s) + reason;
}

} // namespace book
