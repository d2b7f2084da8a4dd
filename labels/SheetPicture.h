#pragma once

#include "labels/SheetTemplate.h"

#include <QPixmap>
#include <QWidget>

class QPainter;

namespace labels {

// A drawing of a label sheet on screen: the paper and every label on it,
// to scale, with its corners rounded as the sheet's are. Labels that lie
// past the paper's edge are drawn in red.
class SheetPicture : public QWidget {
    Q_OBJECT

public:
    explicit SheetPicture(QWidget* parent = nullptr);

    void setSheet(const SheetTemplate& sheet);
    // Nothing to draw: figures that make no sheet.
    void clearSheet();
    QSize sizeHint() const override;

    // The sheet drawn into area, centred and to scale.
    static void paintSheet(QPainter& painter, const QRectF& area, const SheetTemplate& sheet);
    // A small picture of the sheet for a list, size pixels.
    static QPixmap thumbnail(const SheetTemplate& sheet, const QSize& size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<SheetTemplate> m_sheet;
};

} // namespace labels
