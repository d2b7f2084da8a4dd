#pragma once

#include "platform/Messages.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace platform {

// Test double: answers from a script, in order, and keeps every message shown.
// With the script used up it answers with the first button (OK or Yes).
class ScriptedMessages : public Messages {
public:
    struct Shown {
        QString text;
        Buttons buttons;
        QString title;
    };

    Answer show(const QString& text, Buttons buttons, const QString& title) override;

    void answer(Answer next) { m_script << next; }
    const QList<Shown>& shown() const { return m_shown; }
    QStringList texts() const;
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    int pendingAnswers() const { return int(m_script.size()); }
    void clear() { m_shown.clear(); }
    // Runs while each message is up, as a user looking at the window would.
    void whileShown(std::function<void(const QString& text)> look) { m_look = std::move(look); }

private:
    std::function<void(const QString&)> m_look;
    QList<Answer> m_script;
    QList<Shown> m_shown;
};

} // namespace platform
