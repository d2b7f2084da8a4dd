#pragma once

#include "book/AddressCard.h"

#include <QList>
#include <QString>

#include <optional>

namespace exchange {

// A contact or row that did not become a card, and why.
struct LeftOut {
    QString source;         // the file it came from, as named by the user
    QString place;          // "row 12" (CSV, the header is row 1) or "card 3" (vCard, 1-based)
    int field = 0;          // 1-based book field that could not be stored, 0 for the whole card
    char32_t character = 0; // the character code page 932 cannot hold, 0 for another reason
    QString reason;         // the other reasons, in Japanese ("住所がありません")

    // "contacts.vcf: card 3, 住所２: U+20BB7 「𠮷」 cannot be stored in a book".
    QString describe() const;
};

// What a reader made of one file.
struct ImportResult {
    book::CardList cards;
    QList<LeftOut> leftOut;
    QString error; // not empty when the file as a whole could not be read

    bool ok() const { return error.isEmpty(); }
};

// The card as a book stores it: look-alikes in their code page 932 forms,
// the ASCII double quote as the full-width ＂ and each line break as one
// ideographic space (a book field is one printed line). nullopt when a field
// still holds a character code page 932 cannot hold; *leftOut then names
// the field and the character (source and place are left to the caller).
std::optional<book::AddressCard> storableCard(const book::AddressCard& card, LeftOut* leftOut);

// "123-4567" for a postal code book::postalCodeOf reads; any other text as given.
QString normalisedPostalCode(const QString& text);

// The honorific index for its text: 様 "0", 殿 "1", 御中 "2", 差出 "3", 行 "4",
// empty or なし "5"; a whole number is kept as it is (an index written by
// export). nullopt for any other text.
std::optional<QString> honorificIndexFor(const QString& text);

// The text export writes for a stored honorific index: 様 … 行 for "0" to
// "4", empty for "5", and any other stored text as it is, so that
// honorificIndexFor gives the index back. (An empty stored honorific comes
// back as "5", which prints the same: nothing.)
QString honorificTextForExport(const QString& storedIndex);

} // namespace exchange
