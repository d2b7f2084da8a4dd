#pragma once

#include "zip/ZipAddress.h"

namespace zip {

// Lets the user choose one of the places a postal code covers.
class TownPicker {
public:
    virtual ~TownPicker() = default;

    // Shows the choices for the code (7 digits) and waits; the chosen index, or -1 when cancelled.
    virtual int pick(const QString& code, const ZipAddressList& choices) = 0;
};

} // namespace zip
