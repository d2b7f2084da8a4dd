#include "app/cli/Commands.h"
#include "app/cli/PrintArguments.h"
#include "app/cli/PrintEntries.h"

#include "labels/OffsetsFile.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/QtPrinter.h"
#include "postcard/PostcardJob.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

const QString Usage =
    u"usage: tagora postcards BOOK [--cards LIST] [--zip-font NAME] [--paper postcard|a4] -o OUT.pdf"_s;

} // namespace

// tagora postcards BOOK ... -o OUT.pdf: the postcard job into a PDF, one
// postcard per page, with the postcard trims of the program folder.
int runPostcards(const QStringList& args, Io& io) {
    const PrintArguments parsed =
        readPrintArguments(args, {u"--cards"_s, u"--zip-font"_s, u"--paper"_s}, Usage);
    if (!parsed.error.isEmpty())
        return parsed.usageError ? usageError(io, parsed.error) : fail(io, parsed.error);
    const QString output = parsed.value(u"--output"_s);
    const QString paper = parsed.value(u"--paper"_s, u"postcard"_s);
    if (paper != u"postcard"_s && paper.compare(u"a4"_s, Qt::CaseInsensitive) != 0)
        return fail(io, u"--paper takes postcard or a4, not "_s + paper);

    const std::optional<book::CardList> selected = printEntries(parsed.book, parsed.value(u"--cards"_s), io);
    if (!selected)
        return 1;
    const book::CardList& entries = *selected;

    postcard::PostcardJobSettings settings;
    settings.zipFace = parsed.value(u"--zip-font"_s, QString::fromUtf16(platform::MinchoFace));
    settings.textFace = QString::fromUtf16(platform::MinchoFace);
    settings.trims =
        labels::readTrims(platform::ProgramFolder::file(QString::fromUtf16(labels::PostcardOffsetsFileName)));
    settings.paper = paper == u"postcard"_s ? platform::PaperSize::Postcard : platform::PaperSize::A4;

    platform::QtPrinter printer(platform::PrintDestination::pdf(output));
    const postcard::PostcardJobResult result = postcard::printPostcards(printer, entries, settings);
    if (!result.ok())
        return fail(io, result.error);
    io.out << entries.size() << '\n';
    io.out.flush();
    return 0;
}

} // namespace cli
