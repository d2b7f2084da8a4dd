#pragma once

#include "labels/SheetTemplate.h"

#include <QWidget>

namespace labels {

// A drawing of a label sheet on screen: the paper and every label on it,
// to scale, with its corners rounded as the sheet's are.
class SheetPicture : public QWidget {
    Q_OBJECT

public:
    explicit SheetPicture(QWidget* parent = nullptr);

    void setSheet(const SheetTemplate& sheet);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SheetTemplate m_sheet;
    QList<QRectF> m_labels;
};

} // namespace labels
