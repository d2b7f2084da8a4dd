#pragma once

#include "barcode/BarcodeData.h"
#include "book/AddressCard.h"
#include "zip/ZipDirectory.h"

#include <QString>

#include <optional>

namespace barcode {

// A card's customer barcode, or why it gets none.
struct CardBarcode {
    std::optional<BarcodeData> data;
    QString whyNone; // "郵便番号が7桁ではありません"; empty when there is a barcode
};

// The barcode of a card: its postal code and the address number of its
// three address lines. None for a code that is not 7 digits, for a
// municipality's own code (Japan Post gives those no barcode: they do not
// say which town), and for an address with no number.
CardBarcode barcodeOfCard(const book::AddressCard& card,
                          const zip::ZipDirectory& directory = zip::ZipDirectory::shipped());

// The barcode of a postal code and an address written on one line, as the
// command line takes them.
CardBarcode barcodeOfAddress(const QString& postalCode, const QString& address,
                             const zip::ZipDirectory& directory = zip::ZipDirectory::shipped());

} // namespace barcode
