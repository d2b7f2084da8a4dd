#include "app/cli/Commands.h"

#include "zip/PostalCode.h"
#include "zip/ZipDirectory.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

void printPlace(Io& io, const zip::ZipAddress& place) {
    io.out << zip::formattedCode(place.code) << '\t' << place.prefecture << '\t' << place.municipality << '\t'
           << place.town << '\n';
}

} // namespace

// tagora zip CODE: every place the code covers, one per line (code,
// prefecture, municipality, town). tagora zip --address ADDRESS: the best
// code for the address, with its place.
int runZip(const QStringList& args, Io& io) {
    const QString usage = u"usage: tagora zip CODE | tagora zip --address ADDRESS"_s;
    if (args.isEmpty())
        return usageError(io, usage);
    const zip::ZipDirectory& directory = zip::ZipDirectory::shipped();

    if (args.first() == u"--address"_s || args.first().startsWith(u"--address="_s)) {
        QStringList words = args;
        if (words.first() == u"--address"_s)
            words.removeFirst();
        else
            words.first() = words.first().mid(10);
        const QString address = words.join(QString());
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

    if (args.size() != 1 || args.first().startsWith(u"--"_s))
        return usageError(io, usage);
    const QString digits = zip::normalizedCode(args.first());
    if (digits.isEmpty())
        return fail(io, args.first() + u" is not a 7-digit postal code"_s);
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

} // namespace cli
