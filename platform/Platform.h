#pragma once

#include "platform/FileDialogs.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "platform/PrinterProvider.h"

namespace platform {

// The platform services a window is given: message boxes, file dialogs,
// help, the shell, printers and the print dialog. The program passes the Qt ones; tests pass
// the doubles of TestPlatform.
struct Platform {
    Messages& messages;
    FileDialogs& dialogs;
    HelpViewer& help;
    Shell& shell;
    PrinterProvider& printers;
    PrintDialog& printDialog;
};

} // namespace platform
