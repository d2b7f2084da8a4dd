#pragma once

#include <QList>
#include <QString>

namespace barcode {

// One character of the customer barcode. The values 0 to 18 are the ones the
// check digit is computed with: the digits, the hyphen, then the control
// codes CC1 to CC8.
enum class BarcodeCharacter : quint8 {
    Digit0 = 0,
    Hyphen = 10,
    CC1 = 11,
    CC2,
    CC3,
    CC4,
    CC5,
    CC6,
    CC7,
    CC8,
    Start,
    Stop,
};

// The four bars a character is drawn with: a long bar, a semi-long bar
// reaching up or down from the timing bar's band, and the short timing bar.
enum class Bar : quint8 { Long, Ascender, Descender, Timing };

// The digits and the control codes after the postal code.
inline constexpr int AddressCharacters = 13;
// The postal code and the address number: what the check digit covers.
inline constexpr int DataCharacters = 7 + AddressCharacters;
// Start, the data, the check digit and stop.
inline constexpr int SymbolCharacters = DataCharacters + 3;
// Two bars for start and for stop, three for every other character.
inline constexpr int SymbolBars = 2 + 3 * (DataCharacters + 1) + 2;

// What one customer barcode says: start code, the 7 digits of the postal
// code, the address number in 13 characters (a letter as a control code and
// a digit, padded with CC4), the check digit and the stop code.
struct BarcodeData {
    QString postalDigits;  // "1000013"
    QString addressNumber; // "1-3-2-503", as it was extracted, before it was cut or padded
    QList<BarcodeCharacter> characters; // all 23, start to stop

    // The barcode for a postal code of 7 ASCII digits and an address number
    // of digits, hyphens and letters A to Z. The address number is cut so
    // that the data holds 20 characters; a letter whose control code is the
    // 20th keeps that code alone.
    static BarcodeData of(const QString& postalDigits, const QString& addressNumber);

    // The characters as people write them, start to stop, one space apart:
    // "STC 1 0 0 0 0 1 3 1 - 3 - 2 - 5 0 3 CC4 CC4 CC4 CC4 9 SPC".
    QString written() const;
    // The 67 bars, left to right.
    QList<Bar> bars() const;
};

// "0" to "9", "-", "CC1" to "CC8", "STC" or "SPC".
QString characterName(BarcodeCharacter character);
// The three bars of a character, or the two of start and stop.
QList<Bar> barsOf(BarcodeCharacter character);
// The check character that makes the values of the 20 data characters add
// up to a multiple of 19.
BarcodeCharacter checkCharacter(const QList<BarcodeCharacter>& data);

} // namespace barcode
