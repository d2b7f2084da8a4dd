#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// The synopsis head from column 2, its continuations under its second
// word, then text from column 33 of lines at most 79 wide, beside head's
// last line when it fits.
QString helpEntry(const CommandSpec& spec) {
    constexpr qsizetype Column = 33, Width = 79;
    const qsizetype indent = 3 + spec.name.size();
    QStringList lines = wrappedLines(spec.synopsis, Width - 2, Width - indent);
    for (qsizetype i = 0; i < lines.size(); ++i)
        lines[i].prepend(QString(i == 0 ? 2 : indent, u' '));
    const QStringList text = wrappedLines(spec.description, Width - Column, Width - Column);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == 0 && lines.last().size() < Column - 1)
            lines.last() = lines.last().leftJustified(Column, u' ') + text[i];
        else
            lines << QString(Column, u' ') + text[i];
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace

QList<const CommandSpec*> commandSpecs() {
    return {&ListCommand,    &LabelsCommand,    &TemplatesCommand, &PostcardsCommand,
            &HistoryCommand, &EnvelopesCommand, &PrintersCommand,  &SplitCommand,
            &ZipCommand,     &BarcodeCommand,   &ImportCommand,    &ExportCommand,
            &CheckCommand};
}

const CommandSpec* commandNamed(const QString& word) {
    for (const CommandSpec* spec : commandSpecs())
        if (spec->name == word)
            return spec;
    return nullptr;
}

QString usageText() {
    QCommandLineParser parser;
    addProgramOptions(parser);
    const QString options = parser.helpText();
    QString text = uR"(Usage: tagora [--home DIR] [COMMAND ARGS... | BOOK.dat]

With no command, opens the start window; with a book, opens it there.
"tagora COMMAND --help" describes a command and its options. Exit status:
0 done, 1 a file, the printer or standard output failed, 2 a command line
the command cannot use.

Commands:
)"_s;
    for (const CommandSpec* spec : commandSpecs())
        text += helpEntry(*spec);
    return text + u'\n' + options.mid(options.indexOf(u"Options:"_s));
}

QString commandHelp(const QString& command) {
    const CommandSpec* spec = commandNamed(command);
    return spec ? CommandArguments(*spec).helpText() : QString();
}

} // namespace cli
