#include "entry/AddressEntry.h"

#include "entry/AddressSplit.h"
#include "platform/Messages.h"

namespace entry {

bool splitTypedAddress(AddressEntry& entry, platform::Messages& messages) {
    if (entry.newAddress().isEmpty()) {
        messages.show(QString::fromUtf16(NoAddressText), platform::Buttons::Ok);
        return false;
    }
    const SplitLines lines = splitAddress(entry.newAddress(), entry.keepPrefecture());
    entry.setFieldText(Field::Address1, lines.line1);
    entry.setFieldText(Field::Address2, lines.line2);
    return true;
}

} // namespace entry
