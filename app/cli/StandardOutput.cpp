#include "app/cli/Commands.h"

#include <QFileDevice>

#include <cerrno>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace cli {

int checkStandardOutput(Io& io, int exitCode) {
    io.out.flush();
    QString reason;
    if (io.out.status() != QTextStream::Ok) {
        const auto* file = qobject_cast<const QFileDevice*>(io.out.device());
        reason = file ? file->errorString() : u"the stream failed"_s;
    } else if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        // Qt may have handed its bytes on while the C library still holds them.
        reason = qt_error_string(errno);
    }
    if (reason.isEmpty())
        return exitCode;
    fail(io, u"cannot write to standard output: "_s + reason);
    return exitCode == 0 ? 1 : exitCode;
}

} // namespace cli
