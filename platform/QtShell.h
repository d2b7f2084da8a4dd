#pragma once

#include "platform/HelpViewer.h"

namespace platform {

// Opens web addresses in the desktop's browser (QDesktopServices).
class QtShell : public Shell {
public:
    bool openUrl(const QString& url) override;
};

} // namespace platform
