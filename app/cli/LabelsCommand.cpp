#include "app/cli/Commands.h"
#include "app/cli/PrintEntries.h"

#include "labels/LabelSheets.h"
#include "labels/OffsetsFile.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/QtPrinter.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

const QString Usage = u"usage: tagora labels BOOK [--start N] [--font NAME] [--cards LIST] -o OUT.pdf"_s;

struct LabelsArguments {
    QString book;
    QString start = u"1"_s;
    QString font = QStringView(platform::MinchoFace).toString();
    QString cards;
    QString output;
    QString error;
};

LabelsArguments readArguments(const QStringList& args) {
    LabelsArguments parsed;
    for (int i = 0; i < args.size(); ++i) {
        const QString& argument = args[i];
        auto value = [&](QString* target) {
            if (i + 1 >= args.size()) {
                parsed.error = argument + u" needs a value"_s;
                return;
            }
            *target = args[++i];
        };
        if (argument == u"--start"_s)
            value(&parsed.start);
        else if (argument == u"--font"_s)
            value(&parsed.font);
        else if (argument == u"--cards"_s)
            value(&parsed.cards);
        else if (argument == u"-o"_s || argument == u"--output"_s)
            value(&parsed.output);
        else if (argument.startsWith(u'-') && argument.size() > 1)
            parsed.error = u"unknown option "_s + argument;
        else if (parsed.book.isEmpty())
            parsed.book = argument;
        else
            parsed.error = u"more than one book given: "_s + argument;
        if (!parsed.error.isEmpty())
            break;
    }
    if (parsed.error.isEmpty() && (parsed.book.isEmpty() || parsed.output.isEmpty()))
        parsed.error = Usage;
    return parsed;
}

} // namespace

// tagora labels: the label job of the print screen into a PDF, with the
// offsets file of the program folder; prints the sheet count.
int runLabels(const QStringList& args, Io& io) {
    const LabelsArguments parsed = readArguments(args);
    if (!parsed.error.isEmpty())
        return fail(io, parsed.error);

    bool numeric = false;
    const int start = parsed.start.toInt(&numeric);
    if (!numeric || start < 1 || start > 12)
        return fail(io, u"the start label must be 1 to 12, not "_s + parsed.start);

    const std::optional<book::CardList> selected = printEntries(parsed.book, parsed.cards, io);
    if (!selected)
        return 1;
    const book::CardList& entries = *selected;

    const labels::MarkerPosition marker =
        labels::readOffsets(platform::ProgramFolder::file(QStringView(labels::LabelOffsetsFileName).toString()));
    labels::LabelSheets sheets(entries, QString::number(start), parsed.font,
                               labels::millimetreText(labels::xMillimetres(marker)),
                               labels::millimetreText(labels::yMillimetres(marker)));

    platform::QtPrinter printer(platform::PrintDestination::pdf(parsed.output));
    if (!printer.begin(platform::PaperSize::A4))
        return fail(io, printer.errorText());
    sheets.drawAll(printer);
    if (!printer.endDoc())
        return fail(io, printer.errorText());
    io.out << sheets.sheetCountText() << '\n';
    io.out.flush();
    return 0;
}

} // namespace cli
