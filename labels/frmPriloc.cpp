#include "labels/frmPriloc.h"

#include "printing/OffsetsFile.h"
#include "ui/Named.h"

using namespace Qt::StringLiterals;

namespace labels {

frmPriloc::frmPriloc(ui::AppContext& context,
                     std::function<void(const printing::Trims& trims)> onAccepted, QWidget* parent,
                     const QString& printer, const QString& sheet)
    : printing::PositionDialog(context, printing::labelOffsetsPath(), std::move(onAccepted),
                               parent) {
    setObjectName(u"frmPriloc"_s);
    // The sheet's corner drawn around the marker's whole range of travel.
    Image1 = ui::named(
        new printing::MarkerCanvas(QRect(700, 100, 1300, 1000),
                                   QPoint(printing::NeutralMarkerX, printing::NeutralMarkerY),
                                   QSize(360, 240), this),
        u"Image1"_s);
    keepPerPrinter(printer, sheet);
    showDrawing(Image1, [this](const QPoint& markerTwips) { Image1->setMarker(markerTwips); });
}

} // namespace labels
