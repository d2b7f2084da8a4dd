#pragma once

#include <QCommandLineParser>
#include <QList>
#include <QStringList>

namespace cli {

struct Io;
class CommandArguments;

// One option of a command: its names ("o", "output"), the name of its value
// (empty for a switch), one line of help, and what the error says the option
// needs when its value is missing.
struct OptionSpec {
    QStringList names;
    QString valueName;
    QString description;
    QString needs = QStringLiteral("a value");
};

// The arguments a command takes besides its options: their name in the
// help ("BOOK", "FILE..."), a line of help, and how many (max -1: any number).
struct ArgumentSpec {
    QString name;
    QString description;
    int min = 0;
    int max = 0;
};

// A command as the help shows it and the parser reads it: its word, the
// synopsis after "tagora ", a description, its options and how many
// arguments it takes besides them; run does its job on what was parsed.
struct CommandSpec {
    QString name;
    QString synopsis;
    QString description;
    QList<OptionSpec> options;
    ArgumentSpec arguments;
    int (*run)(const CommandArguments& arguments, Io& io) = nullptr;
};

// The arguments of one command read by QCommandLineParser from the
// command's own option table: "--name value", "--name=value", "-o value", and "--" to end
// the options.
class CommandArguments {
public:
    explicit CommandArguments(const CommandSpec& spec);

    // Reads args (those after the command word); false with error() set when
    // an option is unknown or lacks its value, or arguments are missing or extra.
    bool parse(const QStringList& args);
    QString error() const { return m_error; }
    bool helpAsked() const { return m_parser.isSet(QStringLiteral("help")); }
    // "Usage: tagora SYNOPSIS", then QCommandLineParser's description, options and arguments.
    QString helpText() const;

    bool isSet(const QString& name) const { return m_parser.isSet(name); }
    QString value(const QString& name, const QString& fallback = {}) const;
    QStringList positional() const { return m_parser.positionalArguments(); }
    // The first argument besides the options, empty when there is none.
    QString first() const;
    const CommandSpec& spec() const { return m_spec; }

private:
    const OptionSpec* lastValueOption(const QStringList& args) const;

    const CommandSpec& m_spec;
    QCommandLineParser m_parser;
    QString m_error;
};

// The words of text in lines of at most width characters, the first of at
// most firstWidth; a longer word stands alone.
QStringList wrappedLines(const QString& text, qsizetype firstWidth, qsizetype width);

// "usage: tagora SYNOPSIS", the error text of a command line its command cannot use.
QString usageLine(const CommandSpec& spec);

} // namespace cli
