#include "platform/VerticalShaper.h"

#include <hb.h>

#include <cmath>

namespace platform {

namespace {

// HarfBuzz reads the font's tables through Qt, which already holds the file.
hb_blob_t* tableOf(hb_face_t*, hb_tag_t tag, void* userData) {
    const auto* raw = static_cast<const QRawFont*>(userData);
    const char name[4] = {char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag)};
    const QByteArray table = raw->fontTable(name);
    if (table.isEmpty())
        return nullptr;
    return hb_blob_create(table.constData(), uint(table.size()), HB_MEMORY_MODE_DUPLICATE, nullptr,
                          nullptr);
}

} // namespace

VerticalShaper::VerticalShaper(const QRawFont& font) : m_raw(font) {
    m_face = hb_face_create_for_tables(tableOf, &m_raw, nullptr);
    m_unitsPerEm = qMax(1, qRound(m_raw.unitsPerEm()));
    hb_face_set_upem(m_face, uint(m_unitsPerEm));
    m_font = hb_font_create(m_face);
    // Shaped in font units, then scaled to the size asked for.
    hb_font_set_scale(m_font, int(m_unitsPerEm), int(m_unitsPerEm));
}

VerticalShaper::~VerticalShaper() {
    hb_font_destroy(m_font);
    hb_face_destroy(m_face);
}

VerticalRun VerticalShaper::shape(const QString& text, double pixelSize) const {
    const double scale = pixelSize / m_unitsPerEm;
    VerticalRun run;
    if (text.isEmpty())
        return run;
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf16(buffer, reinterpret_cast<const uint16_t*>(text.utf16()), int(text.size()),
                        0, int(text.size()));
    hb_buffer_set_direction(buffer, HB_DIRECTION_TTB);
    hb_buffer_set_script(buffer, HB_SCRIPT_HAN);
    hb_buffer_set_language(buffer, hb_language_from_string("ja", -1));
    const hb_feature_t features[] = {
        {HB_TAG('v', 'e', 'r', 't'), 1, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END}};
    hb_shape(m_font, buffer, features, 1);

    unsigned int count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
    run.glyphs.reserve(count);
    run.positions.reserve(count);
    run.texts.reserve(count);
    // HarfBuzz's y axis points up and a column advances downward (negative).
    double penY = 0;
    for (unsigned int i = 0; i < count; ++i) {
        run.glyphs << infos[i].codepoint;
        run.positions << QPointF(positions[i].x_offset * scale,
                                 penY - positions[i].y_offset * scale);
        const unsigned int start = infos[i].cluster;
        unsigned int end = unsigned(text.size());
        for (unsigned int j = i + 1; j < count; ++j)
            if (infos[j].cluster != start) {
                end = infos[j].cluster;
                break;
            }
        run.texts << (end > start ? text.mid(start, end - start) : QString());
        penY -= positions[i].y_advance * scale;
    }
    run.length = penY;
    hb_buffer_destroy(buffer);
    return run;
}

} // namespace platform
