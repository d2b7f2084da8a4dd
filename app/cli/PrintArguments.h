#pragma once

#include "platform/PrintDestination.h"

#include <QHash>
#include <QStringList>

#include <optional>

namespace cli {

// The arguments of a print command: one book, value options written as
// "--name value" or "--name=value" ("-o" is "--output"), and the usage text
// as the error when the book is missing or not exactly one of the output PDF
// and "--printer" is given. An output that is the book itself is an error too.
// "--printer" and "--copies" are options of every print command.
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

// Where the job goes: the PDF of -o, or the queue of --printer (one of
// printerNames) with --copies (1 to 999, default 1), titled jobTitle. nullopt
// with error set for an unknown queue (the message names the queues there
// are), a bad copy count, or copies asked of a PDF (usageError set).
std::optional<platform::PrintDestination> printDestination(const PrintArguments& parsed,
                                                           const QStringList& printerNames,
                                                           const QString& jobTitle, QString& error,
                                                           bool& usageError);

} // namespace cli
