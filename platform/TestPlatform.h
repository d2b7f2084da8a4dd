#pragma once

#include "platform/Platform.h"
#include "platform/RecordingHelp.h"
#include "platform/RecordingPrinterProvider.h"
#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedMessages.h"
#include "platform/ScriptedPrintDialog.h"

namespace platform {

// Every test double in one place, with the Platform that hands them out.
struct TestPlatform {
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    RecordingHelpViewer help;
    RecordingShell shell;
    RecordingPrinterProvider printers;
    ScriptedPrintDialog printDialog;
    Platform platform{messages, dialogs, help, shell, printers, printDialog};
};

} // namespace platform
