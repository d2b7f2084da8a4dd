#include "app/cli/Commands.h"

#include "barcode/CardBarcode.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// tagora barcode CODE ADDRESS: the characters the customer barcode of the
// address prints, start to stop ("STC 1 0 0 … 9 SPC"), or why it has none.
int runBarcode(const CommandArguments& arguments, Io& io) {
    const QStringList args = arguments.positional();
    const barcode::CardBarcode found = barcode::barcodeOfAddress(args[0], args[1]);
    if (!found.data)
        return fail(io, u"no barcode: "_s + found.whyNone);
    io.out << found.data->written() << '\n';
    io.out.flush();
    return 0;
}

} // namespace

const CommandSpec BarcodeCommand{
    u"barcode"_s,
    u"barcode CODE ADDRESS"_s,
    u"print the characters of the customer barcode of an address, start to stop"_s,
    {},
    {u"CODE ADDRESS"_s, u"the postal code and the address"_s, 2, 2},
    runBarcode};

} // namespace cli
