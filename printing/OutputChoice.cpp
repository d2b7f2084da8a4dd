#include "printing/OutputChoice.h"

#include "platform/PageRangePrinter.h"
#include "platform/PrintJob.h"
#include "platform/SameFile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace printing {

OutputChoice& outputChoiceForThisRun() {
    static OutputChoice choice;
    return choice;
}

JobOutcome outcomeOf(Delivery delivery) {
    switch (delivery) {
    case Delivery::Printed:
        return JobOutcome::Printed;
    case Delivery::NoDestination:
        return JobOutcome::NoDestination;
    case Delivery::Failed:
        break;
    }
    return JobOutcome::Failed;
}

bool confirmJob(platform::Messages& messages, const JobReview& review,
                const QString& countQuestion) {
    if (review.hasNews()) {
        if (review.printable.isEmpty()) {
            messages.show(review.message(), platform::Buttons::Ok);
            return false;
        }
        if (messages.show(review.message(), platform::Buttons::OkCancel) != platform::Answer::Ok)
            return false;
    }
    return messages.show(countQuestion, platform::Buttons::OkCancel) == platform::Answer::Ok;
}

QString jobPrinterName(const OutputChoice& choice, platform::PrinterProvider& printers) {
    if (choice.mode == OutputChoice::Mode::Printer)
        return choice.printerName;
    if (choice.mode == OutputChoice::Mode::Automatic)
        return printers.defaultPrinterName();
    return {};
}

std::optional<platform::PrintDestination> nextDestination(const OutputChoice& choice,
                                                          platform::Platform& platform,
                                                          const QString& proposedName,
                                                          const QString& bookPath) {
    if (choice.mode == OutputChoice::Mode::Printer)
        return platform::PrintDestination::printer(choice.printerName);
    if (choice.mode == OutputChoice::Mode::Automatic) {
        const QString printer = platform.printers.defaultPrinterName();
        if (!printer.isEmpty())
            return platform::PrintDestination::printer(printer);
    }
    platform::FileDialogRequest request;
    request.title = u"PDFファイルに印刷"_s;
    request.filter = u"PDFファイル(*.pdf)|*.pdf"_s;
    request.initialFolder = platform::dialogStartFolder(bookPath);
    request.proposedName = proposedName;
    request.overwritePrompt = true;
    const QString chosen = platform.dialogs.saveFile(request);
    if (chosen.isEmpty())
        return std::nullopt;
    QString path = chosen;
    if (!path.endsWith(u".pdf"_s, Qt::CaseInsensitive))
        path += u".pdf"_s;
    // The name as chosen counts too: the user picked the book, even if the added ".pdf" would spare
    // it.
    if (!bookPath.isEmpty() &&
        (platform::sameFile(chosen, bookPath) || platform::sameFile(path, bookPath))) {
        platform.messages.show(QString::fromUtf16(BookAsOutputText) + u'\n' + chosen);
        return std::nullopt;
    }
    return platform::PrintDestination::pdf(path);
}

Delivery deliverJob(const OutputChoice& choice, platform::Platform& platform,
                    const QString& proposedName, const QString& bookPath, const QString& jobTitle,
                    const platform::PageFormat& paper, int pageCount,
                    const platform::JobDrawing& draw, platform::PrintDestination* sentTo) {
    std::optional<platform::PrintDestination> destination =
        nextDestination(choice, platform, proposedName, bookPath);
    if (!destination)
        return Delivery::NoDestination;
    destination->jobTitle = jobTitle;
    if (destination->kind == platform::PrintDestination::Kind::SystemPrinter) {
        platform::PrintDialogRequest request;
        request.printerName = destination->printerName;
        request.jobTitle = jobTitle;
        request.paper = paper;
        request.pageCount = pageCount;
        destination = platform.printDialog.ask(request);
        if (!destination)
            return Delivery::NoDestination;
    }
    std::unique_ptr<platform::Printer> printer = platform.printers.open(*destination);
    const QList<platform::PageSpan> pages = destination->pages;
    const auto drawChosenPages = [&draw, &pages](platform::Printer& target) {
        platform::PageRangePrinter chosen(target, pages);
        draw(chosen);
    };
    if (!printer || !platform::runPrintJob(
                        *printer, paper, drawChosenPages,
                        [&platform](const QString& warning) { platform.messages.show(warning); })) {
        platform.messages.show(printFailureMessage(printer ? printer->errorText() : QString()));
        return Delivery::Failed;
    }
    if (sentTo)
        *sentTo = *destination;
    return Delivery::Printed;
}

QString proposedPdfName(const QString& bookPath, const QString& what, const QDate& day) {
    const QString book = !bookPath.isEmpty() ? QFileInfo(bookPath).completeBaseName() : u"住所録"_s;
    return book + u'_' + what + u'_' + day.toString(u"yyyy-MM-dd"_s) + u".pdf"_s;
}

QString printedSummary(int entries, int sheets, const platform::PrintDestination& sentTo) {
    QString where;
    if (sentTo.kind == platform::PrintDestination::Kind::PdfFile)
        where = u"PDF: "_s + QFileInfo(sentTo.pdfPath).fileName();
    else
        where = u"プリンタ: "_s +
                (sentTo.printerName.isEmpty() ? u"既定のプリンタ"_s : sentTo.printerName);
    return u"%1件を %2枚に印刷しました（%3）"_s.arg(entries).arg(sheets).arg(where);
}

QString printFailureMessage(const QString& printerError) {
    if (printerError.isEmpty())
        return u"印刷できませんでした。"_s;
    return u"印刷できませんでした。\n"_s + printerError;
}

} // namespace printing
