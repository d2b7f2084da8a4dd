#pragma once

#include "platform/Units.h"

#include <QSize>
#include <QSizeF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace platform {

enum class PaperSize {
    A4,
    Postcard,
    B5,
    A5,
    Letter,
    Naga3,    // 長形3号 envelope
    Naga4,    // 長形4号 envelope
    Kaku2,    // 角形2号 envelope
    You2,     // 洋形2号 envelope
    YouNaga3, // 洋長3号 envelope
    Custom,   // a size of the user's, in no table
};

// A paper a job prints on, portrait: its size and the name a job's log
// gives it ("begin letter").
struct Paper {
    PaperSize size;
    double widthMillimetres;
    double heightMillimetres;
    const char16_t* name;
};

// Every paper, in the order of PaperSize. The sizes are the standard ones
// to the tenth of a millimetre, so a printer is asked for its own paper.
inline constexpr Paper Papers[] = {
    {PaperSize::A4, 210, 297, u"A4"},             // label sheets
    {PaperSize::Postcard, 100, 148, u"postcard"}, // a Japanese postcard
    {PaperSize::B5, 176, 250, u"B5"},             // ISO B5 label sheets, not JIS B5 (182 x 257)
    {PaperSize::A5, 148, 210, u"A5"},             // label sheets
    {PaperSize::Letter, 215.9, 279.4, u"letter"}, // 8.5 x 11 in label sheets
    {PaperSize::Naga3, 120, 235, u"naga3"},
    {PaperSize::Naga4, 90, 205, u"naga4"},
    {PaperSize::Kaku2, 240, 332, u"kaku2"},
    {PaperSize::You2, 114, 162, u"you2"},
    {PaperSize::YouNaga3, 120, 235, u"younaga3"},
};

constexpr const Paper& paperOf(PaperSize size) {
    return Papers[int(size)];
}

static_assert(paperOf(PaperSize::A4).size == PaperSize::A4 &&
                  paperOf(PaperSize::Postcard).size == PaperSize::Postcard &&
                  paperOf(PaperSize::B5).size == PaperSize::B5 &&
                  paperOf(PaperSize::A5).size == PaperSize::A5 &&
                  paperOf(PaperSize::Letter).size == PaperSize::Letter &&
                  paperOf(PaperSize::Naga3).size == PaperSize::Naga3 &&
                  paperOf(PaperSize::Naga4).size == PaperSize::Naga4 &&
                  paperOf(PaperSize::Kaku2).size == PaperSize::Kaku2 &&
                  paperOf(PaperSize::You2).size == PaperSize::You2 &&
                  paperOf(PaperSize::YouNaga3).size == PaperSize::YouNaga3 &&
                  std::size(Papers) == std::size_t(PaperSize::Custom),
              "Papers is in the order of PaperSize");

// The paper a job is begun on and which way up its pages are drawn. The
// paper is always fed portrait, short edge first; a landscape page is drawn
// with the long edge across and turned onto the paper by the printer.
struct PageFormat {
    PaperSize size = PaperSize::A4;
    double widthMillimetres = 210; // of the paper, portrait: never more than its height
    double heightMillimetres = 297;
    bool landscape = false;

    // One of Papers, portrait. Custom is in no table: it gives A4 until
    // custom() is used instead.
    PageFormat(PaperSize paper = PaperSize::A4)
        : size(paper == PaperSize::Custom ? PaperSize::A4 : paper),
          widthMillimetres(paperOf(size).widthMillimetres),
          heightMillimetres(paperOf(size).heightMillimetres) {}
    PageFormat(PaperSize paper, bool landscapePage) : PageFormat(paper) {
        landscape = landscapePage;
    }
    // A size of the user's, width and height in either order.
    static PageFormat custom(double widthMm, double heightMm, bool landscapePage) {
        PageFormat format;
        format.size = PaperSize::Custom;
        format.widthMillimetres = std::min(widthMm, heightMm);
        format.heightMillimetres = std::max(widthMm, heightMm);
        format.landscape = landscapePage;
        return format;
    }

    // The page as drawn, millimetres across and down.
    QSizeF pageMillimetres() const {
        return landscape ? QSizeF(heightMillimetres, widthMillimetres)
                         : QSizeF(widthMillimetres, heightMillimetres);
    }
    // Its name in a job's log: "A4", "naga3", "120x235mm", then " landscape" when turned.
    QString name() const {
        QString text = size == PaperSize::Custom
                           ? QString::number(widthMillimetres) + u'x' +
                                 QString::number(heightMillimetres) + QStringLiteral("mm")
                           : QString::fromUtf16(paperOf(size).name);
        return landscape ? text + QStringLiteral(" landscape") : text;
    }
    bool operator==(const PageFormat&) const = default;
};

// The page's size in twips as drawn.
inline QSize paperSizeTwips(const PageFormat& paper) {
    const QSizeF page = paper.pageMillimetres();
    return {paperTwipsOf(page.width()), paperTwipsOf(page.height())};
}

} // namespace platform
