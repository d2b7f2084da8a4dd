#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace platform {

// One glyph of a PDF font as its ToUnicode map gives it: the font's
// BaseFont name, the glyph's code in the page content and its text.
struct GlyphText {
    QByteArray fontName;
    unsigned code = 0;
    QString text; // UTF-16, empty when the map gives the glyph none
};

// Gives the text a glyph should have; returning glyph.text keeps it.
using GlyphTextRule = std::function<QString(const GlyphText& glyph)>;

// The text with every CJK radical and stroke (U+2E80 to U+2FDF, U+31C0 to
// U+31EF) that looks like a unified ideograph replaced by it: ⼭ U+2F2D is 山.
// The CJK faces give radical and ideograph one glyph, and Qt's PDF writer
// names a glyph by the lowest code point that has it, the radical.
QString unifiedIdeographText(const QString& text);

// What repairPdfText gives: the PDF, or an error and the input unchanged.
struct PdfTextRepairResult {
    QByteArray pdf;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Rewrites every font's ToUnicode map in pdf so that copying or searching
// gives the card's text: each glyph's text passes unifiedIdeographText, then
// each of rules in turn. Glyphs, positions and every other object stay as
// they are; a PDF whose maps need nothing is given back byte for byte.
PdfTextRepairResult repairPdfText(const QByteArray& pdf, const QList<GlyphTextRule>& rules = {});

} // namespace platform
