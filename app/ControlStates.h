#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace app {

// Which of a window's controls and menu commands can be used, by objectName.
// The logic sets them; the window applies them to its widgets and actions.
class ControlStates {
public:
    // Every name starts with the given state.
    ControlStates(const QStringList& enabledNames, const QStringList& disabledNames);

    void enable(const QStringList& names);
    void disable(const QStringList& names);
    void set(const QString& name, bool enabled) { m_enabled.insert(name, enabled); }
    // False for a name never given.
    bool isEnabled(const QString& name) const { return m_enabled.value(name, false); }
    // Every name with its state.
    const QMap<QString, bool>& all() const { return m_enabled; }

private:
    void set(const QStringList& names, bool enabled);

    QMap<QString, bool> m_enabled;
};

} // namespace app
