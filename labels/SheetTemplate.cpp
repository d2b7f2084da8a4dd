#include "labels/SheetTemplate.h"

#include "platform/Units.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace labels {

namespace {

// Labels of one row may sit a hair apart in the files' rounded numbers.
constexpr double SameRowMm = 0.05;

} // namespace

QString millimetreNumber(double millimetres) {
    // Sizes converted from inches or points come as 69.9999; a hundredth of
    // a millimetre is finer than any sheet is cut.
    return QString::number(std::round(millimetres * 100) / 100, 'g', 6);
}

QString SheetTemplate::name() const {
    return brand + u' ' + part;
}

int SheetTemplate::labelCount() const {
    int count = 0;
    for (const SheetGrid& grid : grids)
        count += grid.columns * grid.rows;
    return count;
}

QList<QRectF> SheetTemplate::labelRects() const {
    QList<QRectF> rects;
    rects.reserve(labelCount());
    for (const SheetGrid& grid : grids)
        for (int row = 0; row < grid.rows; ++row)
            for (int column = 0; column < grid.columns; ++column)
                rects.append(QRectF(grid.x0Mm + column * grid.dxMm, grid.y0Mm + row * grid.dyMm,
                                    labelWidthMm, labelHeightMm));
    std::stable_sort(rects.begin(), rects.end(), [](const QRectF& a, const QRectF& b) {
        if (std::abs(a.top() - b.top()) > SameRowMm)
            return a.top() < b.top();
        return a.left() < b.left();
    });
    return rects;
}

QList<QPoint> SheetTemplate::gridPlaces() const {
    QList<qint64> lefts, tops;
    // Edges a tenth of a millimetre apart count as one.
    const auto key = [](double millimetres) { return qRound64(millimetres * 10); };
    for (const QRectF& label : labelRects()) {
        lefts << key(label.left());
        tops << key(label.top());
    }
    QList<qint64> columns = lefts, rows = tops;
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<QPoint> places;
    for (qsizetype i = 0; i < lefts.size(); ++i)
        places << QPoint(int(columns.indexOf(lefts[i])), int(rows.indexOf(tops[i])));
    return places;
}

QRectF SheetTemplate::labelRect(int label) const {
    const QList<QRectF> rects = labelRects();
    if (label < 1 || label > rects.size())
        return {};
    return rects[label - 1];
}

QString SheetTemplate::summary() const {
    return name() + u" — "_s + paperName(paper) + u", "_s + QString::number(labelCount()) +
           u" labels of "_s + millimetreNumber(labelWidthMm) + u" × "_s +
           millimetreNumber(labelHeightMm) + u" mm"_s;
}

const SheetTemplate& standardSheet() {
    static const SheetTemplate sheet = [] {
        SheetTemplate standard;
        standard.brand = u"標準"_s;
        standard.part = u"12面"_s;
        standard.description = u"宛名ラベル 12面"_s;
        standard.paper = SheetPaper::A4;
        standard.labelWidthMm = 86.4;
        standard.labelHeightMm = 42.3;
        // Two columns of 86.4 mm meet at the middle of the page; six rows of
        // 42.3 mm leave 21.6 mm above and below.
        standard.grids = {{2, 6, 18.6, 21.6, 86.4, 42.3}};
        standard.standardTextLayout = true;
        return standard;
    }();
    return sheet;
}

QString paperName(SheetPaper paper) {
    switch (paper) {
    case SheetPaper::A4:
        return u"A4"_s;
    case SheetPaper::B5:
        return u"B5"_s;
    case SheetPaper::A5:
        return u"A5"_s;
    case SheetPaper::Postcard:
        return u"postcard"_s;
    case SheetPaper::Letter:
        return u"US Letter"_s;
    }
    return {};
}

QSizeF paperSizeMm(SheetPaper paper) {
    switch (paper) {
    case SheetPaper::A4:
        return {210, 297};
    case SheetPaper::B5:
        return {176, 250};
    case SheetPaper::A5:
        return {148, 210};
    case SheetPaper::Postcard:
        return {100, 148};
    case SheetPaper::Letter:
        return {215.9, 279.4};
    }
    return {210, 297};
}

platform::PaperSize printerPaper(SheetPaper paper) {
    switch (paper) {
    case SheetPaper::A4:
        return platform::PaperSize::A4;
    case SheetPaper::B5:
        return platform::PaperSize::B5;
    case SheetPaper::A5:
        return platform::PaperSize::A5;
    case SheetPaper::Postcard:
        return platform::PaperSize::Postcard;
    case SheetPaper::Letter:
        return platform::PaperSize::Letter;
    }
    return platform::PaperSize::A4;
}

double millimetresAsTwips(double millimetres) {
    return platform::paperTwipsUnrounded(millimetres);
}

} // namespace labels
