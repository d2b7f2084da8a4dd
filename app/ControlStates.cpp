#include "app/ControlStates.h"

namespace app {

ControlStates::ControlStates(const QStringList& enabledNames, const QStringList& disabledNames) {
    set(enabledNames, true);
    set(disabledNames, false);
}

void ControlStates::enable(const QStringList& names) {
    set(names, true);
}

void ControlStates::disable(const QStringList& names) {
    set(names, false);
}

void ControlStates::set(const QStringList& names, bool enabled) {
    for (const QString& name : names)
        m_enabled.insert(name, enabled);
}

} // namespace app
