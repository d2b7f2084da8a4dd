#include "platform/ProgramFolder.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

QString& chosenPath() {
    static QString path;
    return path;
}

QString defaultPath() {
    const QString fromEnvironment = qEnvironmentVariable("TAGORA_HOME");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        dataHome = QDir::homePath() + u"/.local/share"_s;
    return dataHome + u"/tagora"_s;
}

} // namespace

void ProgramFolder::choose(const QString& homeOption) {
    const QString path = homeOption.isEmpty() ? defaultPath() : homeOption;
    chosenPath() = QDir::cleanPath(QDir(path).absolutePath());
}

QString ProgramFolder::path() {
    if (chosenPath().isEmpty())
        choose(QString());
    return chosenPath();
}

bool ProgramFolder::ensureExists() {
    return QDir().mkpath(path());
}

QString ProgramFolder::file(const QString& name) {
    const QDir folder(path());
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return folder.filePath(name);
}

} // namespace platform
