#include "app/cli/Commands.h"

#include "labels/SheetLibrary.h"

using namespace Qt::StringLiterals;

namespace cli {

// tagora templates [TEXT] [--all]: the sheets the label job can use, one
// summary line each, filtered by TEXT; --all also says how many templates of
// the library were skipped and which were faulty.
int runTemplates(const QStringList& args, Io& io) {
    bool all = false;
    QStringList words;
    for (const QString& argument : args) {
        if (argument == u"--all"_s)
            all = true;
        else if (argument.startsWith(u'-') && argument.size() > 1)
            return usageError(io, u"unknown option "_s + argument);
        else
            words << argument;
    }
    labels::SheetLibrary& library = labels::sheetLibrary();
    // The user's own file is always worth a word; the faults of the
    // installed library only with --all.
    for (const QString& problem : library.problems())
        if (all || problem.startsWith(library.userFile()))
            io.err << "tagora: " << problem << Qt::endl;
    if (!library.libraryFound())
        io.err << "tagora: no label-template library in " << library.libraryFolder()
               << " (install glabels-data): only the standard sheet and Tagora-sheets.xml" << Qt::endl;

    const QList<const labels::SheetTemplate*> found = library.search(words.join(u' '));
    for (const labels::SheetTemplate* sheet : found)
        io.out << sheet->summary() << '\n';
    if (all)
        io.out << found.size() << " sheets; " << library.skippedCount()
               << " templates skipped (CD, round and other shapes, other papers)\n";
    io.out.flush();
    return 0;
}

} // namespace cli
