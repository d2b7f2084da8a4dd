#pragma once

#include "book/AddressCard.h"
#include "platform/Platform.h"
#include "postcard/PostcardJob.h"
#include "printing/OutputChoice.h"

namespace postcard {

// 印刷 on the postcard screen, without the window: the question "印刷枚数は
// n 枚です。", the destination of this run, the job, and the message when
// the postcards did not come out.
class PostcardPrintJob {
public:
    using Outcome = printing::JobOutcome;

    // bookPath: the open book's file, never written over (empty: none).
    PostcardPrintJob(platform::Platform& platform, const printing::OutputChoice& output,
                     const QString& bookPath);

    Outcome run(const book::CardList& entries, const PostcardJobSettings& settings);
    // After a printed job: what went where, in one line.
    const QString& summary() const { return m_summary; }

private:
    platform::Platform& m_platform;
    printing::OutputChoice m_output;
    QString m_bookPath;
    QString m_summary;
};

} // namespace postcard
