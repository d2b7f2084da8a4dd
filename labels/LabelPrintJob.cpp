#include "labels/LabelPrintJob.h"

#include "labels/LabelSheets.h"
#include "platform/RecordingPrinter.h"
#include "printing/OffsetsFile.h"
#include "printing/PrinterTrims.h"

using namespace Qt::StringLiterals;

namespace labels {

LabelPrintJob::LabelPrintJob(platform::Platform& platform, const printing::OutputChoice& output,
                             const QString& bookPath)
    : m_platform(platform), m_output(output), m_bookPath(bookPath) {
}

QString LabelPrintJob::sheetCountQuestion(int sheetCount) {
    return u"シート数は"_s + QString::number(sheetCount) + u"枚です。"_s;
}

QString LabelPrintJob::jobTitle(int cardCount) {
    return u"Tagora ラベル "_s + QString::number(cardCount) + u"件"_s;
}

LabelJobResult LabelPrintJob::run(const book::CardList& entries, int startLabel,
                                  const QString& face, const QString& offsetsPath,
                                  const SheetTemplate& sheet) {
    LabelJobResult result;
    result.trims = printing::jobTrims(
        offsetsPath, printing::jobPrinterName(m_output, m_platform.printers), sheet.name());
    printing::JobReview review = printing::reviewEntries(entries);
    LabelSheets sheets(review.printable, startLabel, face, result.trims, sheet);
    sheets.setPrintCode(m_printCode);
    sheets.setUsedLabels(m_used);
    sheets.setBarcodes(m_barcodes);
    platform::RecordingPrinter measure;
    sheets.noteCompromises(measure, review);
    if (review.hasNews()) {
        if (review.printable.isEmpty()) {
            m_platform.messages.show(review.message(), platform::Buttons::Ok);
            return result;
        }
        if (m_platform.messages.show(review.message(), platform::Buttons::OkCancel) !=
            platform::Answer::Ok) {
            result.outcome = LabelJobResult::Outcome::Cancelled;
            return result;
        }
    }
    result.sheetCount = sheets.sheetCount();

    const platform::Answer answer = m_platform.messages.show(sheetCountQuestion(result.sheetCount),
                                                             platform::Buttons::OkCancel);
    if (answer != platform::Answer::Ok) {
        result.outcome = LabelJobResult::Outcome::Cancelled;
        result.printEnabled = false;
        return result;
    }
    if (sheets.startLabel() == 0)
        return result;

    platform::PrintDestination sentTo;
    const printing::Delivery delivery = printing::deliverJob(
        m_output, m_platform,
        printing::proposedPdfName(m_bookPath, u"ラベル"_s, QDate::currentDate()), m_bookPath,
        jobTitle(int(review.printable.size())), printerPaper(sheet.paper), result.sheetCount,
        [&sheets](platform::Printer& printer) { sheets.drawJob(printer); }, &sentTo);
    if (delivery == printing::Delivery::NoDestination) {
        result.outcome = LabelJobResult::Outcome::NoDestination;
        return result;
    }
    if (delivery == printing::Delivery::Failed) {
        result.outcome = LabelJobResult::Outcome::Failed;
        return result;
    }
    result.outcome = LabelJobResult::Outcome::Printed;
    result.summary =
        printing::printedSummary(int(review.printable.size()), result.sheetCount, sentTo);
    // After a one-sheet job from label 2 to 12 印刷 stays disabled; the
    // other jobs can be printed again as they are.
    result.printEnabled = sheets.startLabel() == 1 || result.sheetCount > 1;
    return result;
}

} // namespace labels
