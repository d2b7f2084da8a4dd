#include "app/cli/Commands.h"

#include "zip/PostalCode.h"
#include "zip/ZipDirectory.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

void printPlace(Io& io, const zip::ZipAddress& place) {
    io.out << zip::formattedCode(place.code) << '\t' << place.prefecture << '\t'
           << place.municipality << '\t' << place.town << '\n';
}

// tagora zip CODE: every place the code covers, one per line (code,
// prefecture, municipality, town). tagora zip --address ADDRESS: the best
// code for the address, with its place; the words after it are the address too.
int runZip(const CommandArguments& arguments, Io& io) {
    const zip::ZipDirectory& directory = zip::ZipDirectory::shipped();
    const QStringList words = arguments.positional();
    if (arguments.isSet(u"address"_s)) {
        const QString address = arguments.value(u"address"_s) + words.join(QString());
        if (address.trimmed().isEmpty())
            return usageError(io, u"--address needs an address"_s);
        if (!directory.ensureLoaded())
            return fail(io, directory.error());
        const auto match = directory.codeForAddress(address);
        if (!match)
            return fail(io, u"no postal code found for the address "_s + address);
        printPlace(io, match->address);
        io.out.flush();
        return 0;
    }
    if (words.size() != 1)
        return usageError(io, usageLine(arguments.spec()));
    const QString code = words.first();
    const QString digits = zip::normalizedCode(code);
    if (digits.isEmpty())
        return fail(io, code + u" is not a 7-digit postal code"_s);
    if (!directory.ensureLoaded())
        return fail(io, directory.error());
    const zip::ZipAddressList places = directory.addressesFor(digits);
    if (places.isEmpty())
        return fail(io, u"no address has the postal code "_s + zip::formattedCode(digits));
    for (const zip::ZipAddress& place : places)
        printPlace(io, place);
    io.out.flush();
    return 0;
}

} // namespace

const CommandSpec ZipCommand{
    u"zip"_s,
    u"zip CODE | zip --address ADDRESS"_s,
    u"look up a postal code, or the code of an address"_s,
    {{{u"address"_s}, u"ADDRESS"_s, u"the address to find the code of"_s, u"an address"_s}},
    {u"CODE"_s, u"the postal code to look up, 7 digits"_s, 0, -1},
    runZip};

} // namespace cli
