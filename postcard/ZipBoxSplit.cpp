#include "postcard/ZipBoxSplit.h"

#include "printing/FullWidth.h"
#include "printing/PostalCode.h"

#include <QList>

namespace postcard {

ZipBoxes zipBoxSplit(const QString& fullWidthCode) {
    const QList<uint> characters = fullWidthCode.toUcs4();
    auto characterAt = [&](int index) -> QString {
        if (index >= characters.size())
            return {};
        const char32_t c = char32_t(characters[index]);
        return QString::fromUcs4(&c, 1);
    };
    ZipBoxes boxes;
    const bool hyphenAfterThree = characters.size() > 3 && characters[3] <= 0xFFFF &&
                                  printing::isHyphenLookAlike(QChar(char16_t(characters[3])));
    for (int box = 0; box < ZipBoxCount; ++box) {
        // After the hyphen the boxes skip over it: box 3 takes character 5.
        const int index = (hyphenAfterThree && box >= 3) ? box + 1 : box;
        boxes[box] = characterAt(index);
    }
    return boxes;
}

ZipBoxes zipBoxesOf(const QString& postalCode) {
    const book::PostalCode code = book::postalCodeOf(postalCode);
    if (!code.isValid())
        return {};
    return zipBoxSplit(printing::fullWidthCode(code));
}

} // namespace postcard
