#pragma once

#include <QString>

namespace entry {

// The text fields of the entry forms, numbered as the fields of an address card.
enum class Field {
    Name = 1,       // txtName
    Address1 = 2,   // txtAdd1
    Address2 = 3,   // txtAdd2
    Address3 = 4,   // txtAdd3, the building line
    PostalCode = 5, // txtZip
    Code = 6,       // txtCode
};

// The message shown on every change that leaves a field over its limit.
inline constexpr char16_t TooLongText[] = u"文字数が範囲を超えています。";
// %1 the field's label, %2 its limit, %3 the characters typed.
inline constexpr char16_t TooLongDetailText[] =
    u"「%1」は%2文字までです（いま%"
    u"3文字）。このまま登録できます。印刷では行を分けるか文字を小さくして収めます。";

// The message shown when a typed character could not be stored in the book.
inline constexpr char16_t RefusedCharacterText[] = u"住所録に保存できない文字は入力できません。";

// Largest length, in characters, the card editor accepts without a warning.
int fieldLimit(Field field);

// Length in characters (code points), as the limits count.
int characterCount(const QString& text);

// The text as a book file can hold it: look-alikes typed by input methods
// (〜 U+301C …) in their code page 932 forms, then without the double quote
// (it would end the field), NUL, and anything code page 932 has no code for.
QString withoutRefusedCharacters(const QString& typed);

} // namespace entry
