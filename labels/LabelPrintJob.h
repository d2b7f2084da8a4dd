#pragma once

#include "book/AddressCard.h"
#include "labels/SheetTemplate.h"
#include "platform/Platform.h"
#include "printing/OutputChoice.h"
#include "printing/Trims.h"

#include <QString>

namespace labels {

// What a print job left for the screen.
struct LabelJobResult {
    enum class Outcome {
        Printed,       // the document was sent
        Cancelled,     // Cancel in the sheet-count question: the proposal starts again
        NoDestination, // the user cancelled the PDF save dialog or chose the book; nothing printed
        Failed,        // the printer or file failed; the user was told
        NothingToPrint // the start label was not on the sheet, or no card can be delivered
    };
    Outcome outcome = Outcome::NothingToPrint;
    bool printEnabled = true; // 印刷 afterwards
    int sheetCount = 1;       // sheets of the job, as the question gave them
    printing::Trims trims;    // from the offsets file, as the job used them
    QString summary;          // when printed: what went where, in one line
};

// The job behind 印刷: reads the offsets file afresh, asks to confirm the
// sheet count, sends the sheets where this run's output choice says, and
// reports a printer or file failure in a message instead of passing over it.
class LabelPrintJob {
public:
    // bookPath: the open book's file, never written over (empty: none).
    LabelPrintJob(platform::Platform& platform, const printing::OutputChoice& output,
                  const QString& bookPath);

    // entries in print order; startLabel 1 to the sheet's label count (any
    // other number: the question, then nothing printed); face for every line;
    // offsetsPath the label offsets file (missing: no offset); the sheet the
    // labels are on, which also gives the paper.
    LabelJobResult run(const book::CardList& entries, int startLabel, const QString& face,
                       const QString& offsetsPath, const SheetTemplate& sheet = standardSheet());

    // Whether the free code line is printed (it is unless switched off).
    void setPrintCode(bool printCode) { m_printCode = printCode; }
    // Labels of the first sheet already used: left empty (LabelSheets).
    void setUsedLabels(const QList<int>& used) { m_used = used; }
    // Whether each label gets its customer barcode (off unless switched on).
    void setBarcodes(bool barcodes) { m_barcodes = barcodes; }

    // "シート数は" n "枚です。"
    static QString sheetCountQuestion(int sheetCount);
    // The job's name in the printer queue: "Tagora ラベル 30件" for 30 cards.
    static QString jobTitle(int cardCount);

private:
    platform::Platform& m_platform;
    printing::OutputChoice m_output; // a copy: callers pass temporaries
    QString m_bookPath;
    bool m_printCode = true;
    QList<int> m_used;
    bool m_barcodes = false;
};

} // namespace labels
