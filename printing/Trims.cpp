#include "printing/Trims.h"

#include <cmath>

namespace printing {

int millimetresToTwips(double millimetres) {
    return int(std::lround(millimetres * TwipsPerMillimetre));
}

} // namespace printing
