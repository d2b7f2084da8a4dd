#include "barcode/CardBarcode.h"

#include "barcode/AddressNumber.h"
#include "book/PostalCode.h"

using namespace Qt::StringLiterals;

namespace barcode {

namespace {

CardBarcode barcodeOfLines(const QString& typedCode, const QStringList& lines,
                           const zip::ZipDirectory& directory) {
    const book::PostalCode code = book::postalCodeOf(typedCode);
    if (!code.isValid())
        return {std::nullopt, u"郵便番号が7桁ではありません"_s};
    // A code the directory does not hold (a large office's own code) is
    // still a code: its address number is read from the whole address.
    const zip::ZipAddressList places =
        directory.ensureLoaded() ? directory.addressesFor(code.digits) : zip::ZipAddressList();
    const bool municipalityOwn = !places.isEmpty() && std::all_of(places.begin(), places.end(),
                                                                  [](const zip::ZipAddress& place) {
                                                                      return place.town.isEmpty();
                                                                  });
    if (municipalityOwn && code.digits.endsWith(u"00"_s))
        return {std::nullopt, u"町域のない代表の郵便番号です"_s};
    const QString number = addressNumberOf(addressAfterTown(lines, places));
    if (number.isEmpty())
        return {std::nullopt, u"住所に番地がありません"_s};
    return {BarcodeData::of(code.digits, number), {}};
}

} // namespace

CardBarcode barcodeOfCard(const book::AddressCard& card, const zip::ZipDirectory& directory) {
    return barcodeOfLines(card.postalCode, {card.address1, card.address2, card.address3},
                          directory);
}

CardBarcode barcodeOfAddress(const QString& postalCode, const QString& address,
                             const zip::ZipDirectory& directory) {
    return barcodeOfLines(postalCode, {address}, directory);
}

} // namespace barcode
