#include "app/cli/Commands.h"
#include "app/cli/PrintEntries.h"

#include "labels/OffsetsFile.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/QtPrinter.h"
#include "postcard/PostcardJob.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

constexpr char16_t Usage[] =
    u"usage: tagora postcards BOOK [--cards LIST] [--zip-font NAME] [--paper postcard|a4] -o OUT.pdf";

struct PostcardsArguments {
    QString book;
    QString cards;
    QString zipFace = QString::fromUtf16(platform::MinchoFace);
    platform::PaperSize paper = platform::PaperSize::Postcard;
    QString output;
    QString error;
};

PostcardsArguments readArguments(const QStringList& args) {
    PostcardsArguments parsed;
    for (int i = 0; i < args.size(); ++i) {
        const QString& argument = args[i];
        auto value = [&](const QString& option) -> std::optional<QString> {
            if (argument == option) {
                if (i + 1 >= args.size()) {
                    parsed.error = option + u" needs a value"_s;
                    return std::nullopt;
                }
                return args[++i];
            }
            if (argument.startsWith(option + u'='))
                return argument.mid(option.size() + 1);
            return std::nullopt;
        };
        if (auto v = value(u"--cards"_s)) {
            parsed.cards = *v;
        } else if (auto v = value(u"--zip-font"_s)) {
            parsed.zipFace = *v;
        } else if (auto v = value(u"--paper"_s)) {
            if (*v == u"postcard"_s)
                parsed.paper = platform::PaperSize::Postcard;
            else if (*v == u"a4"_s || *v == u"A4"_s)
                parsed.paper = platform::PaperSize::A4;
            else
                parsed.error = u"--paper takes postcard or a4, not "_s + *v;
        } else if (auto v = value(u"-o"_s)) {
            parsed.output = *v;
        } else if (auto v = value(u"--output"_s)) {
            parsed.output = *v;
        } else if (!parsed.error.isEmpty()) {
            return parsed;
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            parsed.error = u"unknown option "_s + argument;
        } else if (parsed.book.isEmpty()) {
            parsed.book = argument;
        } else {
            parsed.error = u"more than one book given: "_s + argument;
        }
        if (!parsed.error.isEmpty())
            return parsed;
    }
    if (parsed.book.isEmpty() || parsed.output.isEmpty())
        parsed.error = QString::fromUtf16(Usage);
    return parsed;
}

} // namespace

// tagora postcards BOOK ... -o OUT.pdf: the postcard job into a PDF, one
// postcard per page, with the postcard trims of the program folder.
int runPostcards(const QStringList& args, Io& io) {
    const PostcardsArguments parsed = readArguments(args);
    if (!parsed.error.isEmpty())
        return fail(io, parsed.error);
    const std::optional<book::CardList> selected = printEntries(parsed.book, parsed.cards, io);
    if (!selected)
        return 1;
    const book::CardList& entries = *selected;

    const labels::MarkerPosition marker =
        labels::readOffsets(platform::ProgramFolder::file(QString::fromUtf16(labels::PostcardOffsetsFileName)));
    postcard::PostcardJobSettings settings;
    settings.zipFace = parsed.zipFace;
    settings.textFace = QString::fromUtf16(platform::MinchoFace);
    settings.xOffsetMillimetres = labels::xMillimetres(marker);
    settings.yOffsetMillimetres = labels::yMillimetres(marker);
    settings.paper = parsed.paper;

    platform::QtPrinter printer(platform::PrintDestination::pdf(parsed.output));
    const postcard::PostcardJobResult result = postcard::printPostcards(printer, entries, settings);
    if (!result.ok())
        return fail(io, parsed.output + u": "_s + result.error);
    io.out << entries.size() << '\n';
    io.out.flush();
    return 0;
}

} // namespace cli
