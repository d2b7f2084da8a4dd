#include "platform/VerticalGlyphText.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

quint32 readBig(const QByteArray& data, qsizetype offset, int bytes) {
    if (offset < 0 || offset + bytes > data.size())
        return 0;
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | quint8(data[offset + i]);
    return value;
}

// What identifies a glyph in a subset: its number of contours and its
// bounding box in font units, the first ten bytes of its glyf entry. Qt's
// PDF writer rebuilds each glyph from its outline, so the rest of the bytes
// differ from the font's, and the box may be a unit off where it rounds.
std::optional<GlyphShape> shapeOf(const QByteArray& bytes) {
    if (bytes.size() < 10)
        return std::nullopt;
    GlyphShape shape;
    shape.contours = qint16(readBig(bytes, 0, 2));
    for (int i = 0; i < 4; ++i)
        shape.box[i] = qint16(readBig(bytes, 2 + 2 * i, 2));
    return shape;
}

// How far apart two boxes are, or -1 for glyphs of different contours.
int distance(const GlyphShape& a, const GlyphShape& b) {
    if (a.contours != b.contours)
        return -1;
    int most = 0;
    for (int i = 0; i < 4; ++i)
        most = qMax(most, qAbs(int(a.box[i]) - int(b.box[i])));
    return most;
}

constexpr int RoundingUnits = 2;

QByteArray glyphBytes(const QByteArray& loca, const QByteArray& glyf, bool longOffsets,
                      quint32 glyph) {
    const qsizetype start = longOffsets ? readBig(loca, qsizetype(glyph) * 4, 4)
                                        : readBig(loca, qsizetype(glyph) * 2, 2) * 2;
    const qsizetype end = longOffsets ? readBig(loca, qsizetype(glyph + 1) * 4, 4)
                                      : readBig(loca, qsizetype(glyph + 1) * 2, 2) * 2;
    if (end <= start || end > glyf.size())
        return {};
    return glyf.mid(start, end - start);
}

// The tables of a TrueType font file, by tag.
QHash<QByteArray, QByteArray> tablesOfFile(const QByteArray& file) {
    QHash<QByteArray, QByteArray> tables;
    const int count = int(readBig(file, 4, 2));
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 12 + 16 * qsizetype(i);
        if (entry + 16 > file.size())
            break;
        const qsizetype offset = readBig(file, entry + 8, 4);
        const qsizetype length = readBig(file, entry + 12, 4);
        if (offset + length <= file.size())
            tables.insert(file.mid(entry, 4), file.mid(offset, length));
    }
    return tables;
}

} // namespace

const VerticalGlyphText::FontTables& VerticalGlyphText::tablesOf(const QRawFont& font) {
    const QString key = font.familyName() + u'\n' + font.styleName();
    auto found = m_tables.constFind(key);
    if (found == m_tables.constEnd()) {
        FontTables tables;
        tables.loca = font.fontTable("loca");
        tables.glyf = font.fontTable("glyf");
        tables.longOffsets = readBig(font.fontTable("head"), 50, 2) == 1;
        found = m_tables.insert(key, tables);
    }
    return *found;
}

void VerticalGlyphText::note(const QRawFont& font, quint32 glyph, const QString& text) {
    const QString key =
        font.familyName() + u'\n' + font.styleName() + u'\n' + QString::number(glyph);
    if (m_noted.contains(key))
        return;
    m_noted.insert(key);
    const FontTables& tables = tablesOf(font);
    // A blank glyph has no outline to be found by.
    if (const std::optional<GlyphShape> shape =
            shapeOf(glyphBytes(tables.loca, tables.glyf, tables.longOffsets, glyph)))
        m_glyphs.append({*shape, text});
}

void VerticalGlyphText::addTexts(PdfFontText& font) const {
    if (m_glyphs.isEmpty() || font.fontFile.isEmpty())
        return;
    const QHash<QByteArray, QByteArray> tables = tablesOfFile(font.fontFile);
    const QByteArray loca = tables.value("loca");
    const QByteArray glyf = tables.value("glyf");
    const bool longOffsets = readBig(tables.value("head"), 50, 2) == 1;
    const quint32 glyphCount = quint32(loca.size() / (longOffsets ? 4 : 2));
    for (quint32 glyph = 0; glyph + 1 < glyphCount; ++glyph) {
        const std::optional<GlyphShape> shape = shapeOf(glyphBytes(loca, glyf, longOffsets, glyph));
        if (!shape)
            continue;
        const NotedGlyph* nearest = nullptr;
        int nearestApart = RoundingUnits + 1;
        for (const NotedGlyph& noted : m_glyphs) {
            const int apart = distance(*shape, noted.shape);
            if (apart >= 0 && apart < nearestApart) {
                nearestApart = apart;
                nearest = &noted;
            }
        }
        if (!nearest)
            continue;
        // A glyph keeps the text Qt gave it unless that is missing or a
        // compatibility form of the same character (the font maps the
        // vertical presentation forms, "︹" U+FE41 for "「", to some).
        QString& text = font.texts[glyph];
        if (text.isEmpty() || text == u"\0"_s ||
            text.normalized(QString::NormalizationForm_KC) ==
                nearest->text.normalized(QString::NormalizationForm_KC))
            text = nearest->text;
    }
}

} // namespace platform
