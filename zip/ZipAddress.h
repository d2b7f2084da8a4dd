#pragma once

#include <QList>
#include <QString>

namespace zip {

// One place a postal code covers: the code's 7 digits ("1000013"), the
// prefecture, the municipality (county and ward included, "横浜市中区") and
// the town ("霞が関"; empty for the municipality's own code).
struct ZipAddress {
    QString code;
    QString prefecture;
    QString municipality;
    QString town;

    // Prefecture, municipality and town written together: "東京都千代田区霞が関".
    QString fullText() const;

    bool operator==(const ZipAddress&) const = default;
};

using ZipAddressList = QList<ZipAddress>;

} // namespace zip
