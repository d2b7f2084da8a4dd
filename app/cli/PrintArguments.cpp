#include "app/cli/PrintArguments.h"

#include "platform/SameFile.h"

using namespace Qt::StringLiterals;

namespace cli {

PrintArguments readPrintArguments(const QStringList& args, const QStringList& valueOptions,
                                  const QString& usage) {
    PrintArguments parsed;
    QStringList options = valueOptions;
    options << u"--output"_s << u"--printer"_s << u"--copies"_s;
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
    const bool toFile = !parsed.value(u"--output"_s).isEmpty();
    const bool toPrinter = !parsed.value(u"--printer"_s).isEmpty();
    if (parsed.error.isEmpty() && (parsed.book.isEmpty() || toFile == toPrinter))
        parsed.error = usage;
    parsed.usageError = !parsed.error.isEmpty();
    const QString output = parsed.value(u"--output"_s);
    // The PDF would replace the book, under whatever name or link it is given.
    if (parsed.error.isEmpty() && toFile && platform::sameFile(output, parsed.book))
        parsed.error = output + u" is the book being printed; choose another output file"_s;
    return parsed;
}

std::optional<platform::PrintDestination> printDestination(const PrintArguments& parsed,
                                                           const QStringList& printerNames,
                                                           const QString& jobTitle, QString& error,
                                                           bool& usageError) {
    usageError = false;
    const QString copiesText = parsed.value(u"--copies"_s);
    const QString queue = parsed.value(u"--printer"_s);
    if (queue.isEmpty()) {
        if (!copiesText.isEmpty()) {
            error = u"--copies needs --printer; a PDF holds one copy"_s;
            usageError = true;
            return std::nullopt;
        }
        platform::PrintDestination destination =
            platform::PrintDestination::pdf(parsed.value(u"--output"_s));
        destination.jobTitle = jobTitle;
        return destination;
    }
    bool numeric = true;
    const int copies = copiesText.isEmpty() ? 1 : copiesText.toInt(&numeric);
    if (!numeric || copies < 1 || copies > 999) {
        error = u"the number of copies must be 1 to 999, not "_s + copiesText;
        return std::nullopt;
    }
    if (!printerNames.contains(queue)) {
        error = printerNames.isEmpty()
                    ? u"no printer named "_s + queue + u": no printers are installed"_s
                    : u"no printer named "_s + queue + u"; the printers are: "_s +
                          printerNames.join(u", "_s);
        return std::nullopt;
    }
    platform::PrintDestination destination = platform::PrintDestination::printer(queue);
    destination.jobTitle = jobTitle;
    destination.copies = copies;
    return destination;
}

} // namespace cli
