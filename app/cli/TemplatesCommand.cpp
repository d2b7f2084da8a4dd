#include "app/cli/Commands.h"

#include "labels/SheetLibrary.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// tagora templates [TEXT] [--all]: the sheets the label job can use, one
// summary line each, filtered by TEXT; a sheet that cannot be printed on says
// why. --all also lists each template of the library that was skipped, with
// its reason.
int runTemplates(const CommandArguments& arguments, Io& io) {
    const bool all = arguments.isSet(u"all"_s);
    const QStringList words = arguments.positional();
    labels::SheetLibrary& library = labels::sheetLibrary();
    // The user's own file is always worth a word; the faults of the
    // installed library are logged as it is read.
    for (const QString& problem : library.userProblems())
        io.err << "tagora: " << problem << Qt::endl;
    if (!library.libraryFound())
        io.err << "tagora: no label-template library in " << library.libraryFolder()
               << " (install glabels-data): only the standard sheet and Tagora-sheets.xml"
               << Qt::endl;

    const QList<const labels::SheetTemplate*> found = library.search(words.join(u' '));
    for (const labels::SheetTemplate* sheet : found) {
        io.out << sheet->summary();
        if (!sheet->fault.isEmpty())
            io.out << " — cannot be printed on: " << sheet->fault;
        io.out << '\n';
    }
    if (all) {
        for (const labels::SkippedSheet& skipped : library.skippedSheets())
            io.out << "skipped " << skipped.name << ": " << labels::skipReasonText(skipped) << '\n';
        io.out << found.size() << " sheets; " << library.skippedCount() << " templates skipped\n";
    }
    io.out.flush();
    return 0;
}

} // namespace

const CommandSpec TemplatesCommand{
    u"templates"_s,
    u"templates [TEXT] [--all]"_s,
    u"list the label sheets whose brand, part, size or label count hold TEXT; --all also lists "
    u"the templates skipped, and why"_s,
    {{{u"all"_s}, {}, u"also list the templates skipped, and why"_s}},
    {u"[TEXT...]"_s, u"words the sheets hold"_s, 0, -1},
    runTemplates};

} // namespace cli
