#pragma once

#include <QHash>
#include <QList>
#include <QRawFont>
#include <QString>
#include <QStringList>

namespace platform {

// One text a printer drew: the font's own glyphs in drawing order and the
// characters the user typed for each. Qt's PDF writer draws a line as one
// text object for each script in it (a column as one), one string a glyph,
// when the font holds every character.
struct DrawnRun {
    int font = 0; // index into the fonts of its DrawnText
    QList<quint32> glyphs;
    QStringList texts;    // one per glyph
    bool column = false;  // a vertical column, drawn glyph by glyph: a glyph 0
                          // there is drawn in this font, not another
    bool complete = true; // false when some character is not in the font and
                          // Qt draws it in another, as other text objects
};

// What a printer drew into a PDF, page by page in drawing order, so that
// the PDF's text can be made what was typed: a glyph that several code
// points share (戸 and 戶, 黒 and 黑) is named by the one the user chose.
class DrawnText {
public:
    // Notes a run drawn on the current page; runs without glyphs draw nothing.
    void addRun(const QRawFont& font, const QList<quint32>& glyphs, const QStringList& texts,
                bool column);
    void newPage() { ++m_currentPage; }

    int pageCount() const { return int(m_pages.size()); }
    // The runs of page, counted from 0, in the order they were drawn.
    QList<DrawnRun> runsOf(int page) const { return m_pages.value(page); }
    // True when the character map of font gives glyph for the first
    // character of text: that a PDF's name for a glyph is this glyph.
    bool fontMaps(int font, const QString& text, quint32 glyph) const;
    bool isEmpty() const { return m_pages.isEmpty(); }

private:
    QList<QRawFont> m_fonts;
    QHash<QString, int> m_fontIndexes; // by family and style
    QList<QList<DrawnRun>> m_pages;
    int m_currentPage = 0;
};

} // namespace platform
