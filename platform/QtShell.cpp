#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool QtShell::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

} // namespace platform
