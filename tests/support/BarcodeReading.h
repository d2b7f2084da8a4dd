#pragma once

// Reads a customer barcode back: from bar states to characters by Japan
// Post's table, and from a rendered page to bar states, heights and pitch.

#include <QHash>
#include <QImage>
#include <QRect>
#include <QStringList>

#include <optional>

namespace barcodereading {

using namespace Qt::StringLiterals;

// Japan Post's table of the 4-state bars, typed in from 「郵便番号・バーコード
// マニュアル」 (カスタマバーコードの体系): 1 long bar, 2 semi-long bar up, 3 semi-long
// bar down, 4 timing bar.
inline const QHash<QString, QString> PublishedBars = {
    {u"114"_s, u"1"_s},   {u"132"_s, u"2"_s},   {u"312"_s, u"3"_s},   {u"123"_s, u"4"_s},
    {u"141"_s, u"5"_s},   {u"321"_s, u"6"_s},   {u"213"_s, u"7"_s},   {u"231"_s, u"8"_s},
    {u"411"_s, u"9"_s},   {u"144"_s, u"0"_s},   {u"414"_s, u"-"_s},   {u"324"_s, u"CC1"_s},
    {u"342"_s, u"CC2"_s}, {u"234"_s, u"CC3"_s}, {u"432"_s, u"CC4"_s}, {u"243"_s, u"CC5"_s},
    {u"423"_s, u"CC6"_s}, {u"441"_s, u"CC7"_s}, {u"111"_s, u"CC8"_s}};

// "STC 1 0 … SPC" from 67 bar states ("1324…"); empty when a bar group is
// not in the table or start and stop are missing.
inline QString charactersOfBars(const QString& states) {
    if (states.size() != 67 || !states.startsWith(u"13"_s) || !states.endsWith(u"31"_s))
        return {};
    QStringList names{u"STC"_s};
    for (int i = 2; i + 3 <= 65; i += 3) {
        const QString name = PublishedBars.value(states.mid(i, 3));
        if (name.isEmpty())
            return {};
        names << name;
    }
    return (names << u"SPC"_s).join(u' ');
}

// Bars found on a page: their states, measures in millimetres, and their box in pixels.
struct ReadBarcode {
    QString states;
    double pitchMm = 0;
    double barWidthMm = 0;
    double longMm = 0;
    double semiLongMm = 0;
    double timingMm = 0;
    QRect boxPixels;
};

// The barcode inside region of a grayscale page rendered at dotsPerInch:
// the row that crosses 67 bars of plausible width is the timing band; each
// bar is followed up and down from there.
inline std::optional<ReadBarcode> readBarcode(const QImage& page, int dotsPerInch,
                                              const QRect& region) {
    const double pxPerMm = dotsPerInch / 25.4;
    auto dark = [&](int x, int y) { return page.valid(x, y) && qGray(page.pixel(x, y)) < 128; };
    const QRect area = region.intersected(page.rect());
    QList<QPair<int, int>> runs; // the bars' left and right pixels along the band
    int bandRow = -1;
    for (int y = area.top(); y <= area.bottom() && bandRow < 0; ++y) {
        QList<QPair<int, int>> found;
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!dark(x, y))
                continue;
            int end = x;
            while (end + 1 <= area.right() && dark(end + 1, y))
                ++end;
            const double widthMm = (end - x + 1) / pxPerMm;
            if (widthMm > 0.3 && widthMm < 0.9)
                found.append({x, end});
            else
                found.clear(); // text, or a line: not a run of bars
            x = end;
        }
        if (found.size() == 67) {
            runs = found;
            bandRow = y;
        }
    }
    if (bandRow < 0)
        return std::nullopt;
    QList<int> tops, bottoms;
    double widths = 0;
    for (const auto& [left, right] : runs) {
        const int x = (left + right) / 2;
        int top = bandRow, bottom = bandRow;
        while (dark(x, top - 1))
            --top;
        while (dark(x, bottom + 1))
            ++bottom;
        tops << top;
        bottoms << bottom;
        widths += right - left + 1;
    }
    const int highest = *std::min_element(tops.begin(), tops.end());
    const int lowest = *std::max_element(bottoms.begin(), bottoms.end());
    const int tolerance = int(0.3 * pxPerMm);
    ReadBarcode read;
    double semiLong = 0, timing = 0;
    int semiLongs = 0, timings = 0;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const bool up = tops[i] - highest < tolerance;
        const bool down = lowest - bottoms[i] < tolerance;
        read.states += up && down ? u'1' : up ? u'2' : down ? u'3' : u'4';
        const int height = bottoms[i] - tops[i] + 1;
        if (up != down) {
            semiLong += height;
            ++semiLongs;
        } else if (!up) {
            timing += height;
            ++timings;
        }
    }
    read.pitchMm = (runs.last().first - runs.first().first) / 66.0 / pxPerMm;
    read.barWidthMm = widths / 67 / pxPerMm;
    read.longMm = (lowest - highest + 1) / pxPerMm;
    read.semiLongMm = semiLongs ? semiLong / semiLongs / pxPerMm : 0;
    read.timingMm = timings ? timing / timings / pxPerMm : 0;
    read.boxPixels = QRect(QPoint(runs.first().first, highest), QPoint(runs.last().second, lowest));
    return read;
}

} // namespace barcodereading
