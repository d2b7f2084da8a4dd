#include "season/CardKey.h"

using namespace Qt::StringLiterals;

namespace season {

namespace {

QString normalised(const QString& text) {
    const QString folded = text.normalized(QString::NormalizationForm_KC);
    QString out;
    out.reserve(folded.size());
    for (const QChar c : folded) {
        if (c.isSpace())
            continue;
        switch (c.unicode()) {
        case u'－':
        case u'ー':
        case u'ｰ':
        case u'‐':
        case u'―':
        case u'−':
        case u'─':
            out += u'-';
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

QString nameKey(const book::AddressCard& card) {
    return normalised(card.name);
}

QString addressKey(const book::AddressCard& card) {
    return normalised(card.address1 + card.address2 + card.address3);
}

QString cardKey(const book::AddressCard& card) {
    return nameKey(card) + u'\t' + addressKey(card);
}

int comingNewYear(const QDate& today) {
    return today.month() >= 10 ? today.year() + 1 : today.year();
}

} // namespace season
