#pragma once

#include <QSize>

#include <cmath>

namespace platform {

enum class PaperSize {
    A4,
    Postcard,
    B5,
    A5,
    Letter,
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
};

constexpr const Paper& paperOf(PaperSize size) {
    return Papers[int(size)];
}

static_assert(paperOf(PaperSize::A4).size == PaperSize::A4 &&
                  paperOf(PaperSize::Postcard).size == PaperSize::Postcard &&
                  paperOf(PaperSize::B5).size == PaperSize::B5 &&
                  paperOf(PaperSize::A5).size == PaperSize::A5 &&
                  paperOf(PaperSize::Letter).size == PaperSize::Letter,
              "Papers is in the order of PaperSize");

// A length on paper in millimetres as whole twips, 1440 to the inch.
inline int paperTwipsOf(double millimetres) {
    return int(std::lround(millimetres * 1440.0 / 25.4));
}

// The paper's size in twips, portrait.
inline QSize paperSizeTwips(PaperSize paper) {
    const Paper& sheet = paperOf(paper);
    return {paperTwipsOf(sheet.widthMillimetres), paperTwipsOf(sheet.heightMillimetres)};
}

} // namespace platform
