#pragma once

#include "zip/ZipAddress.h"

#include <QString>
#include <QStringList>

namespace barcode {

// The address number (住所表示番号) of the part of an address after its town
// name, by Japan Post's extraction rules: "1丁目3番2号 郵便プラザ503室" gives
// "1-3-2-503", "東3丁目-20-5 郵便・A&bコーポB604号" gives "3-20-5B604".
// Empty when that part holds no number.
QString addressNumberOf(const QString& afterTown);

// The part of an address after its town name, which is where the address
// number comes from: the town a postal code covers (places, from the postal
// code directory) found in the address lines, or, when none of them is,
// what follows the municipality with the leading name left out. Lines are
// read as if parted by a blank.
QString addressAfterTown(const QStringList& lines, const zip::ZipAddressList& places);

} // namespace barcode
