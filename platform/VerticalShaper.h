#pragma once

#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

struct hb_face_t;
struct hb_font_t;

namespace platform {

// One column of text as the font sets it top to bottom.
struct VerticalRun {
    QList<quint32> glyphs;
    // Where each glyph is drawn (its horizontal baseline origin), in pixels
    // of the font from the top centre of the column.
    QList<QPointF> positions;
    // The characters each glyph stands for.
    QList<QString> texts;
    double length = 0; // pixels downward
};

// Shapes text with HarfBuzz in top-to-bottom direction with the OpenType
// vertical forms ("vert") on, in a font at its pixel size.
class VerticalShaper {
public:
    explicit VerticalShaper(const QRawFont& font);
    ~VerticalShaper();
    VerticalShaper(const VerticalShaper&) = delete;
    VerticalShaper& operator=(const VerticalShaper&) = delete;

    VerticalRun shape(const QString& text) const;
    const QRawFont& rawFont() const { return m_raw; }

private:
    QRawFont m_raw;
    hb_face_t* m_face = nullptr;
    hb_font_t* m_font = nullptr;
    double m_scale = 1; // pixels per HarfBuzz unit
};

} // namespace platform
