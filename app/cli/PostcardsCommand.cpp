#include "app/cli/Commands.h"

namespace cli {

int runPostcards(const QStringList&, Io& io) {
    return fail(io, QStringLiteral("the postcards command is not available in this build"));
}

} // namespace cli
