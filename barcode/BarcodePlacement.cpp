#include "barcode/BarcodePlacement.h"

#include "platform/Units.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace barcode {

namespace {

// The sizes tried, largest first: Japan Post's standard 10 points, then
// smaller ones it still accepts, for a label too narrow for the standard.
constexpr double TriedPoints[] = {10, 9.5, 9, 8.5, 8};

QRect withClearSpace(const QRect& bars) {
    const int clear = clearSpaceTwips();
    return bars.adjusted(-clear, -clear, clear, clear);
}

} // namespace

QRect runBoxTwips(platform::Printer& measure, const printing::PlacedRun& run) {
    measure.setFontName(run.face);
    measure.setFontSize(run.points);
    const int em = int(std::ceil(platform::twipsOfPoints(run.points)));
    if (run.vertical)
        return QRect(run.xTwips, run.yTwips, em, int(std::ceil(measure.verticalLength(run.text))));
    const int width = int(std::ceil(measure.textWidth(run.text) * run.stretchPercent / 100.0));
    return QRect(run.xTwips, run.yTwips, std::max(width, 1), em);
}

std::optional<int> nameBottomTwips(platform::Printer& measure,
                                   const QList<printing::PlacedRun>& runs) {
    std::optional<int> bottom;
    for (const printing::PlacedRun& run : runs) {
        if (run.text.isEmpty() ||
            (run.role != printing::RunRole::Name && run.role != printing::RunRole::Honorific))
            continue;
        // A line is one em high: only a column needs measuring.
        const int end = run.vertical
                            ? runBoxTwips(measure, run).bottom() + 1
                            : run.yTwips + int(std::ceil(platform::twipsOfPoints(run.points)));
        bottom = std::max(bottom.value_or(end), end);
    }
    return bottom;
}

std::optional<BarcodePlace> placeBarcode(platform::Printer& measure, printing::TypesetCard& card,
                                         const BarcodeRoom& room) {
    const QRect area = room.barsAreaTwips;
    for (double points : TriedPoints) {
        const QSize size = barcodeSizeTwips(points);
        if (size.width() > area.width() || room.topTwips + size.height() > area.bottom() + 1)
            continue;
        const int left =
            std::clamp(room.preferredLeftTwips, area.left(), area.right() + 1 - size.width());
        const QRect bars(QPoint(left, room.topTwips), size);
        const QRect zone = withClearSpace(bars);

        QList<printing::PlacedRun> runs = card.runs;
        QStringList compromises;
        bool blocked = false;
        for (qsizetype i = 0; i < runs.size() && !blocked; ++i) {
            printing::PlacedRun& run = runs[i];
            // Widths are measured only for the lines level with the barcode.
            const int em = int(std::ceil(platform::twipsOfPoints(run.points)));
            const bool level =
                run.vertical || (run.yTwips <= zone.bottom() && run.yTwips + em > zone.top());
            if (run.text.isEmpty() || !level)
                continue;
            // A line that starts inside the clear space meets it whatever its width.
            const bool startsInside = run.xTwips >= zone.left() && run.xTwips <= zone.right();
            if (!startsInside && !runBoxTwips(measure, run).intersects(zone))
                continue;
            if (run.role != printing::RunRole::Code || run.vertical) {
                blocked = true;
                continue;
            }
            // The code line steps below the barcode's clear space, and is left
            // out when the room ends before it.
            run.yTwips = zone.bottom() + 1;
            const QRect moved = runBoxTwips(measure, run);
            if (moved.bottom() > area.bottom() + clearSpaceTwips()) {
                run.text.clear();
                compromises << u"コードを省略"_s;
            }
        }
        if (blocked)
            continue;
        card.runs = runs;
        card.compromises << compromises;
        return BarcodePlace{bars.topLeft(), points};
    }
    return std::nullopt;
}

} // namespace barcode
