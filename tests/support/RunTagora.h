#pragma once

#include <QProcess>
#include <QStringList>

// The program as a script runs it (TAGORA_BINARY, with --home first): its
// exit code and what it wrote; exit code -1 when it did not end within a minute.
struct TagoraRun {
    int exitCode = -1;
    QString out, err;
};

inline TagoraRun runTagora(const QString& home, const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TAGORA_BINARY),
                  QStringList{QStringLiteral("--home"), home} + arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
