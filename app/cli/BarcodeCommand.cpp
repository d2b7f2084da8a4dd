#include "app/cli/Commands.h"

#include "barcode/CardBarcode.h"

using namespace Qt::StringLiterals;

namespace cli {

// tagora barcode CODE ADDRESS: the characters the customer barcode of the
// address prints, start to stop ("STC 1 0 0 … 9 SPC"), or why it has none.
int runBarcode(const QStringList& args, Io& io) {
    if (args.size() != 2 || args[0].startsWith(u"--"_s))
        return usageError(io, u"usage: tagora barcode CODE ADDRESS"_s);
    const barcode::CardBarcode found = barcode::barcodeOfAddress(args[0], args[1]);
    if (!found.data)
        return fail(io, u"no barcode: "_s + found.whyNone);
    io.out << found.data->written() << '\n';
    io.out.flush();
    return 0;
}

} // namespace cli
