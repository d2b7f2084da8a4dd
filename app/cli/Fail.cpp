#include "app/cli/Commands.h"

namespace cli {

int fail(Io& io, const QString& message) {
    io.err << "tagora: " << message << Qt::endl;
    return 1;
}

int usageError(Io& io, const QString& message) {
    fail(io, message);
    return 2;
}

} // namespace cli
