#pragma once

#include "platform/Messages.h"

namespace platform {

// Message boxes as QMessageBox, titled with the program's name unless a
// title is given.
class QtMessages : public Messages {
public:
    Answer show(const QString& text, Buttons buttons, const QString& title) override;
};

} // namespace platform
