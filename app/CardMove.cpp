#include "app/CardMove.h"

#include "book/LenientNumber.h"

namespace app {

namespace {

// Cards first to last (from 1) appended to `out`; nothing when first > last.
template <class List> void appendRange(List& out, const List& cards, int first, int last) {
    first = qMax(first, 1);
    last = qMin(last, int(cards.size()));
    for (int i = first; i <= last; ++i)
        out.append(cards.at(i - 1));
}

QString halfWidth(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC);
}

// The move of movedCards, on a list of cards or of their numbers.
template <class List> List moved(const List& cards, int source, int destination, int rowCount) {
    const int count = int(cards.size());
    if (source < 1 || source > count || destination < 1 || destination > count)
        return cards;
    const auto& moving = cards.at(source - 1);
    List out;
    out.reserve(count);
    if (destination == 1) {
        out.append(moving);
        appendRange(out, cards, 1, source - 1);
        appendRange(out, cards, source + 1, count);
    } else if (destination < source) {
        appendRange(out, cards, 1, destination - 1);
        out.append(moving);
        appendRange(out, cards, destination, source - 1);
        appendRange(out, cards, source + 1, count);
    } else if (destination >= rowCount) {
        appendRange(out, cards, 1, source - 1);
        appendRange(out, cards, source + 1, destination);
        out.append(moving);
        // With as many rows as cards this adds nothing; it keeps a longer book whole.
        appendRange(out, cards, destination + 1, count);
    } else if (destination > source) {
        appendRange(out, cards, 1, source - 1);
        appendRange(out, cards, source + 1, destination);
        out.append(moving);
        appendRange(out, cards, destination + 1, count);
    } else {
        // A card moved onto its own place: the book as it was, never a short one.
        return cards;
    }
    return out;
}

} // namespace

book::CardList movedCards(const book::CardList& cards, int source, int destination, int rowCount) {
    return moved(cards, source, destination, rowCount);
}

season::CardOrigins movedOrigins(int count, int source, int destination, int rowCount) {
    season::CardOrigins origins = season::CardOrigins::kept(count, count);
    origins.before = moved(origins.before, source, destination, rowCount);
    return origins;
}

bool destinationTypable(const QString& typed) {
    for (QChar c : halfWidth(typed)) {
        if ((c < u'0' || c > u'9') && c != u' ')
            return false;
    }
    return true;
}

Destination moveDestination(const QString& destinationText, int source, int rowCount) {
    using enum DestinationRefusal;
    const QString text = halfWidth(destinationText).trimmed();
    if (text.isEmpty())
        return {0, Missing};
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return {0, NotAPosition};
    }
    bool ok = false;
    const int destination = text.toInt(&ok);
    if (!ok || destination < 1)
        return {0, NotAPosition};
    if (destination == source)
        return {0, SameAsSource};
    if (destination > rowCount)
        return {0, BeyondList};
    return {destination, None};
}

} // namespace app
