#include "app/cli/Commands.h"

#include "platform/QtPrinterProvider.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// tagora printers: the system's queues, one a line, the default one followed
// by a tab and "default".
int runPrinters(const CommandArguments&, Io& io) {
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

} // namespace

const CommandSpec PrintersCommand{u"printers"_s,
                                  u"printers"_s,
                                  u"list the printer queues, the default one marked \"default\""_s,
                                  {},
                                  {},
                                  runPrinters};

} // namespace cli
