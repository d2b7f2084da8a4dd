#include "labels/Trims.h"

#include <cmath>

namespace labels {

int millimetresToTwips(double millimetres) {
    return int(std::lround(millimetres * TwipsPerMillimetre));
}

} // namespace labels
