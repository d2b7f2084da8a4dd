#pragma once

#include "platform/PdfTextRepair.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QSet>
#include <QString>

namespace platform {

// A TrueType glyph as a subset can be matched against: its number of
// contours and its bounding box in font units.
struct GlyphShape {
    qint16 contours = 0;
    qint16 box[4] = {0, 0, 0, 0}; // xMin, yMin, xMax, yMax
};

// The characters of the glyphs a vertical column puts in place of the
// font's usual ones (the vertical forms of "ー", "「", "、" ...). Those glyphs
// have no entry in the font's character map, so the text map Qt's PDF
// writer builds from it leaves them without text; a search or a copy of the
// PDF would lose them. This keeps each such glyph's outline with its
// characters and, while the finished PDF's text is repaired, puts them into
// the ToUnicode maps, finding the glyph in each embedded subset by its
// outline bytes.
class VerticalGlyphText {
public:
    // Notes that glyph of font was printed for text.
    void note(const QRawFont& font, quint32 glyph, const QString& text);
    bool isEmpty() const { return m_glyphs.isEmpty(); }

    // Gives the noted glyphs that the font's embedded subset holds their
    // characters in its texts: a rule for repairPdfText.
    void addTexts(PdfFontText& font) const;

private:
    struct FontTables {
        QByteArray loca;
        QByteArray glyf;
        bool longOffsets = false;
    };
    const FontTables& tablesOf(const QRawFont& font);

    QHash<QString, FontTables> m_tables; // by family and style
    struct NotedGlyph {
        GlyphShape shape;
        QString text;
    };
    QSet<QString> m_noted; // "family\nstyle\nglyph"
    QList<NotedGlyph> m_glyphs;
};

} // namespace platform
