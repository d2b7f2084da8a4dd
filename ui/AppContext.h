#pragma once

#include "ui/Navigator.h"
#include "book/SharedState.h"
#include "platform/Platform.h"

namespace ui {

// What every window is given: the shared state, the platform services and
// the way to the other windows.
struct AppContext {
    book::SharedState& state;
    platform::Platform& platform;
    Navigator& navigator;
};

} // namespace ui
