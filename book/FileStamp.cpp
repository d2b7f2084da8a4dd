#include "book/FileStamp.h"

#include "book/FileBytes.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace book {

FileStamp stampOf(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    FileStamp stamp;
    stamp.exists = info.exists();
    stamp.size = bytes.size();
    stamp.sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return stamp;
}

bool changedSince(const QString& path, const FileStamp& stamp) {
    const QFileInfo info(path);
    if (info.exists() != stamp.exists)
        return true;
    if (!stamp.exists)
        return false;
    if (info.size() != stamp.size)
        return true;
    const std::optional<QByteArray> bytes = readFileBytes(path, nullptr);
    return !bytes || QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256) != stamp.sha256;
}

} // namespace book
