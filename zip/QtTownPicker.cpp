#include "zip/QtTownPicker.h"

#include "zip/TownPickerDialog.h"

namespace zip {

int QtTownPicker::pick(const QString& code, const ZipAddressList& choices) {
    TownPickerDialog dialog(code, choices, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return dialog.chosenIndex();
}

} // namespace zip
