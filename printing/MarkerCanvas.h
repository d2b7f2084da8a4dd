#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

namespace printing {

// A small drawing of the medium (a sheet or a postcard) with a cross at the
// neutral print position and the marker picture whose top-left is the
// stored marker position. Everything is given in the position dialog's
// twips; the widget draws them at a fixed scale.
class MarkerCanvas : public QWidget {
    Q_OBJECT

public:
    // outlineTwips: the medium; neutralTwips: where the cross stands;
    // markerSizeTwips: the marker picture's size.
    MarkerCanvas(const QRect& outlineTwips, const QPoint& neutralTwips,
                 const QSize& markerSizeTwips, QWidget* parent = nullptr);

    // Moves the marker's top-left to this position, twips.
    void setMarker(const QPoint& markerTwips);
    QPoint marker() const { return m_marker; }
    // The marker picture on the widget, pixels (Image1's place).
    QRect markerRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF toPixels(const QPointF& twips) const;

    QRect m_outline;
    QPoint m_neutral;
    QSize m_markerSize;
    QPoint m_marker;
    QRect m_area; // twips shown: the outline and the whole range of the marker
};

} // namespace printing
