#pragma once

#include "platform/Platform.h"
#include "platform/PrintDestination.h"
#include "platform/PrintJob.h"
#include "printing/JobReview.h"

#include <QDate>
#include <QString>

#include <functional>

#include <optional>

namespace printing {

// Where label and postcard jobs go during this run, as the user set it on a
// print screen's 設定 menu.
struct OutputChoice {
    enum class Mode {
        Automatic, // the system's default printer, or a PDF file when there is none
        Printer,   // the named printer
        PdfFile,   // a PDF file chosen at each job
    };
    Mode mode = Mode::Automatic;
    QString printerName;
};

// The choice held for the rest of the run, shared by both print screens.
OutputChoice& outputChoiceForThisRun();

// The destination of the next job: a printer, or a PDF file asked for with the
// save dialog (proposedName offered, in the program folder). nullopt when the
// user cancelled the dialog, or chose the open book's file (bookPath; empty
// when the book has no file), which is refused with BookAsOutputText and the path.
std::optional<platform::PrintDestination> nextDestination(const OutputChoice& choice,
                                                          platform::Platform& platform,
                                                          const QString& proposedName,
                                                          const QString& bookPath);

// The printer queue the next job goes to without asking: the one chosen, or
// the system's default; empty when it goes into a PDF file.
QString jobPrinterName(const OutputChoice& choice, platform::PrinterProvider& printers);

// Shown when the PDF chosen is the open book: printing would destroy it.
inline constexpr char16_t BookAsOutputText[] =
    u"住所録ファイルには印刷できません。別のファイル名を指定してください。";

enum class Delivery {
    Printed,       // the document was sent
    NoDestination, // the user cancelled the print or PDF save dialog, or chose the book; nothing
                   // printed
    Failed,        // the printer or file failed; the user was told
};

// Sends a job of pageCount pages to nextDestination() (bookPath as there)
// under jobTitle. A system printer is first offered in the print dialog,
// where the user picks the printer, the copies and the pages (cancelling it
// prints nothing). Then it opens the printer, begins the document on paper,
// tells the user once when text falls where the printer cannot print (it is
// printed all the same), lets draw put the pages on it, passing on only the
// chosen pages, and ends the document. A printer or file that fails is shown
// with printFailureMessage().
// When the job was printed and sentTo is given, it receives where it went.
Delivery deliverJob(const OutputChoice& choice, platform::Platform& platform,
                    const QString& proposedName, const QString& bookPath, const QString& jobTitle,
                    const platform::PageFormat& paper, int pageCount,
                    const platform::JobDrawing& draw, platform::PrintDestination* sentTo = nullptr);

// How a postcard or envelope job ended.
enum class JobOutcome {
    Printed,       // every card or envelope was sent
    Cancelled,     // Cancel in a question
    NoDestination, // the user cancelled the dialog or chose the book; nothing printed
    Failed,        // the printer or file failed; the user was told
};

// The outcome of a job that got as far as delivering.
JobOutcome outcomeOf(Delivery delivery);

// Asks before a job: the review's findings, if any (only told when nothing
// is left to print), then countQuestion. Whether the job goes on.
bool confirmJob(platform::Messages& messages, const JobReview& review,
                const QString& countQuestion);

// The PDF name a job proposes: the book's name, what is printed and the
// day, "山田家_ラベル_2026-12-10.pdf" ("住所録" for a book without a file).
QString proposedPdfName(const QString& bookPath, const QString& what, const QDate& day);

// The line a print screen shows after a job:
// "12件を 2枚に印刷しました（プリンタ: name）" or "（PDF: path）".
QString printedSummary(int entries, int sheets, const platform::PrintDestination& sentTo);

// The message shown when a job could not be printed: "印刷できませんでした。"
// and, on a line of its own, what the printer reported.
QString printFailureMessage(const QString& printerError);

} // namespace printing
