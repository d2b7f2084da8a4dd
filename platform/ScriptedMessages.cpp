#include "platform/ScriptedMessages.h"

namespace platform {

Answer ScriptedMessages::show(const QString& text, Buttons buttons, const QString& title) {
    m_shown.append({text, buttons, title});
    if (m_look)
        m_look(text);
    if (!m_script.isEmpty())
        return m_script.takeFirst();
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

QStringList ScriptedMessages::texts() const {
    QStringList result;
    for (const Shown& message : m_shown)
        result << message.text;
    return result;
}

} // namespace platform
