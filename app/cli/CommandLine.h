#pragma once

#include <QStringList>

class QCommandLineParser;

namespace cli {

// The command line split into its parts: --home (anywhere), the command
// word, and the rest in order.
struct ParsedCommandLine {
    QString home;
    QString command; // empty: open the start window
    QStringList arguments;
    bool showVersion = false;
    bool showHelp = false;
    bool benchmarkStartup = false; // show the start window, quit after its first frame
    QString error;                 // not empty when the line could not be read
};

// Adds the options that stand before the command word: --home, --version,
// --benchmark-startup and --help.
void addProgramOptions(QCommandLineParser& parser);

// Reads the arguments after the program name.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

// The usage text printed by --help: the program's options and a summary of
// every command.
QString usageText();

// The help of one command ("tagora COMMAND --help"), empty for a command
// that does not exist.
QString commandHelp(const QString& command);

} // namespace cli
