#pragma once

#include <QString>

namespace platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// Modal message boxes: one fixed text, a set of buttons, an optional title.
class Messages {
public:
    virtual ~Messages() = default;

    // Shows the text and waits for the user's answer.
    virtual Answer show(const QString& text, Buttons buttons = Buttons::Ok,
                        const QString& title = {}) = 0;
};

} // namespace platform
