#include "postcard/PostcardPrintJob.h"

#include "platform/RecordingPrinter.h"

using namespace Qt::StringLiterals;

namespace postcard {

PostcardPrintJob::PostcardPrintJob(platform::Platform& platform, const printing::OutputChoice& output,
                                   const QString& bookPath)
    : m_platform(platform), m_output(output), m_bookPath(bookPath) {}

PostcardPrintJob::Outcome PostcardPrintJob::run(const book::CardList& listed,
                                                const PostcardJobSettings& settings) {
    printing::JobReview review = printing::reviewEntries(listed);
    platform::RecordingPrinter measure;
    notePostcardCompromises(measure, review.printable, settings, review);
    if (review.hasNews()) {
        if (review.printable.isEmpty()) {
            m_platform.messages.show(review.message(), platform::Buttons::Ok);
            return Outcome::Cancelled;
        }
        if (m_platform.messages.show(review.message(), platform::Buttons::OkCancel) != platform::Answer::Ok)
            return Outcome::Cancelled;
    }
    const book::CardList& entries = review.printable;
    const platform::Answer answer = m_platform.messages.show(
        postcardCountQuestion(int(entries.size())), platform::Buttons::OkCancel);
    if (answer != platform::Answer::Ok)
        return Outcome::Cancelled;
    const QList<PostcardText> postcards =
        postcardTexts(entries, settings.printCode, settings.barcodes);
    platform::PrintDestination sentTo;
    const printing::Delivery delivery = printing::deliverJob(
        m_output, m_platform,
        printing::proposedPdfName(m_bookPath, u"はがき"_s, QDate::currentDate()), m_bookPath,
        postcardJobTitle(int(entries.size())), settings.paper, int(postcards.size()),
        [&](platform::Printer& printer) { drawPostcards(printer, postcards, settings); }, &sentTo);
    switch (delivery) {
    case printing::Delivery::Printed:
        m_summary = printing::printedSummary(int(entries.size()), int(postcards.size()), sentTo);
        return Outcome::Printed;
    case printing::Delivery::NoDestination:
        return Outcome::NoDestination;
    case printing::Delivery::Failed:
        break;
    }
    return Outcome::Failed;
}

} // namespace postcard
