#include "platform/FileDialogs.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace platform {

QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries << parts[i] + u" ("_s + parts[i + 1] + u")"_s;
    return entries.join(u";;"_s);
}

} // namespace platform
