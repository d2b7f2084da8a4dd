#pragma once

#include "ui/Navigator.h"
#include "session/SessionState.h"
#include "platform/Platform.h"

namespace ui {

// What every window is given: the shared state, the platform services and
// the way to the other windows.
struct AppContext {
    session::SessionState& state;
    platform::Platform& platform;
    Navigator& navigator;
};

} // namespace ui
