#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The faces the layouts name: the Windows Mincho and the postal-code face.
inline constexpr char16_t MinchoFace[] = u"ＭＳ 明朝";
inline constexpr char16_t OcrBFace[] = u"OCR-B";

// Installed family that prints a face name: the name itself when installed,
// a Japanese Mincho for the Mincho names ("ＭＳ 明朝", "ＭＳ明朝", "MS Mincho"),
// "OCR B" for "OCR-B", and the Mincho for any face that is not installed,
// so a job never falls back to a face without Japanese glyphs.
QString printableFamily(const QString& face);

// Registers the Mincho and OCR-B names as substitutes of installed families,
// so widgets that ask for them by name show the same faces as the paper.
// Needs a QGuiApplication.
void registerFontSubstitutions();

// Width in twips of text in a face at a size, as a printer sets it. Without
// a QGuiApplication (the logic tests) there is no font database, so every
// character counts as a square of the size, half that for half-width ones.
double textWidthTwips(const QString& face, double points, const QString& text);

// Face names to offer the user: the layout's own names first, then the
// installed families in the font database's order.
QStringList availableFaces();

} // namespace platform
