#include "printing/PrintChoices.h"

#include "book/QuotedLine.h"
#include "platform/ProgramFolder.h"

using namespace Qt::StringLiterals;

namespace printing {

QString printChoicesPath() {
    return platform::ProgramFolder::file(QString::fromUtf16(PrintChoicesFileName));
}

PrintChoices readPrintChoices(const QString& path) {
    const QStringList fields = book::readQuotedLine(path).value_or(QStringList());
    PrintChoices choices;
    // Only an explicit "0" turns the code line off: a damaged file prints it.
    choices.printCode = fields.value(0).trimmed() != u"0"_s;
    return choices;
}

book::WriteResult writePrintChoices(const QString& path, const PrintChoices& choices) {
    return book::writeQuotedLine(path, {choices.printCode ? u"1"_s : u"0"_s});
}

} // namespace printing
