// Paging through the page preview of a whole job, offscreen:
//   tagora_preview_bench SAMPLE.dat
// makes 300 entries from the sample book's cards, opens the preview of the
// labels from label 5 (26 sheets) and of 300 vertical postcards, shows every
// page in turn and paints it, and prints the time the preview took to build
// and the median and slowest page (target: under 50 ms a page).
#include "book/AddressFile.h"
#include "labels/LabelSheets.h"
#include "platform/Fonts.h"
#include "postcard/PostcardJob.h"
#include "printing/JobPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrintPreviewWidget>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

void measure(const char* name, platform::PaperSize paper, platform::JobDrawing draw) {
    QElapsedTimer clock;
    clock.start();
    printing::JobPreview preview(u"bench"_s, paper, std::move(draw));
    preview.show();
    QApplication::processEvents();
    const double buildMs = clock.nsecsElapsed() / 1e6;
    auto* pages = preview.findChild<QPrintPreviewWidget*>(u"previewPages"_s);
    QList<double> pageMs;
    for (int page = 1; page <= preview.pageCount(); ++page) {
        clock.restart();
        preview.showPage(page);
        pages->grab(); // paints the page as the screen would
        pageMs << clock.nsecsElapsed() / 1e6;
    }
    std::sort(pageMs.begin(), pageMs.end());
    const double median = pageMs.isEmpty() ? 0 : pageMs[pageMs.size() / 2];
    const double slowest = pageMs.isEmpty() ? 0 : pageMs.last();
    std::printf("%s: %d pages, preview built in %.0f ms; a page shown in %.1f ms (median), %.1f ms "
                "(slowest)"
                " (target < 50 ms) %s\n",
                name, preview.pageCount(), buildMs, median, slowest, slowest < 50 ? "ok" : "SLOW");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tagora_preview_bench SAMPLE.dat\n");
        return 2;
    }
    platform::registerFontSubstitutions();
    const book::LoadResult sample = book::loadBook(QString::fromLocal8Bit(argv[1]));
    if (!sample.ok() || sample.cards.isEmpty()) {
        std::fprintf(stderr, "tagora_preview_bench: cannot read %s\n", argv[1]);
        return 1;
    }
    book::CardList entries;
    for (int i = 0; i < 300; ++i)
        entries << sample.cards[i % sample.cards.size()];

    const QString face = QString::fromUtf16(platform::MinchoFace);
    auto sheets = std::make_shared<labels::LabelSheets>(entries, 5, face, printing::Trims{});
    measure("labels, 300 entries from label 5", platform::PaperSize::A4,
            [sheets](platform::Printer& printer) { sheets->drawJob(printer); });

    postcard::PostcardJobSettings settings;
    settings.zipFace = face;
    settings.textFace = face;
    settings.writing = postcard::Writing::Vertical;
    const QList<postcard::PostcardText> cards = postcard::postcardTexts(entries);
    measure("postcards, 300 vertical", platform::PaperSize::Postcard,
            [cards, settings](platform::Printer& printer) {
                postcard::drawPostcards(printer, cards, settings);
            });
    return 0;
}
