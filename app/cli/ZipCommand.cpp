#include "app/cli/Commands.h"

namespace cli {

int runZip(const QStringList&, Io& io) {
    return fail(io, QStringLiteral("the zip command is not available in this build"));
}

} // namespace cli
