#pragma once

#include "app/cli/CommandOptions.h"

#include <QStringList>
#include <QTextStream>

namespace cli {

// The streams a command writes to (UTF-8) and reads from.
struct Io {
    QTextStream& out;
    QTextStream& err;
    QTextStream& in;
};

// The commands, in the order of the help. Each command's run gets its parsed
// arguments and returns the exit code: 0 on success, 1 with one line on err
// when a file, the printer or the output failed, 2 for a command line it
// cannot use.
extern const CommandSpec ListCommand;
extern const CommandSpec LabelsCommand;
extern const CommandSpec TemplatesCommand;
extern const CommandSpec PostcardsCommand;
extern const CommandSpec HistoryCommand;
extern const CommandSpec EnvelopesCommand;
extern const CommandSpec PrintersCommand;
extern const CommandSpec SplitCommand;
extern const CommandSpec ZipCommand;
extern const CommandSpec BarcodeCommand;
extern const CommandSpec ImportCommand;
extern const CommandSpec ExportCommand;
extern const CommandSpec CheckCommand;

// Every command, in the order above.
QList<const CommandSpec*> commandSpecs();
// The command of that word, nullptr for none.
const CommandSpec* commandNamed(const QString& word);

// Parses args (those after the command word, --home already taken out) with
// a parser built from the command's option table and runs the command: its
// help for --help, exit code 2 and the parser's error for a line it cannot use.
int runCommand(const CommandSpec& spec, const QStringList& args, Io& io);

inline int runSplit(const QStringList& args, Io& io) {
    return runCommand(SplitCommand, args, io);
}
inline int runZip(const QStringList& args, Io& io) {
    return runCommand(ZipCommand, args, io);
}
inline int runCheck(const QStringList& args, Io& io) {
    return runCommand(CheckCommand, args, io);
}

// Writes "tagora: " + message as one line on err and returns 1.
int fail(Io& io, const QString& message);
// Flushes out at the end of a run: when any write to it failed (a full disk,
// a closed pipe) the message says so and a successful exitCode becomes 1.
int checkStandardOutput(Io& io, int exitCode);
// The same for a command line that is not used as the command expects: exit code 2.
int usageError(Io& io, const QString& message);

} // namespace cli
