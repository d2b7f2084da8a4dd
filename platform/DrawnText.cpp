#include "platform/DrawnText.h"

namespace platform {

void DrawnText::addRun(const QRawFont& font, const QList<quint32>& glyphs, const QStringList& texts,
                       bool column) {
    if (glyphs.isEmpty())
        return;
    const QString key = font.familyName() + u'\n' + font.styleName();
    auto found = m_fontIndexes.constFind(key);
    if (found == m_fontIndexes.constEnd()) {
        found = m_fontIndexes.insert(key, int(m_fonts.size()));
        m_fonts.append(font);
    }
    DrawnRun run{*found, glyphs, texts, column,
                 (column || !glyphs.contains(0u)) && texts.size() == glyphs.size()};
    while (m_pages.size() <= m_currentPage)
        m_pages.append(QList<DrawnRun>());
    m_pages[m_currentPage].append(std::move(run));
}

bool DrawnText::fontMaps(int font, const QString& text, quint32 glyph) const {
    if (font < 0 || font >= m_fonts.size() || text.isEmpty())
        return false;
    const QList<quint32> glyphs = m_fonts[font].glyphIndexesForString(text);
    return !glyphs.isEmpty() && glyphs.front() == glyph;
}

} // namespace platform
