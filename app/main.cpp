#include "app/Gui.h"
#include "app/cli/CommandLine.h"
#include "app/cli/Commands.h"
#include "book/FileName.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/QtTranslations.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QStringConverter>

#include <csignal>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The arguments as UTF-8; the bytes of a file name that is not UTF-8 are
// kept, so the file is read and written under its own name.
QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << book::fileNameText(QByteArray(argv[i]));
    return arguments;
}

// Commands print one clear line on failure; Qt's note that it made up a
// runtime folder is not news to the user.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type <= QtWarningMsg && message.contains(u"XDG_RUNTIME_DIR"_s))
        return;
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + u'\n'), stderr);
}

// A word that names a file rather than a command: a book's or contacts
// file's extension, or a file that is there.
bool isBookName(const QString& word) {
    const QString suffix = QFileInfo(word).suffix().toLower();
    return suffix == u"dat"_s || suffix == u"csv"_s || suffix == u"vcf"_s ||
           QFileInfo(word).isFile();
}

} // namespace

int main(int argc, char** argv) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTextStream in(stdin);
    for (QTextStream* stream : {&out, &err, &in})
        stream->setEncoding(QStringConverter::Utf8);
    cli::Io io{out, err, in};

    const cli::ParsedCommandLine parsed = cli::parseCommandLine(argumentsOf(argc, argv));
    if (!parsed.error.isEmpty())
        return cli::usageError(io, parsed.error);
    if (parsed.showVersion) {
        out << "tagora " << TAGORA_VERSION << '\n';
        return cli::checkStandardOutput(io, 0);
    }
    if (parsed.showHelp) {
        out << cli::usageText();
        return cli::checkStandardOutput(io, 0);
    }
    platform::ProgramFolder::choose(parsed.home);
    // A file-size limit must make a save fail with a message, not kill the
    // program half-way; the old file then stays as it was.
    std::signal(SIGXFSZ, SIG_IGN);

    // "tagora BOOK.dat" (a file manager's double-click) opens the start window on the book.
    const bool bookGiven = !parsed.command.isEmpty() && !cli::commandNamed(parsed.command) &&
                           parsed.arguments.isEmpty() && isBookName(parsed.command);
    if (parsed.command.isEmpty() || bookGiven) {
        QApplication application(argc, argv);
        // Every text of the program is Japanese, so Qt's own buttons and
        // dialogs are too, whatever the desktop's language.
        platform::installQtTranslations(application, QLocale(QLocale::Japanese, QLocale::Japan));
        platform::registerFontSubstitutions();
        return app::runGui(parsed.benchmarkStartup,
                           bookGiven ? QFileInfo(parsed.command).absoluteFilePath() : QString());
    }
    // Commands draw into PDFs and need fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication application(argc, argv);
    platform::registerFontSubstitutions();
    const cli::CommandSpec* command = cli::commandNamed(parsed.command);
    const int exitCode = command ? cli::runCommand(*command, parsed.arguments, io)
                                 : cli::usageError(io, u"unknown command "_s + parsed.command +
                                                           u" (see tagora --help)"_s);
    return cli::checkStandardOutput(io, exitCode);
}
