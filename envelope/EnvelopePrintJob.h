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
    enum class Outcome {
        Printed,       // every envelope was sent
        Cancelled,     // Cancel in a question
        NoDestination, // the user cancelled the dialog or chose the book; nothing printed
        Failed,        // the printer or file failed; the user was told
    };

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
