#include "app/cli/PrintArguments.h"

#include "platform/SameFile.h"

using namespace Qt::StringLiterals;

namespace cli {

PrintArguments readPrintArguments(const QStringList& args, const QStringList& valueOptions,
                                  const QString& usage) {
    PrintArguments parsed;
    QStringList options = valueOptions;
    options << u"--output"_s;
    for (int i = 0; i < args.size() && parsed.error.isEmpty(); ++i) {
        QString argument = args[i];
        if (argument == u"-o"_s)
            argument = u"--output"_s;
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = argument.startsWith(u"--"_s) && equals > 0 ? argument.left(equals) : argument;
        if (options.contains(name)) {
            if (equals > 0 && name != argument)
                parsed.values[name] = argument.mid(equals + 1);
            else if (i + 1 < args.size())
                parsed.values[name] = args[++i];
            else
                parsed.error = args[i] + u" needs a value"_s;
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            parsed.error = u"unknown option "_s + argument;
        } else if (parsed.book.isEmpty()) {
            parsed.book = argument;
        } else {
            parsed.error = u"more than one book given: "_s + argument;
        }
    }
    if (parsed.error.isEmpty() && (parsed.book.isEmpty() || parsed.value(u"--output"_s).isEmpty()))
        parsed.error = usage;
    parsed.usageError = !parsed.error.isEmpty();
    const QString output = parsed.value(u"--output"_s);
    // The PDF would replace the book, under whatever name or link it is given.
    if (parsed.error.isEmpty() && platform::sameFile(output, parsed.book))
        parsed.error = output + u" is the book being printed; choose another output file"_s;
    return parsed;
}

} // namespace cli
