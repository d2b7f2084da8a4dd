#include "platform/FileDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace platform {

QString dialogStartFolder(const QString& bookPath) {
    const QFileInfo book(bookPath);
    if (!bookPath.isEmpty() && book.isFile())
        return book.absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // "データファイル(*.dat)|*.dat" names its pattern already; the dialog
        // would show it twice.
        const QString pattern = u'(' + parts[i + 1] + u')';
        const QString name = parts[i].trimmed();
        entries << (name.endsWith(pattern) ? name : name + u' ' + pattern);
    }
    return entries.join(u";;"_s);
}

} // namespace platform
