#pragma once

#include "platform/Platform.h"
#include "session/SessionState.h"
#include "ui/Navigator.h"

namespace ui {

// What every window is given: the shared state, the platform services and
// the way to the other windows.
struct AppContext {
    session::SessionState& state;
    platform::Platform& platform;
    Navigator& navigator;
};

} // namespace ui
