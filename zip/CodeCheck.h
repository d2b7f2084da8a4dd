#pragma once

#include "zip/ZipDirectory.h"

#include <QString>

#include <optional>

namespace zip {

// What the directory says of a card's postal code and its address.
struct CodeCheck {
    enum class Outcome {
        Matches,   // a place of the code starts the address
        Mismatch,  // the address has a place of its own, with another code
        Unchecked, // no code, a code or an address the directory does not hold
    };
    Outcome outcome = Outcome::Unchecked;
    // For a mismatch: "100-0001 は 千代田区千代田 です。住所は 千代田区丸の内: 100-0005 ?"
    QString message;
};

// The card's code (as typed; cleaned first) checked against its address
// (address 1 and 2 together). The directory must be loaded.
CodeCheck checkCode(const QString& typedCode, const QString& address,
                    const ZipDirectory& directory);

} // namespace zip
