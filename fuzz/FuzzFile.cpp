#include "FuzzFile.h"

#include "FuzzCheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace fuzzfile {

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir(QDir("/dev/shm").exists()
                                 ? QStringLiteral("/dev/shm/tagora-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/tagora-fuzz-XXXXXX"));
    FUZZ_CHECK(dir.isValid());
    return dir;
}

} // namespace

QString path(QStringView name) {
    return folder().filePath(name.toString());
}

QString write(QStringView name, const QByteArray& bytes) {
    const QString file = path(name);
    QFile out(file);
    FUZZ_CHECK(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(out.write(bytes) == bytes.size());
    return file;
}

} // namespace fuzzfile
