#include "zip/ScriptedTownPicker.h"

namespace zip {

int ScriptedTownPicker::pick(const QString& code, const ZipAddressList& choices) {
    m_codes << code;
    m_offered << choices;
    return m_script.isEmpty() ? 0 : m_script.takeFirst();
}

} // namespace zip
