#pragma once

#include <QString>

namespace book {

// A postal code read once from what was typed, for every part of the
// program that reads one: import, the editor, the lookup and printing.
struct PostalCode {
    QString digits; // the seven ASCII digits, or empty when the typed text is not a code
    QString typed;  // as typed, without a leading 〒 and the spaces at its ends

    bool isValid() const { return !digits.isEmpty(); }
    bool isEmpty() const { return typed.isEmpty(); }
    // "100-0013" for a valid code; the typed text otherwise.
    QString written() const;
};

// Reads a typed code. Half-width and full-width digits are both read; one
// dash (any of the look-alikes an input method gives) may stand after the
// third digit; spaces and a leading 〒 are ignored. Seven digits and nothing
// else make a code; nothing is guessed ("100-00" and "1000-013" are not).
PostalCode postalCodeOf(const QString& typed);

// True for every character typed or pasted for a hyphen, in a postal code
// or between an address's numbers: the hyphen-minus and its full-width form,
// the long vowel marks ー and ｰ, the hyphens and dashes U+2010 to U+2015, the
// minus sign − and the box line ─.
bool isHyphenLookAlike(QChar c);

} // namespace book
