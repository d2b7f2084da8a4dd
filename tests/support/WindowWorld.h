#pragma once

#include "platform/ProgramFolder.h"
#include "platform/TestPlatform.h"
#include "session/SessionState.h"
#include "ui/AppContext.h"
#include "ui/RecordingNavigator.h"

#include <QTemporaryDir>

// What a window under test lives in: a temporary folder chosen as the
// program folder, the platform doubles, a fresh shared state and a
// navigator that records which window would open next.
struct WindowWorld {
    QTemporaryDir dir;
    platform::TestPlatform platform;
    session::SessionState state;
    ui::RecordingNavigator navigator;
    ui::AppContext context{state, platform.platform, navigator};

    WindowWorld() { platform::ProgramFolder::choose(dir.path()); }
};
