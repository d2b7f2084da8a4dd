#pragma once

#include <QByteArray>
#include <QString>

// The readers under test take paths: each input goes to a file in a folder
// of its own, on a memory file system where there is one.
namespace fuzzfile {

// Path of a file named name in the run's folder.
QString path(QStringView name);

// Writes bytes to the file named name in the run's folder and gives its path.
QString write(QStringView name, const QByteArray& bytes);

} // namespace fuzzfile
