#include "app/cli/CommandLine.h"

using namespace Qt::StringLiterals;

namespace cli {

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    ParsedCommandLine parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--home"_s) {
            if (i + 1 >= arguments.size()) {
                parsed.error = u"--home needs a folder"_s;
                return parsed;
            }
            parsed.home = arguments[++i];
        } else if (argument.startsWith(u"--home="_s)) {
            parsed.home = argument.mid(7);
        } else if (parsed.command.isEmpty() && (argument == u"--version"_s || argument == u"-V"_s)) {
            parsed.showVersion = true;
        } else if (parsed.command.isEmpty() && argument == u"--benchmark-startup"_s) {
            parsed.benchmarkStartup = true;
        } else if (parsed.command.isEmpty() && (argument == u"--help"_s || argument == u"-h"_s)) {
            parsed.showHelp = true;
        } else if (parsed.command.isEmpty()) {
            if (argument.startsWith(u'-')) {
                parsed.error = u"unknown option "_s + argument;
                return parsed;
            }
            parsed.command = argument;
        } else {
            parsed.arguments << argument;
        }
    }
    return parsed;
}

QString usageText() {
    return uR"(Usage: tagora [--home DIR] [COMMAND ARGS... | BOOK.dat]

With no command, opens the start window; with a book, opens it there.

Commands:
  list BOOK [--filter FILTER [--year Y]]
                                 print every card of BOOK (or the cards FILTER
                                 takes), tab-separated
  labels BOOK [--template "BRAND PART"] [--start N] [--font NAME] [--cards LIST]
         [--filter FILTER [--year Y]] [--no-code] [--barcode]
         (-o OUT.pdf | --printer QUEUE [--copies N])
                                 print BOOK on label sheets into a PDF or on a
                                 printer (the standard A4 sheet of 12, or the
                                 sheet named); --barcode adds Japan Post's
                                 customer barcode below each name
  templates [TEXT] [--all]       list the label sheets whose brand, part, size
                                 or label count hold TEXT; --all also counts
                                 the templates skipped
  postcards BOOK [--cards LIST] [--filter FILTER [--year Y]] [--zip-font NAME] [--paper postcard|a4]
            [--vertical] [--sender FILE] [--no-code] [--barcode]
            (-o OUT.pdf | --printer QUEUE [--copies N])
                                 print BOOK on postcards into a PDF or on a printer;
                                 cards with no name or address are left out, and
                                 they, odd postal codes and cards set smaller are
                                 listed on stderr; --no-code leaves the code line out;
                                 --barcode adds the customer barcode where it fits
  history BOOK [--year Y]        list the New Year card record of BOOK: card
                                 number, name, the marks of each year (送 sent,
                                 受 received, 喪 mourning) and the groups
  history BOOK --card N [--year Y] (--set|--unset) sent|received|mourning|note|group:NAME [--note TEXT]
                                 change card N's record; --note gives the
                                 mourning note with mourning, else the year's note.
                                 FILTER is sent-last-year, received-not-sent,
                                 no-mourning, mourning or group:NAME; Y is the
                                 New Year (default the coming one: from October,
                                 next year's). The record is kept in BOOK.tagora
                                 beside BOOK; the book itself is never changed.
  envelopes BOOK --size naga3|naga4|kaku2|you2|younaga3|WxH [--cards LIST] [--filter FILTER [--year Y]]
            [--vertical] [--back] [--sender FILE] [--no-code] [--barcode]
            (-o OUT.pdf | --printer QUEUE [--copies N])
                                 print BOOK on envelopes (also 長3, 長4, 角2, 洋2, 洋長3,
                                 or W x H mm) into a PDF or on a printer; the code
                                 goes in the boxes of 長3 and 長4; --back adds a page
                                 with the sender (--sender FILE, else the saved one)
                                 for the back of each envelope
  printers                       list the printer queues, the default one marked "default"
  split [--no-prefecture] [ADDRESS...]
                                 split one-line addresses into two lines
  zip CODE | zip --address ADDRESS
                                 look up a postal code or an address
  barcode CODE ADDRESS           print the characters of the customer barcode of
                                 an address, start to stop
  import FILE... -o BOOK.dat [--encoding utf-8|cp932] [--map name=1+2,address1=3,...] [--force]
                                 make books of 300 cards (BOOK.dat, BOOK-2.dat ...)
                                 from vCard (.vcf) and CSV files
  export BOOK -o FILE.csv|FILE.vcf [--format csv|vcard|vcard3|postcard]
                                 write BOOK's cards as CSV (UTF-8) or vCard 4.0,
                                 as the suffix says; --format vcard3 for phones,
                                 postcard for postcard programs (Shift-JIS CSV)
  check BOOK                     list the cards whose postal code is not their
                                 address's, with the code the directory gives

Options:
  --home DIR     the folder of Tagora.ini, Tagora.opt, Tagora1.opt, Tagora2.opt
                 and Tagora-sheets.xml
                 (default $TAGORA_HOME, else $XDG_DATA_HOME/tagora)
  --version      print the version
  --benchmark-startup
                 open the start window and quit once it is on screen
  --help         print this text
)"_s;
}

QString commandHelp(const QString& command) {
    QString help;
    bool inside = false;
    for (const QString& line : usageText().split(u'\n')) {
        const bool continuation = line.startsWith(u"        "_s);
        if (line.startsWith(u"  "_s + command + u' ') || line == u"  "_s + command)
            inside = true;
        else if (!continuation)
            inside = false;
        if (inside)
            help += (help.isEmpty() ? u"Usage: tagora "_s + line.trimmed() : line) + u'\n';
    }
    return help;
}

} // namespace cli
