#pragma once

#include "book/AddressCard.h"
#include "envelope/EnvelopeJob.h"
#include "platform/Platform.h"
#include "printing/OutputChoice.h"

namespace envelope {

// 印刷 on the envelope screen, without the window: the findings of the
// review, the question "印刷枚数は n 枚です。", the destination of this run,
// the job, and the message when the envelopes did not come out.
class EnvelopePrintJob {
public:
    using Outcome = printing::JobOutcome;

    // bookPath: the open book's file, never written over (empty: none).
    EnvelopePrintJob(platform::Platform& platform, const printing::OutputChoice& output,
                     const QString& bookPath);

    Outcome run(const book::CardList& entries, const EnvelopeJobSettings& settings);

private:
    platform::Platform& m_platform;
    printing::OutputChoice m_output;
    QString m_bookPath;
};

} // namespace envelope
