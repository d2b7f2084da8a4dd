#include "app/cli/CardListArgument.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

bool readCardNumber(const QString& text, int cardCount, int* number, QString* error) {
    bool ok = false;
    *number = text.trimmed().toInt(&ok);
    if (!ok) {
        *error = u"not a card number: "_s + text;
        return false;
    }
    if (*number < 1 || *number > cardCount) {
        *error = u"card %1 is not in the book (it has %2 cards)"_s.arg(*number).arg(cardCount);
        return false;
    }
    return true;
}

} // namespace

CardSelection parseCardList(const QString& text, int cardCount) {
    CardSelection selection;
    if (text.trimmed().isEmpty()) {
        for (int i = 0; i < cardCount; ++i)
            selection.indexes << i;
        return selection;
    }
    for (const QString& part : text.split(u',')) {
        const qsizetype dash = part.indexOf(u'-', 1);
        int first = 0;
        int last = 0;
        if (dash < 0) {
            if (!readCardNumber(part, cardCount, &first, &selection.error))
                return {{}, selection.error};
            last = first;
        } else {
            if (!readCardNumber(part.left(dash), cardCount, &first, &selection.error) ||
                !readCardNumber(part.mid(dash + 1), cardCount, &last, &selection.error))
                return {{}, selection.error};
            if (last < first)
                return {{}, u"reversed range: "_s + part};
        }
        for (int number = first; number <= last; ++number)
            selection.indexes << number - 1;
    }
    return selection;
}

} // namespace cli
