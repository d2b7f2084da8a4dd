#include "postcard/PostcardPrintJob.h"

#include "platform/RecordingPrinter.h"

using namespace Qt::StringLiterals;

namespace postcard {

PostcardPrintJob::PostcardPrintJob(platform::Platform& platform,
                                   const printing::OutputChoice& output, const QString& bookPath)
    : m_platform(platform), m_output(output), m_bookPath(bookPath) {
}

PostcardPrintJob::Outcome PostcardPrintJob::run(const book::CardList& listed,
                                                const PostcardJobSettings& settings) {
    printing::JobReview review = printing::reviewEntries(listed);
    platform::RecordingPrinter measure;
    notePostcardCompromises(measure, review.printable, settings, review);
    const book::CardList& entries = review.printable;
    if (!printing::confirmJob(m_platform.messages, review,
                              postcardCountQuestion(int(entries.size()))))
        return Outcome::Cancelled;
    const QList<PostcardText> postcards =
        postcardTexts(entries, settings.printCode, settings.barcodes);
    platform::PrintDestination sentTo;
    const Outcome outcome = printing::outcomeOf(printing::deliverJob(
        m_output, m_platform,
        printing::proposedPdfName(m_bookPath, u"はがき"_s, QDate::currentDate()), m_bookPath,
        postcardJobTitle(int(entries.size())), settings.paper, int(postcards.size()),
        [&](platform::Printer& printer) { drawPostcards(printer, postcards, settings); }, &sentTo));
    if (outcome == Outcome::Printed)
        m_summary = printing::printedSummary(int(entries.size()), int(postcards.size()), sentTo);
    return outcome;
}

} // namespace postcard
