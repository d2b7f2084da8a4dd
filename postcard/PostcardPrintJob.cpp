#include "postcard/PostcardPrintJob.h"

using namespace Qt::StringLiterals;

namespace postcard {

PostcardPrintJob::PostcardPrintJob(platform::Platform& platform, const labels::OutputChoice& output)
    : m_platform(platform), m_output(output) {}

PostcardPrintJob::Outcome PostcardPrintJob::run(const book::CardList& entries,
                                                const PostcardJobSettings& settings) {
    const platform::Answer answer = m_platform.messages.show(
        postcardCountQuestion(int(entries.size())), platform::Buttons::OkCancel);
    if (answer != platform::Answer::Ok)
        return Outcome::Cancelled;
    const std::optional<platform::PrintDestination> destination =
        labels::nextDestination(m_output, m_platform, u"ハガキ.pdf"_s);
    if (!destination)
        return Outcome::NoDestination;
    std::unique_ptr<platform::Printer> printer = m_platform.printers.open(*destination);
    const PostcardJobResult result = printPostcards(*printer, entries, settings);
    printer.reset();
    if (!result.ok()) {
        m_platform.messages.show(labels::printFailureMessage(result.error), platform::Buttons::Ok);
        return Outcome::Failed;
    }
    return Outcome::Printed;
}

} // namespace postcard
