#pragma once

#include "book/AddressCard.h"

#include <QString>
#include <QStringList>

namespace book {

// The six honorifics in drop-down order; the stored index is the position.
// Index 3 starts with a half-width space, index 5 is empty (no honorific).
const QStringList& honorifics();

// Text printed after a name for a stored index: "" for anything outside 0 to 5.
// The stored text is read as a decimal number rounded half to even ("2.5" is 2).
QString honorificText(const QString& storedIndex);

// The name line printed on labels and postcards: the name (joint names as
// "山田　太郎・花子"), one ideographic space and the honorific text.
QString nameLine(const AddressCard& card);

// The print screens' preview of it, with a half-width space instead.
QString previewNameLine(const AddressCard& card);

} // namespace book
