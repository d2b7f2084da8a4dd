#include "app/cli/Commands.h"

#include "platform/QtPrinterProvider.h"

using namespace Qt::StringLiterals;

namespace cli {

// tagora printers: the system's queues, one a line, the default one followed
// by a tab and "default".
int runPrinters(const QStringList& args, Io& io) {
    if (!args.isEmpty())
        return usageError(io, u"usage: tagora printers"_s);
    const platform::QtPrinterProvider printers;
    const QStringList names = printers.printerNames();
    if (names.isEmpty()) {
        io.err << "tagora: no printers are installed" << Qt::endl;
        return 0;
    }
    const QString defaultName = printers.defaultPrinterName();
    for (const QString& name : names)
        io.out << name << (name == defaultName ? u"\tdefault"_s : QString()) << '\n';
    io.out.flush();
    return 0;
}

} // namespace cli
