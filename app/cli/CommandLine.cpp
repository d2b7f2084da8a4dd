#include "app/cli/CommandLine.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace cli {

void addProgramOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addOption({u"home"_s,
                      u"the folder of Tagora.ini, Tagora.opt, Tagora1.opt, Tagora2.opt and "
                      u"Tagora-sheets.xml (default $TAGORA_HOME, else $XDG_DATA_HOME/tagora)"_s,
                      u"DIR"_s});
    parser.addOption({{u"V"_s, u"version"_s}, u"print the version"_s});
    parser.addOption(
        {u"benchmark-startup"_s, u"open the start window and quit once it is on screen"_s});
    parser.addOption({{u"h"_s, u"help"_s}, u"print this text"_s});
    parser.addPositionalArgument(u"COMMAND"_s, u"one of the commands above, or a book to open"_s);
}

namespace {

// --home DIR and --home=DIR may stand anywhere, also among a command's
// arguments; takes them out of arguments and returns the folder.
QString takeHome(QStringList& arguments, QString& error) {
    QString home;
    for (qsizetype i = 0; i < arguments.size();) {
        if (arguments[i] == u"--home"_s) {
            if (i + 1 >= arguments.size()) {
                error = u"missing value after '--home'"_s;
                return home;
            }
            home = arguments[i + 1];
            arguments.remove(i, 2);
        } else if (arguments[i].startsWith(u"--home="_s)) {
            home = arguments.takeAt(i).mid(7);
        } else {
            ++i;
        }
    }
    return home;
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    ParsedCommandLine parsed;
    QStringList rest = arguments;
    parsed.home = takeHome(rest, parsed.error);
    if (!parsed.error.isEmpty())
        return parsed;
    QCommandLineParser parser;
    addProgramOptions(parser);
    if (!parser.parse(QStringList{u"tagora"_s} + rest)) {
        const QStringList unknown = parser.unknownOptionNames();
        parsed.error = unknown.isEmpty() ? parser.errorText()
                                         : u"unknown option "_s +
                                               (unknown.first().size() == 1 ? u"-"_s : u"--"_s) +
                                               unknown.first() + u" (see tagora --help)"_s;
        return parsed;
    }
    parsed.showVersion = parser.isSet(u"version"_s);
    parsed.showHelp = parser.isSet(u"help"_s);
    parsed.benchmarkStartup = parser.isSet(u"benchmark-startup"_s);
    parsed.arguments = parser.positionalArguments();
    if (!parsed.arguments.isEmpty())
        parsed.command = parsed.arguments.takeFirst();
    return parsed;
}

} // namespace cli
