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
    const book::CardList& entries = review.printable;
    if (!printing::confirmJob(m_platform.messages, review,
                              envelopeCountQuestion(int(entries.size()))))
        return Outcome::Cancelled;
    return printing::outcomeOf(printing::deliverJob(
        m_output, m_platform, u"封筒.pdf"_s, m_bookPath, envelopeJobTitle(int(entries.size())),
        envelopePage(settings), envelopePageCount(int(entries.size()), settings),
        [&](platform::Printer& printer) { drawEnvelopes(printer, entries, settings); }));
}

} // namespace envelope
