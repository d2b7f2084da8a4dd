#include "zip/CodeCheck.h"

#include "book/PostalCode.h"
#include "zip/PostalCode.h"

using namespace Qt::StringLiterals;

namespace zip {

CodeCheck checkCode(const QString& typedCode, const QString& address,
                    const ZipDirectory& directory) {
    const book::PostalCode code = book::postalCodeOf(typedCode);
    const std::optional<CodeMatch> match = directory.codeForAddress(address);
    if (!code.isValid() || !match || !match->townMatched)
        return {};
    const ZipAddressList places = directory.addressesFor(code.digits);
    // A large office's own code is not in the directory: nothing to say.
    if (places.isEmpty())
        return {};
    const QString comparable = comparableAddress(address);
    for (const ZipAddress& place : places) {
        const QString local = comparableAddress(place.municipality + place.town);
        if (place.code == match->address.code ||
            comparable.startsWith(comparableAddress(place.fullText())) ||
            comparable.startsWith(local))
            return {CodeCheck::Outcome::Matches, {}};
    }
    const ZipAddress& first = places.first();
    const ZipAddress& found = match->address;
    return {CodeCheck::Outcome::Mismatch,
            u"%1 は %2 です。住所は %3: %4 ?"_s.arg(
                formattedCode(code.digits), first.municipality + first.town,
                found.municipality + found.town, formattedCode(found.code))};
}

} // namespace zip
