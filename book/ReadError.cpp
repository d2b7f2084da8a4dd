#include "book/ReadError.h"

using namespace Qt::StringLiterals;

namespace book {

QString ReadError::describe() const {
    QString where;
    if (line > 0)
        where += u"line %1"_s.arg(line);
    if (card > 0)
        where += (where.isEmpty() ? u""_s : u", "_s) + u"card %1"_s.arg(card);
    QString text = path;
    if (!where.isEmpty())
        text += u": "_s + where;
    return text + u": "_s + reason;
}

} // namespace book
