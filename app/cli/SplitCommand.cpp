#include "app/cli/Commands.h"

#include "book/LookAlikes.h"
#include "entry/AddressSplit.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// One output line per address; an empty address gives an empty line (and a
// note on err) so that output lines stay matched with input lines.
void splitOne(const QString& typed, bool keepPrefecture, Io& io) {
    // The lines go into books: look-alikes come out in their code page 932 forms.
    const QString address = book::withCp932LookAlikes(typed);
    if (address.isEmpty()) {
        io.err << QString::fromUtf16(entry::NoAddressText) << '\n';
        io.err.flush();
        io.out << '\n';
        return;
    }
    const entry::SplitLines lines = entry::splitAddress(address, keepPrefecture);
    io.out << lines.line1 << '\t' << lines.line2 << '\n';
}

// tagora split [--no-prefecture] [ADDRESS...]: line 1, a tab and line 2 for
// each address, or for each line of standard input when none is given.
int runSplit(const CommandArguments& arguments, Io& io) {
    const bool keepPrefecture = !arguments.isSet(u"no-prefecture"_s);
    const QStringList addresses = arguments.positional();
    if (!addresses.isEmpty()) {
        for (const QString& address : addresses)
            splitOne(address, keepPrefecture, io);
    } else {
        QString line;
        while (io.in.readLineInto(&line)) {
            if (line.endsWith(u'\r'))
                line.chop(1);
            splitOne(line, keepPrefecture, io);
        }
    }
    io.out.flush();
    return 0;
}

} // namespace

const CommandSpec SplitCommand{
    u"split"_s,
    u"split [--no-prefecture] [ADDRESS...]"_s,
    u"split one-line addresses into two lines (line 1, a tab, line 2), or each line of standard "
    u"input when none is given"_s,
    {{{u"no-prefecture"_s}, {}, u"leave the prefecture out of line 1"_s}},
    {u"[ADDRESS...]"_s, u"the addresses to split"_s, 0, -1},
    runSplit};

} // namespace cli
