#include "app/cli/Commands.h"

namespace cli {

int runSplit(const QStringList&, Io& io) {
    return fail(io, QStringLiteral("the split command is not available in this build"));
}

} // namespace cli
