#pragma once

#include <QStringList>
#include <QTextStream>

namespace cli {

// The streams a command writes to (UTF-8) and reads from.
struct Io {
    QTextStream& out;
    QTextStream& err;
    QTextStream& in;
};

// Each command gets the arguments after its command word (--home already
// taken out) and returns the exit code: 0 on success, 1 with one line on err.
int runList(const QStringList& args, Io& io);
int runLabels(const QStringList& args, Io& io);
int runPostcards(const QStringList& args, Io& io);
int runEnvelopes(const QStringList& args, Io& io);
int runSplit(const QStringList& args, Io& io);
int runZip(const QStringList& args, Io& io);
int runBarcode(const QStringList& args, Io& io);
int runImport(const QStringList& args, Io& io);
int runExport(const QStringList& args, Io& io);
int runCheck(const QStringList& args, Io& io);
int runPrinters(const QStringList& args, Io& io);
int runTemplates(const QStringList& args, Io& io);
int runHistory(const QStringList& args, Io& io);

// Writes "tagora: " + message as one line on err and returns 1.
int fail(Io& io, const QString& message);
// Flushes out at the end of a run: when any write to it failed (a full disk,
// a closed pipe) the message says so and a successful exitCode becomes 1.
int checkStandardOutput(Io& io, int exitCode);
// The same for a command line that is not used as the command expects: exit code 2.
int usageError(Io& io, const QString& message);

} // namespace cli
