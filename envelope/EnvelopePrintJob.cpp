#include "envelope/EnvelopePrintJob.h"

#include "platform/RecordingPrinter.h"

using namespace Qt::StringLiterals;

namespace envelope {

EnvelopePrintJob::EnvelopePrintJob(platform::Platform& platform,
                                   const printing::OutputChoice& output, const QString& bookPath)
    : m_platform(platform), m_output(output), m_bookPath(bookPath) {
}

EnvelopePrintJob::Outcome EnvelopePrintJob::run(const book::CardList& listed,
                                                const EnvelopeJobSettings& settings) {
    printing::JobReview review = printing::reviewEntries(listed);
    platform::RecordingPrinter measure;
    noteEnvelopeCompromises(measure, review.printable, settings, review);
    if (review.hasNews()) {
        if (review.printable.isEmpty()) {
            m_platform.messages.show(review.message(), platform::Buttons::Ok);
            return Outcome::Cancelled;
        }
        if (m_platform.messages.show(review.message(), platform::Buttons::OkCancel) !=
            platform::Answer::Ok)
            return Outcome::Cancelled;
    }
    const book::CardList& entries = review.printable;
    if (m_platform.messages.show(envelopeCountQuestion(int(entries.size())),
                                 platform::Buttons::OkCancel) != platform::Answer::Ok)
        return Outcome::Cancelled;
    const printing::Delivery delivery = printing::deliverJob(
        m_output, m_platform, u"封筒.pdf"_s, m_bookPath, envelopeJobTitle(int(entries.size())),
        envelopePage(settings), envelopePageCount(int(entries.size()), settings),
        [&](platform::Printer& printer) { drawEnvelopes(printer, entries, settings); });
    switch (delivery) {
    case printing::Delivery::Printed:
        return Outcome::Printed;
    case printing::Delivery::NoDestination:
        return Outcome::NoDestination;
    case printing::Delivery::Failed:
        break;
    }
    return Outcome::Failed;
}

} // namespace envelope
