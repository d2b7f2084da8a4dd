#pragma once

#include <QString>

namespace book {

// The text with the characters that input methods and web pages give under
// another code point than code page 932's (〜 U+301C, − U+2212, — U+2014,
// ‖ U+2016, ¢ U+00A2, £ U+00A3, ¬ U+00AC) turned into the forms code page
// 932 holds (～ U+FF5E, － U+FF0D, ― U+2015, ∥ U+2225, ￠ U+FFE0, ￡ U+FFE1,
// ￢ U+FFE2). Every other character is left as it is.
QString withCp932LookAlikes(const QString& text);

} // namespace book
