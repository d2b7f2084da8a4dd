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
// vertical forms ("vert") on. One shaper serves every size of a face: its
// tables are read once, and positions scale with the size.
class VerticalShaper {
public:
    // font: the face, at any size.
    explicit VerticalShaper(const QRawFont& font);
    ~VerticalShaper();
    VerticalShaper(const VerticalShaper&) = delete;
    VerticalShaper& operator=(const VerticalShaper&) = delete;

    // The column at pixelSize pixels to the em.
    VerticalRun shape(const QString& text, double pixelSize) const;

private:
    QRawFont m_raw;
    hb_face_t* m_face = nullptr;
    hb_font_t* m_font = nullptr;
    double m_unitsPerEm = 1000;
};

} // namespace platform
