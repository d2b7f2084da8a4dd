#include "labels/LabelText.h"

#include "printing/CardForPrint.h"

namespace labels {

LabelText LabelText::forEntry(const book::AddressCard& entry, bool printCode) {
    LabelText text;
    text.card = printing::horizontalTextOf(entry, printCode);
    text.empty = false;
    return text;
}

} // namespace labels
