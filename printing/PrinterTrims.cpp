#include "printing/PrinterTrims.h"

#include "book/FileBytes.h"
#include "book/QuotedLine.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace printing {

QString printerTrimsPath() {
    return platform::ProgramFolder::file(QString::fromUtf16(PrinterTrimsFileName));
}

QList<PrinterTrims> readPrinterTrims(const QString& path) {
    QList<PrinterTrims> records;
    book::ReadError error;
    const std::optional<QByteArray> bytes = book::readFileBytes(path, &error);
    if (!bytes)
        return records;
    for (const QByteArray& line : bytes->split('\n')) {
        const std::optional<QStringList> fields = book::parseQuotedLine(line);
        // A marker that is not a number would move every line far off the paper.
        static const QRegularExpression number(QStringLiteral(R"(^\s*[+-]?(\d|\.\d))"));
        if (!fields || fields->size() < 4 || !number.match(fields->at(2)).hasMatch() ||
            !number.match(fields->at(3)).hasMatch())
            continue;
        records.append(
            {fields->at(0), fields->at(1), {fields->at(2), fields->at(3), QStringLiteral("0")}});
    }
    return records;
}

book::WriteResult writePrinterTrims(const QString& path, const PrinterTrims& record) {
    QList<PrinterTrims> records = readPrinterTrims(path);
    const auto same = std::find_if(records.begin(), records.end(), [&](const PrinterTrims& kept) {
        return kept.printer == record.printer && kept.medium == record.medium;
    });
    if (same != records.end())
        *same = record;
    else
        records.append(record);
    QByteArray bytes;
    for (const PrinterTrims& kept : records) {
        book::WriteResult result;
        const std::optional<QByteArray> line = book::formatQuotedLine(
            {kept.printer, kept.medium, kept.position.xPoint, kept.position.yPoint}, &result.error);
        if (!line) {
            result.error.path = path;
            return result;
        }
        bytes += *line;
    }
    return book::saveFileBytes(path, bytes);
}

QString printerTrimsPathBeside(const QString& offsetsPath) {
    return QFileInfo(offsetsPath).dir().filePath(QString::fromUtf16(PrinterTrimsFileName));
}

Trims jobTrims(const QString& offsetsPath, const QString& printer, const QString& medium) {
    return trimsOf(markerFor(printerTrimsPathBeside(offsetsPath), offsetsPath, printer, medium));
}

MarkerPosition markerFor(const QString& trimsPath, const QString& offsetsPath,
                         const QString& printer, const QString& medium) {
    if (!printer.isEmpty())
        for (const PrinterTrims& record : readPrinterTrims(trimsPath))
            if (record.printer == printer && record.medium == medium)
                return record.position;
    return readOffsets(offsetsPath);
}

} // namespace printing
