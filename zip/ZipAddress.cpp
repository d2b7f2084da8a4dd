#include "zip/ZipAddress.h"

namespace zip {

QString ZipAddress::fullText() const {
    return prefecture + municipality + town;
}

} // namespace zip
