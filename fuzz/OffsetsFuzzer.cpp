// Feeds arbitrary bytes to the offsets reader ("Tagora.opt") and the
// millimetre and twip arithmetic every job does with what it read.
#include "FuzzCheck.h"
#include "FuzzFile.h"

#include "book/LenientNumber.h"
#include "printing/OffsetsFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const QString path = fuzzfile::write(u"Tagora.opt", bytes);
    const printing::MarkerPosition position = printing::readOffsets(path);
    const double x = printing::xMillimetres(position);
    const double y = printing::yMillimetres(position);
    FUZZ_CHECK(!std::isnan(x) && !std::isnan(y));
    printing::millimetreText(x);
    printing::millimetreText(y);
    if (std::isfinite(x) && std::abs(x) < 1e6) {
        const int twips = platform::trimTwipsOf(x);
        FUZZ_CHECK(std::abs(twips - x * platform::TrimTwipsPerMillimetre) <= 0.5);
    }
    book::leadingInteger(position.xPoint);
    book::leadingInteger(position.extra);

    // Saving what was read keeps it: the dialog writes the same texts back.
    const QString copy = fuzzfile::path(u"Copy.opt");
    if (printing::writeOffsets(copy, position).ok()) {
        const printing::MarkerPosition back = printing::readOffsets(copy);
        FUZZ_CHECK(back.xPoint == position.xPoint);
        FUZZ_CHECK(back.yPoint == position.yPoint);
        FUZZ_CHECK(back.extra == position.extra);
    }
    return 0;
}
