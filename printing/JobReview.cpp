#include "printing/JobReview.h"

#include "book/JointNames.h"
#include "printing/CardForPrint.h"
#include "printing/PostalCode.h"

using namespace Qt::StringLiterals;

namespace printing {

namespace {

// How a card is named in a list: its name, or its first address line when it
// has none, cut to a line's length.
QString cardTitle(const book::AddressCard& card) {
    constexpr qsizetype MaxTitleLength = 30;
    QString title = book::trimmedSpaces(card.name);
    if (title.isEmpty())
        title = book::trimmedSpaces(card.address1 + card.address2);
    if (title.isEmpty())
        return u"（名前も住所もないカード）"_s;
    return title.size() > MaxTitleLength ? title.left(MaxTitleLength) + u"…"_s : title;
}

QString item(const book::AddressCard& card, const QString& why) {
    return cardTitle(card) + u"（"_s + why + u"）"_s;
}

void addSection(QString& text, const QString& heading, const QStringList& items) {
    if (items.isEmpty())
        return;
    text += heading + u"\n"_s;
    for (const QString& line : items)
        text += u"・"_s + line + u"\n"_s;
    text += u"\n"_s;
}

} // namespace

void JobReview::noteCompromises(const book::AddressCard& card, const QStringList& compromises) {
    if (!compromises.isEmpty())
        reduced << item(card, compromises.join(u"、"_s));
}

void JobReview::noteWithoutBarcode(const book::AddressCard& card, const QString& why) {
    withoutBarcode << item(card, why);
}

QStringList JobReview::lines() const {
    QStringList all;
    for (const QString& line : leftOut)
        all << u"印刷しません: "_s + line;
    for (const QString& line : uncleanCodes)
        all << u"郵便番号が7桁ではありません: "_s + line;
    for (const QString& line : reduced)
        all << u"縮小して印刷します: "_s + line;
    for (const QString& line : repeated)
        all << u"複数回印刷します: "_s + line;
    for (const QString& line : withoutBarcode)
        all << u"バーコードを印刷しません: "_s + line;
    return all;
}

QString JobReview::message() const {
    QString text;
    addSection(text, u"次のカードは印刷しません。"_s, leftOut);
    addSection(text,
               u"次のカードは郵便番号が7桁ではないため、枠に入れず書かれたとおりに印刷します。"_s,
               uncleanCodes);
    addSection(text, u"次のカードは枠に収めるため文字を小さくして印刷します。"_s, reduced);
    addSection(text, u"次のカードは印刷リストに複数回入っているため、その回数だけ印刷します。"_s,
               repeated);
    addSection(text, u"次のカードにはカスタマバーコードを印刷しません。"_s, withoutBarcode);
    text += printable.isEmpty() ? u"印刷できるカードがありません。"_s : u"このまま印刷しますか？"_s;
    return text;
}

JobReview reviewEntries(const book::CardList& entries) {
    JobReview review;
    for (const book::AddressCard& card : entries) {
        const QString reason = undeliverableReason(card);
        if (!reason.isEmpty()) {
            review.leftOut << item(card, reason);
            continue;
        }
        const book::PostalCode code = book::postalCodeOf(card.postalCode);
        if (!code.isValid())
            review.uncleanCodes << item(card,
                                        code.isEmpty() ? u"郵便番号がありません"_s : code.typed);
        review.printable.append(card);
    }
    QList<book::AddressCard> noted;
    for (const book::AddressCard& card : review.printable) {
        const qsizetype times = review.printable.count(card);
        if (times > 1 && !noted.contains(card)) {
            noted.append(card);
            review.repeated << item(card, u"%1回"_s.arg(times));
        }
    }
    return review;
}

} // namespace printing
