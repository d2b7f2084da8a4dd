#pragma once

#include <QString>

namespace printing {

// A postal code as a job prints it, read once from what was typed.
struct PostalCode {
    QString digits; // the seven ASCII digits when the typed code has exactly seven, else empty
    QString typed;  // as stored on the card, without a leading 〒 and the spaces at its ends

    bool isValid() const { return !digits.isEmpty(); }
    bool isEmpty() const { return typed.isEmpty(); }
    // "８１２－００１１" for a valid code; the typed text in full width otherwise.
    QString fullWidth() const;
    // The postal line of a label: "〒" once, then fullWidth().
    QString line() const;
};

// Reads a typed code: a leading 〒, spaces of either width anywhere, and
// every dash look-alike are dropped, full-width digits count as digits. It
// is valid only when exactly seven digits and nothing else remain; nothing
// is guessed ("100-00" stays invalid).
PostalCode postalCodeOf(const QString& typed);

// The postal line of a typed code: postalCodeOf(typed).line().
QString zipLine(const QString& typed);

} // namespace printing
