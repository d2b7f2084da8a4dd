#pragma once

#include "platform/DrawnText.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <map>

namespace platform {

// One font of a PDF as its ToUnicode map gives it: the font's BaseFont
// name, the TrueType program embedded for it, and each glyph's text by its
// code in the page content.
struct PdfFontText {
    QByteArray fontName;
    QByteArray fontFile; // the embedded TrueType subset (FontFile2); empty when there is none
    std::map<unsigned, QString> texts; // UTF-16, empty when the map gives the glyph none
};

// Changes the texts of a font's glyphs where it knows better.
using FontTextRule = std::function<void(PdfFontText& font)>;

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
// each font passes each of rules in turn; last, each glyph found in drawn
// (the text objects of each page matched in order with its runs) is named
// by the characters typed for it. A text object whose glyphs the maps
// cannot name as typed (a glyph typed as 黒 here and 黑 there) is given its
// typed text whole as marked content (/ActualText). Glyphs, positions and
// every other object stay as they are; a PDF that needs nothing is given
// back byte for byte.
PdfTextRepairResult repairPdfText(const QByteArray& pdf, const QList<FontTextRule>& rules = {},
                                  const DrawnText& drawn = {});

} // namespace platform
