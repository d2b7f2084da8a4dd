#include "barcode/BarcodeData.h"

#include <array>

using namespace Qt::StringLiterals;

namespace barcode {

namespace {

using enum Bar;

// Japan Post's table of the 4-state bars, three to a character, in the
// order of the enum's values: 0 to 9, the hyphen, CC1 to CC8.
constexpr std::array<std::array<Bar, 3>, 19> CharacterBars = {{
    {Long, Timing, Timing},        // 0
    {Long, Long, Timing},          // 1
    {Long, Descender, Ascender},   // 2
    {Descender, Long, Ascender},   // 3
    {Long, Ascender, Descender},   // 4
    {Long, Timing, Long},          // 5
    {Descender, Ascender, Long},   // 6
    {Ascender, Long, Descender},   // 7
    {Ascender, Descender, Long},   // 8
    {Timing, Long, Long},          // 9
    {Timing, Long, Timing},        // -
    {Descender, Ascender, Timing}, // CC1
    {Descender, Timing, Ascender}, // CC2
    {Ascender, Descender, Timing}, // CC3
    {Timing, Descender, Ascender}, // CC4
    {Ascender, Timing, Descender}, // CC5
    {Timing, Ascender, Descender}, // CC6
    {Timing, Timing, Long},        // CC7
    {Long, Long, Long},            // CC8
}};

BarcodeCharacter fromValue(int value) {
    return BarcodeCharacter(value);
}

} // namespace

QString characterName(BarcodeCharacter character) {
    const int value = int(character);
    if (character == BarcodeCharacter::Start)
        return u"STC"_s;
    if (character == BarcodeCharacter::Stop)
        return u"SPC"_s;
    if (character == BarcodeCharacter::Hyphen)
        return u"-"_s;
    if (value >= int(BarcodeCharacter::CC1))
        return u"CC"_s + QString::number(value - int(BarcodeCharacter::CC1) + 1);
    return QString::number(value);
}

QList<Bar> barsOf(BarcodeCharacter character) {
    if (character == BarcodeCharacter::Start)
        return {Long, Descender};
    if (character == BarcodeCharacter::Stop)
        return {Descender, Long};
    const auto& bars = CharacterBars[int(character)];
    return {bars.begin(), bars.end()};
}

BarcodeCharacter checkCharacter(const QList<BarcodeCharacter>& data) {
    int sum = 0;
    for (BarcodeCharacter character : data)
        sum += int(character);
    return fromValue((19 - sum % 19) % 19);
}

BarcodeData BarcodeData::of(const QString& postalDigits, const QString& addressNumber) {
    BarcodeData data;
    data.postalDigits = postalDigits;
    data.addressNumber = addressNumber;
    QList<BarcodeCharacter> field;
    for (QChar c : postalDigits)
        field << fromValue(c.unicode() - '0');
    for (QChar c : addressNumber) {
        if (field.size() == DataCharacters)
            break;
        if (c == u'-') {
            field << BarcodeCharacter::Hyphen;
        } else if (c >= u'0' && c <= u'9') {
            field << fromValue(c.unicode() - '0');
        } else if (c >= u'A' && c <= u'Z') {
            // A to J are CC1 with 0 to 9, K to T CC2, U to Z CC3; a letter
            // whose control code falls on the 20th place keeps the code alone.
            const int index = c.unicode() - 'A';
            field << fromValue(int(BarcodeCharacter::CC1) + index / 10);
            if (field.size() < DataCharacters)
                field << fromValue(index % 10);
        }
    }
    while (field.size() < DataCharacters)
        field << BarcodeCharacter::CC4;
    data.characters << BarcodeCharacter::Start << field << checkCharacter(field)
                    << BarcodeCharacter::Stop;
    return data;
}

QString BarcodeData::written() const {
    QStringList names;
    for (BarcodeCharacter character : characters)
        names << characterName(character);
    return names.join(u' ');
}

QList<Bar> BarcodeData::bars() const {
    QList<Bar> all;
    all.reserve(SymbolBars);
    for (BarcodeCharacter character : characters)
        all << barsOf(character);
    return all;
}

} // namespace barcode
