#include "app/cli/CommandOptions.h"

#include "app/cli/Commands.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// QCommandLineParser names an option without its dashes.
QString dashed(const QString& name) {
    return (name.size() == 1 ? u"-"_s : u"--"_s) + name;
}

} // namespace

// A value can only be missing after the last argument: its option, or nullptr.
const OptionSpec* CommandArguments::lastValueOption(const QStringList& args) const {
    if (args.isEmpty())
        return nullptr;
    for (const OptionSpec& option : m_spec.options)
        for (const QString& name : option.names)
            if (!option.valueName.isEmpty() &&
                (args.last() == dashed(name) || args.last() == u"-"_s + name))
                return &option;
    return nullptr;
}

CommandArguments::CommandArguments(const CommandSpec& spec) : m_spec(spec) {
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.setApplicationDescription(spec.description);
    for (const OptionSpec& option : spec.options)
        m_parser.addOption(QCommandLineOption(option.names, option.description, option.valueName));
    m_parser.addOption(QCommandLineOption({u"h"_s, u"help"_s}, u"print this text"_s));
    if (!spec.arguments.name.isEmpty())
        m_parser.addPositionalArgument(spec.arguments.name, spec.arguments.description);
}

bool CommandArguments::parse(const QStringList& args) {
    if (!m_parser.parse(QStringList{u"tagora"_s} + args)) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            m_error = u"unknown option "_s + dashed(unknown.first()) + u"; "_s + usageLine(m_spec);
        } else if (const OptionSpec* option = lastValueOption(args)) {
            m_error = dashed(option->names.last()) + u" needs "_s + option->needs;
        } else {
            m_error = m_parser.errorText();
            m_error[0] = m_error[0].toLower();
            if (m_error.endsWith(u'.'))
                m_error.chop(1);
        }
        return false;
    }
    if (helpAsked())
        return true;
    const qsizetype count = positional().size();
    if (count < m_spec.arguments.min) {
        m_error = usageLine(m_spec);
    } else if (m_spec.arguments.max >= 0 && count > m_spec.arguments.max) {
        const QString extra = positional().at(m_spec.arguments.max);
        m_error = (extra.startsWith(u'-') && extra.size() > 1 ? u"unknown option "_s
                                                              : u"unexpected argument "_s) +
                  extra + u"; "_s + usageLine(m_spec);
    }
    return m_error.isEmpty();
}

QString CommandArguments::helpText() const {
    const QString text = m_parser.helpText();
    const qsizetype options = text.indexOf(u"\n\n"_s);
    const QString indent(7 + m_spec.name.size(), u' ');
    return u"Usage: tagora "_s +
           wrappedLines(m_spec.synopsis, 79 - 14, 79 - indent.size()).join(u'\n' + indent) + u'\n' +
           wrappedLines(m_spec.description, 79, 79).join(u'\n') + text.mid(options);
}

QString CommandArguments::value(const QString& name, const QString& fallback) const {
    return m_parser.isSet(name) ? m_parser.value(name) : fallback;
}

QString CommandArguments::first() const {
    const QStringList arguments = positional();
    return arguments.isEmpty() ? QString() : arguments.first();
}

QStringList wrappedLines(const QString& text, qsizetype firstWidth, qsizetype width) {
    QStringList lines{QString()};
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        QString& line = lines.last();
        if (!line.isEmpty() &&
            line.size() + 1 + word.size() > (lines.size() == 1 ? firstWidth : width))
            lines << word;
        else
            line += (line.isEmpty() ? QString() : u" "_s) + word;
    }
    return lines;
}

QString usageLine(const CommandSpec& spec) {
    return u"usage: tagora "_s + spec.synopsis;
}

int runCommand(const CommandSpec& spec, const QStringList& args, Io& io) {
    CommandArguments arguments(spec);
    if (!arguments.parse(args))
        return usageError(io, arguments.error());
    if (arguments.helpAsked()) {
        io.out << arguments.helpText();
        io.out.flush();
        return 0;
    }
    return spec.run(arguments, io);
}

} // namespace cli
