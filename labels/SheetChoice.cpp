#include "labels/SheetChoice.h"

#include "book/QuotedLine.h"
#include "platform/ProgramFolder.h"

namespace labels {

QString sheetChoicePath() {
    return platform::ProgramFolder::file(QString::fromUtf16(SheetChoiceFileName));
}

const SheetTemplate& readSheetChoice(const QString& path, SheetLibrary& library) {
    const std::optional<QStringList> fields = book::readQuotedLine(path);
    if (!fields || fields->size() < 2)
        return standardSheet();
    const SheetTemplate* sheet = library.find(fields->at(0) + u' ' + fields->at(1));
    // A sheet found faulty since it was chosen would print names off the paper.
    return sheet && sheet->fault.isEmpty() ? *sheet : standardSheet();
}

book::WriteResult writeSheetChoice(const QString& path, const SheetTemplate& sheet) {
    return book::writeQuotedLine(path, {sheet.brand, sheet.part});
}

} // namespace labels
