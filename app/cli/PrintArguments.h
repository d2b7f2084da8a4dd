#pragma once

#include <QHash>
#include <QStringList>

namespace cli {

// The arguments of a print command: one book, value options written as
// "--name value" or "--name=value" ("-o" is "--output"), and the usage text
// as the error when the book or the output is missing. An output that is the
// book itself is an error too.
struct PrintArguments {
    QString book;
    QHash<QString, QString> values; // by option name, "--output" for -o
    QString error;
    bool usageError = false; // the error is in how the command was given, not in its files

    QString value(const QString& option, const QString& fallback = {}) const {
        return values.value(option, fallback);
    }
};

// Reads args; valueOptions names the options that take a value.
PrintArguments readPrintArguments(const QStringList& args, const QStringList& valueOptions,
                                  const QString& usage);

} // namespace cli
