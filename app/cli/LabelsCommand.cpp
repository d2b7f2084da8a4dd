#include "app/cli/Commands.h"

namespace cli {

int runLabels(const QStringList&, Io& io) {
    return fail(io, QStringLiteral("the labels command is not available in this build"));
}

} // namespace cli
