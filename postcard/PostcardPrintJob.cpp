#include "postcard/PostcardPrintJob.h"

using namespace Qt::StringLiterals;

namespace postcard {

PostcardPrintJob::PostcardPrintJob(platform::Platform& platform, const printing::OutputChoice& output,
                                   const QString& bookPath)
    : m_platform(platform), m_output(output), m_bookPath(bookPath) {}

PostcardPrintJob::Outcome PostcardPrintJob::run(const book::CardList& entries,
                                                const PostcardJobSettings& settings) {
    const platform::Answer answer = m_platform.messages.show(
        postcardCountQuestion(int(entries.size())), platform::Buttons::OkCancel);
    if (answer != platform::Answer::Ok)
        return Outcome::Cancelled;
    const QList<PostcardText> postcards = postcardTexts(entries);
    const printing::Delivery delivery = printing::deliverJob(
        m_output, m_platform, u"ハガキ.pdf"_s, m_bookPath, postcardJobTitle(int(entries.size())),
        settings.paper, int(postcards.size()),
        [&](platform::Printer& printer) { drawPostcards(printer, postcards, settings); });
    switch (delivery) {
    case printing::Delivery::Printed: return Outcome::Printed;
    case printing::Delivery::NoDestination: return Outcome::NoDestination;
    case printing::Delivery::Failed: break;
    }
    return Outcome::Failed;
}

} // namespace postcard
