#pragma once

// The envelope screen's picture: the front of the envelope on screen and,
// when the back is printed, its back beside it, each text where a job prints
// it, in its face and size, the printed code boxes in red.

#include "printing/PlacedRun.h"

#include <QList>
#include <QRect>
#include <QSizeF>
#include <QWidget>

#include <optional>

namespace envelope {

class EnvelopePicture : public QWidget {
    Q_OBJECT

public:
    explicit EnvelopePicture(QWidget* parent = nullptr);

    // pageMm: the page as drawn; boxesTwips: the code boxes the envelope has.
    // barsTwips: the customer barcode's bars on the front, if any.
    void showEnvelope(const QSizeF& pageMm, const QList<QRect>& boxesTwips,
                      const QList<printing::PlacedRun>& front,
                      const std::optional<QList<printing::PlacedRun>>& back,
                      const QList<QRect>& barsTwips = {});

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSizeF m_pageMm{120, 235};
    QList<QRect> m_boxes;
    QList<QRect> m_bars;
    QList<printing::PlacedRun> m_front;
    std::optional<QList<printing::PlacedRun>> m_back;
};

} // namespace envelope
