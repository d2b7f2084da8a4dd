#pragma once

#include <QList>
#include <QString>

namespace book {

// One address card: seven text fields, in the order of the address file.
struct AddressCard {
    QString name;
    QString address1;
    QString address2;
    QString address3;
    QString postalCode;
    QString code;
    QString honorific; // index into honorifics() as decimal text, "-1" when none was chosen

    static constexpr int FieldCount = 7;

    // Field 1 to 7 in file order.
    const QString& field(int number) const;
    QString& field(int number);

    bool operator==(const AddressCard&) const = default;
};

// The book holds at most this many cards; a print list at most this many entries.
inline constexpr int BookCapacity = 300;

using CardList = QList<AddressCard>;

} // namespace book
