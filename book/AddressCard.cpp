#include "book/AddressCard.h"

namespace book {

QString& AddressCard::field(int number) {
    switch (number) {
    case 1:
        return name;
    case 2:
        return address1;
    case 3:
        return address2;
    case 4:
        return address3;
    case 5:
        return postalCode;
    case 6:
        return code;
    default:
        return honorific;
    }
}

const QString& AddressCard::field(int number) const {
    return const_cast<AddressCard*>(this)->field(number);
}

} // namespace book
