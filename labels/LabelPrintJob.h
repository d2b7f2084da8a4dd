#pragma once

#include "book/AddressCard.h"
#include "labels/OutputChoice.h"
#include "platform/Platform.h"

#include <QString>

namespace labels {

// What a print job left for the screen.
struct LabelJobResult {
    enum class Outcome {
        Printed,       // the document was sent
        Cancelled,     // Cancel in the sheet-count question: the proposal starts again
        NoDestination, // the user cancelled the PDF save dialog or chose the book; nothing printed
        Failed,        // the printer or file failed; the user was told
        NothingToPrint // the start label was not 1 to 12
    };
    Outcome outcome = Outcome::NothingToPrint;
    bool printEnabled = true; // cmdPrint afterwards
    QString sheetCount;       // Text1
    QString xMillimetres;     // Text4, from the offsets file
    QString yMillimetres;     // Text5
};

// The job behind 印刷: reads the offsets file afresh, asks to confirm the
// sheet count, sends the sheets where this run's output choice says, and
// reports a printer or file failure in a message instead of passing over it.
class LabelPrintJob {
public:
    // bookPath: the open book's file, never written over (empty or book::NewBookPath: none).
    LabelPrintJob(platform::Platform& platform, const OutputChoice& output, const QString& bookPath);

    // entries in print order, startLabel as Text2, face as Text6, offsetsPath
    // the label offsets file (missing: no offset).
    LabelJobResult run(const book::CardList& entries, const QString& startLabel, const QString& face,
                       const QString& offsetsPath);

    // "シート数は" n "枚です。"
    static QString sheetCountQuestion(const QString& sheetCount);

private:
    platform::Platform& m_platform;
    OutputChoice m_output; // a copy: callers pass temporaries
    QString m_bookPath;
};

} // namespace labels
